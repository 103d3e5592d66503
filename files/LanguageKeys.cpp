#include "files/LanguageKeys.h"

namespace {

LanguageKey menuText(const char* key, std::string LanguageTable::*slot) { return {key, slot, menuSlotLength, ""}; }
LanguageKey hintedMenuText(const char* key, std::string LanguageTable::*slot, const char* hint) {
    return {key, slot, menuSlotLength, hint};
}
LanguageKey text(const char* key, std::string LanguageTable::*slot) { return {key, slot, textSlotLength, ""}; }

}  // namespace

const std::vector<LanguageKey>& languageKeys() {
    static const std::vector<LanguageKey> keys = {
        menuText("GAME", &LanguageTable::GAME),
        hintedMenuText("NEW_GAME", &LanguageTable::NEW_GAME, "\tF2"),
        hintedMenuText("RESTART_GAME", &LanguageTable::RESTART_GAME, "\tF3"),
        menuText("EASYMODE", &LanguageTable::EASYMODE),
        menuText("AUTOPLAY", &LanguageTable::AUTOPLAY),
        hintedMenuText("PAUSE_CHRONO", &LanguageTable::PAUSE_CHRONO, "\tF5"),
        hintedMenuText("HINT", &LanguageTable::HINT, "\tF6"),
        hintedMenuText("UNDO", &LanguageTable::UNDO, "\tF7"),
        menuText("SAVE_GAME", &LanguageTable::SAVE_GAME),
        menuText("LOAD_GAME", &LanguageTable::LOAD_GAME),
        hintedMenuText("EXIT", &LanguageTable::EXIT, "\tF12"),
        menuText("OPTIONS", &LanguageTable::OPTIONS),
#if TAVREK_3D
        menuText("GO2D", &LanguageTable::GO2D),
        menuText("GO3D", &LanguageTable::GO3D),
#endif
        hintedMenuText("SHOW_CHRONO", &LanguageTable::SHOW_CHRONO, "\tF11"),
        hintedMenuText("SHADOWS", &LanguageTable::SHADOWS, "\tF9"),
        menuText("CHANGE_CURSOR", &LanguageTable::CHANGE_CURSOR),
        menuText("LANGUAGE", &LanguageTable::LANGUAGE),
        menuText("CONFIG", &LanguageTable::CONFIG),
        menuText("SOUNDS", &LanguageTable::SOUNDS),
        menuText("CHANGE_MUSIC", &LanguageTable::CHANGE_MUSIC),
        menuText("CHANGE_SOUND1", &LanguageTable::CHANGE_SOUND1),
        menuText("CHANGE_SOUND2", &LanguageTable::CHANGE_SOUND2),
        menuText("CHANGE_SOUND3", &LanguageTable::CHANGE_SOUND3),
        menuText("USE_SOUNDS", &LanguageTable::USE_SOUNDS),
        menuText("GRAPHICS", &LanguageTable::GRAPHICS),
        menuText("TILESET", &LanguageTable::TILESET),
        menuText("BACKGROUND", &LanguageTable::BACKGROUND),
#if TAVREK_3D
        menuText("USE_TEXTURES", &LanguageTable::USE_TEXTURES),
#endif
        menuText("CHANGE_COLORS", &LanguageTable::CHANGE_COLORS),
        menuText("LAYOUT", &LanguageTable::LAYOUT),
        hintedMenuText("LOAD_LAYOUT", &LanguageTable::LOAD_LAYOUT, "\tF4"),
        menuText("SAVE_LAYOUT", &LanguageTable::SAVE_LAYOUT),
        hintedMenuText("HALL_OF_FAME", &LanguageTable::HALL_OF_FAME, "\tF8"),
        menuText("RANDOM_LAYOUT", &LanguageTable::RANDOM_LAYOUT),
        menuText("HELP", &LanguageTable::HELP),
        hintedMenuText("HELP_FILE", &LanguageTable::HELP_FILE, "\tF1"),
        menuText("HELP_ABOUT", &LanguageTable::HELP_ABOUT),
        menuText("NONE", &LanguageTable::NONE),
        menuText("MORE", &LanguageTable::MORE),
        menuText("T_NEW_GAME", &LanguageTable::T_NEW_GAME),
        menuText("T_UNDO", &LanguageTable::T_UNDO),
        menuText("T_HINT", &LanguageTable::T_HINT),
        menuText("T_LOAD_LAYOUT", &LanguageTable::T_LOAD_LAYOUT),
        menuText("T_PAUSE_CHRONO", &LanguageTable::T_PAUSE_CHRONO),
        menuText("T_SOUND", &LanguageTable::T_SOUND),
        menuText("T_HALL_OF_FAME", &LanguageTable::T_HALL_OF_FAME),
        menuText("T_HELP_FILE", &LanguageTable::T_HELP_FILE),
        menuText("T_HELP_ABOUT", &LanguageTable::T_HELP_ABOUT),
        menuText("T_EXIT", &LanguageTable::T_EXIT),
        text("MesScores", &LanguageTable::MesScores),
        text("MesSizeError", &LanguageTable::MesSizeError),
        text("MesReadError", &LanguageTable::MesReadError),
        text("MesWriteError", &LanguageTable::MesWriteError),
        text("MesUndo", &LanguageTable::MesUndo),
        text("MesWinLoad", &LanguageTable::MesWinLoad),
        text("MesWinNoHall", &LanguageTable::MesWinNoHall),
        text("MesStatusWin", &LanguageTable::MesStatusWin),
        text("MesStatusLose", &LanguageTable::MesStatusLose),
        text("MesAutoplayError", &LanguageTable::MesAutoplayError),
        text("MesEasyMode", &LanguageTable::MesEasyMode),
        text("MesNoLayout", &LanguageTable::MesNoLayout),
        text("MesNoTileSet", &LanguageTable::MesNoTileSet),
        text("MesChronoPaused", &LanguageTable::MesChronoPaused),
        text("MesNo144Tiles", &LanguageTable::MesNo144Tiles),
#if TAVREK_3D
        text("MesNo3D", &LanguageTable::MesNo3D),
#endif
        text("Tiles", &LanguageTable::Tiles),
        text("Chrono", &LanguageTable::Chrono),
        text("Sol", &LanguageTable::Sol),
        text("FilterLayout", &LanguageTable::FilterLayout),
        text("FilterSaveGame", &LanguageTable::FilterSaveGame),
        text("OK", &LanguageTable::OK),
        text("ABOUTCAPTION", &LanguageTable::ABOUTCAPTION),
        text("ABOUTCOPYRIGHT", &LanguageTable::ABOUTCOPYRIGHT),
        text("ABOUTAUTHOR", &LanguageTable::ABOUTAUTHOR),
        text("ABOUTEMAIL", &LanguageTable::ABOUTEMAIL),
        text("ABOUTHOMEPAGE", &LanguageTable::ABOUTHOMEPAGE),
        text("ABOUTNOTICE", &LanguageTable::ABOUTNOTICE),
        text("WINCAPTION", &LanguageTable::WINCAPTION),
        text("WINNAME", &LanguageTable::WINNAME),
        text("HALLFAMECAPTION", &LanguageTable::HALLFAMECAPTION),
        text("HALLFAMENAME", &LanguageTable::HALLFAMENAME),
        text("HALLFAMETIME", &LanguageTable::HALLFAMETIME),
        text("COLORSCAPTION", &LanguageTable::COLORSCAPTION),
        text("COLORSBACK", &LanguageTable::COLORSBACK),
        text("COLORSSIDE", &LanguageTable::COLORSSIDE),
#if TAVREK_3D
        text("COLORS3DCAPTION", &LanguageTable::COLORS3DCAPTION),
        text("COLORS3DLEVELGRP", &LanguageTable::COLORS3DLEVELGRP),
        text("COLORS3DLEVEL0", &LanguageTable::COLORS3DLEVEL0),
        text("COLORS3DLEVEL1", &LanguageTable::COLORS3DLEVEL1),
        text("COLORS3DLEVEL2", &LanguageTable::COLORS3DLEVEL2),
        text("COLORS3DLEVEL3", &LanguageTable::COLORS3DLEVEL3),
        text("COLORS3DLEVEL4", &LanguageTable::COLORS3DLEVEL4),
        text("COLORS3DCOLORSEL", &LanguageTable::COLORS3DCOLORSEL),
        text("COLORS3DTILEGRP", &LanguageTable::COLORS3DTILEGRP),
        text("COLORS3DTILE1", &LanguageTable::COLORS3DTILE1),
        text("COLORS3DTILE2", &LanguageTable::COLORS3DTILE2),
        text("COLORS3DTILE3", &LanguageTable::COLORS3DTILE3),
        text("COLORS3DTILE4", &LanguageTable::COLORS3DTILE4),
#endif
        text("CONFIGCAPTION", &LanguageTable::CONFIGCAPTION),
        text("MILLISECONDS", &LanguageTable::MILLISECONDS),
        text("STRETCHTILES", &LanguageTable::STRETCHTILES),
        text("SELECTMODE", &LanguageTable::SELECTMODE),
        text("SELECTDARKER", &LanguageTable::SELECTDARKER),
        text("SELECTINVERT", &LanguageTable::SELECTINVERT),
        text("AUTOPLAYDELAY", &LanguageTable::AUTOPLAYDELAY),
        text("REMOVETILEDELAY", &LanguageTable::REMOVETILEDELAY),
        text("BORDERSIZE", &LanguageTable::BORDERSIZE),
        text("SHADOWSIZE", &LanguageTable::SHADOWSIZE),
#if TAVREK_3D
        text("STEP3D", &LanguageTable::STEP3D),
#endif
    };
    return keys;
}

const LanguageKey* findLanguageKey(const std::string& key) {
    for (const LanguageKey& candidate : languageKeys())
        if (key == candidate.key) return &candidate;
    return nullptr;
}
