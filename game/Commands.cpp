#include "game/Commands.h"

#include <array>

#include "files/LanguageTable.h"

namespace {

constexpr std::array<CommandId, 22> fixedCommands = {
    command::newGame,      command::restartGame, command::easyMode,     command::autoPlay,
    command::pauseChrono,  command::hint,        command::undo,         command::saveGame,
    command::loadGame,     command::exitGame,    command::shadows,      command::showChrono,
    command::changeColors, command::config,      command::hallOfFame,   command::loadLayout,
    command::saveLayout,   command::randomLayout, command::helpFile,    command::helpAbout,
    command::useSounds,    command::changeCursor,
};

constexpr std::array<FileListRange, fileListKinds> ranges = {{
    {FileListKind::languages, 20000, 20000, false, "*.TXT"},
    {FileListKind::layouts, 22000, 22000, false, "*.TVL"},
    {FileListKind::tileSets, 21000, 21000, false, "*.BMP"},
    {FileListKind::sound1, 23000, 23001, true, "*.WAV"},
    {FileListKind::sound2, 24000, 24001, true, "*.WAV"},
    {FileListKind::sound3, 25000, 25001, true, "*.WAV"},
    {FileListKind::music, 26000, 26001, true, "*.MID"},
    {FileListKind::backgrounds, 27000, 27001, true, "*.BMP"},
}};

constexpr int rangeSize = 1000;

// F1 ... F12; F10 carries no command.
constexpr std::array<CommandId, 12> functionKeyCommands = {
    command::helpFile,    command::newGame, command::restartGame, command::loadLayout,
    command::pauseChrono, command::hint,    command::undo,        command::hallOfFame,
    command::shadows,     0,                command::showChrono,  command::exitGame,
};

const std::array<ToolbarButton, toolbarButtonCount> buttons = {{
    {0, command::loadLayout, &LanguageTable::T_LOAD_LAYOUT},
    {1, command::newGame, &LanguageTable::T_NEW_GAME},
    {0, 0, nullptr},
    {4, command::pauseChrono, &LanguageTable::T_PAUSE_CHRONO},
    {3, command::hint, &LanguageTable::T_HINT},
    {2, command::undo, &LanguageTable::T_UNDO},
    {0, 0, nullptr},
    {5, command::useSounds, &LanguageTable::T_SOUND},
    {6, command::hallOfFame, &LanguageTable::T_HALL_OF_FAME},
    {0, 0, nullptr},
    {7, command::helpFile, &LanguageTable::T_HELP_FILE},
    {8, command::helpAbout, &LanguageTable::T_HELP_ABOUT},
    {9, command::exitGame, &LanguageTable::T_EXIT},
}};

// Picture 5 (sound) stays out of the menu, where USE_SOUNDS shows a check mark.
constexpr std::array<MenuPicture, menuPictureCount> pictures = {{
    {command::loadLayout, 0},
    {command::newGame, 1},
    {command::undo, 2},
    {command::hint, 3},
    {command::pauseChrono, 4},
    {command::hallOfFame, 6},
    {command::helpFile, 7},
    {command::helpAbout, 8},
    {command::exitGame, 9},
}};

}  // namespace

bool isFixedCommand(uint32_t parameter) {
    for (CommandId id : fixedCommands)
        if (parameter == id) return true;
#if TAVREK_3D
    return parameter == command::useTextures || parameter == command::switchView;
#else
    return false;
#endif
}

const FileListRange& fileListRange(FileListKind kind) { return ranges[static_cast<int>(kind)]; }

const FileListRange* rangeOfCommand(CommandId id) {
    for (const FileListRange& range : ranges)
        if (id >= range.base && id < range.base + rangeSize) return &range;
    return nullptr;
}

CommandId commandForFunctionKey(int virtualKey) {
    const int index = virtualKey - 0x70;
    if (index < 0 || index >= static_cast<int>(functionKeyCommands.size())) return 0;
    return functionKeyCommands[index];
}

const ToolbarButton* toolbarButtons() { return buttons.data(); }

const std::string* toolTipFor(const LanguageTable& language, CommandId id) {
    for (const ToolbarButton& button : buttons)
        if (button.command != 0 && button.command == id) return &(language.*button.toolTip);
    return nullptr;
}

const MenuPicture* menuPictures() { return pictures.data(); }
