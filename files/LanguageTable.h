// One text slot per language-file key, each field named after its key. Menu
// texts and tool-tips hold at most 127 characters (function-key hint
// included), the other slots at most 4095. All slots start empty.
#pragma once

#include <string>

constexpr size_t menuSlotLength = 127;
constexpr size_t textSlotLength = 4095;

struct LanguageTable {
    // Menu texts.
    std::string GAME;
    std::string NEW_GAME;
    std::string RESTART_GAME;
    std::string EASYMODE;
    std::string AUTOPLAY;
    std::string PAUSE_CHRONO;
    std::string HINT;
    std::string UNDO;
    std::string SAVE_GAME;
    std::string LOAD_GAME;
    std::string EXIT;
    std::string OPTIONS;
#if TAVREK_3D
    std::string GO2D;
    std::string GO3D;
#endif
    std::string SHOW_CHRONO;
    std::string SHADOWS;
    std::string CHANGE_CURSOR;
    std::string LANGUAGE;
    std::string CONFIG;
    std::string SOUNDS;
    std::string CHANGE_MUSIC;
    std::string CHANGE_SOUND1;
    std::string CHANGE_SOUND2;
    std::string CHANGE_SOUND3;
    std::string USE_SOUNDS;
    std::string GRAPHICS;
    std::string TILESET;
    std::string BACKGROUND;
#if TAVREK_3D
    std::string USE_TEXTURES;
#endif
    std::string CHANGE_COLORS;
    std::string LAYOUT;
    std::string LOAD_LAYOUT;
    std::string SAVE_LAYOUT;
    std::string HALL_OF_FAME;
    std::string RANDOM_LAYOUT;
    std::string HELP;
    std::string HELP_FILE;
    std::string HELP_ABOUT;
    std::string NONE;
    std::string MORE;

    // Tool-tips of the toolbar buttons.
    std::string T_NEW_GAME;
    std::string T_UNDO;
    std::string T_HINT;
    std::string T_LOAD_LAYOUT;
    std::string T_PAUSE_CHRONO;
    std::string T_SOUND;
    std::string T_HALL_OF_FAME;
    std::string T_HELP_FILE;
    std::string T_HELP_ABOUT;
    std::string T_EXIT;

    // Messages, status words and file-dialog filter descriptions.
    std::string MesScores;
    std::string MesSizeError;
    std::string MesReadError;
    std::string MesWriteError;
    std::string MesUndo;
    std::string MesWinLoad;
    std::string MesWinNoHall;
    std::string MesStatusWin;
    std::string MesStatusLose;
    std::string MesAutoplayError;
    std::string MesEasyMode;
    std::string MesNoLayout;
    std::string MesNoTileSet;
    std::string MesChronoPaused;
    std::string MesNo144Tiles;
#if TAVREK_3D
    std::string MesNo3D;
#endif
    std::string Tiles;
    std::string Chrono;
    std::string Sol;
    std::string FilterLayout;
    std::string FilterSaveGame;

    // Dialog texts.
    std::string OK;
    std::string ABOUTCAPTION;
    std::string ABOUTCOPYRIGHT;
    std::string ABOUTAUTHOR;
    std::string ABOUTEMAIL;
    std::string ABOUTHOMEPAGE;
    std::string ABOUTNOTICE;
    std::string WINCAPTION;
    std::string WINNAME;
    std::string HALLFAMECAPTION;
    std::string HALLFAMENAME;
    std::string HALLFAMETIME;
    std::string COLORSCAPTION;
    std::string COLORSBACK;
    std::string COLORSSIDE;
#if TAVREK_3D
    std::string COLORS3DCAPTION;
    std::string COLORS3DLEVELGRP;
    std::string COLORS3DLEVEL0;
    std::string COLORS3DLEVEL1;
    std::string COLORS3DLEVEL2;
    std::string COLORS3DLEVEL3;
    std::string COLORS3DLEVEL4;
    std::string COLORS3DCOLORSEL;
    std::string COLORS3DTILEGRP;
    std::string COLORS3DTILE1;
    std::string COLORS3DTILE2;
    std::string COLORS3DTILE3;
    std::string COLORS3DTILE4;
#endif
    std::string CONFIGCAPTION;
    std::string MILLISECONDS;
    std::string STRETCHTILES;
    std::string SELECTMODE;
    std::string SELECTDARKER;
    std::string SELECTINVERT;
    std::string AUTOPLAYDELAY;
    std::string REMOVETILEDELAY;
    std::string BORDERSIZE;
    std::string SHADOWSIZE;
#if TAVREK_3D
    std::string STEP3D;
#endif

    // The help page in the LANGUAGE directory that matches the language
    // file (".HTM"), or "" when there is none.
    std::string helpFileName;
};
