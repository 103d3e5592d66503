// One text slot per language-file key.
#pragma once

#include <string>

struct LanguageTable {
    std::string MesNo144Tiles;
    std::string MesUndo;
    std::string MesAutoplayError;
    std::string MesStatusWin;
    std::string MesStatusLose;
};
