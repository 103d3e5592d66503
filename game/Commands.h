// The command table: every menu item, toolbar button, function key and mouse
// button reaches the game through one of these identifiers.
#pragma once

#include <cstdint>
#include <string>

struct LanguageTable;

using CommandId = uint16_t;

namespace command {
constexpr CommandId newGame = 40000;
constexpr CommandId restartGame = 40001;
constexpr CommandId easyMode = 40002;
constexpr CommandId autoPlay = 40003;
constexpr CommandId pauseChrono = 40004;
constexpr CommandId hint = 40005;
constexpr CommandId undo = 40006;
constexpr CommandId saveGame = 40007;
constexpr CommandId loadGame = 40008;
constexpr CommandId exitGame = 40010;
constexpr CommandId shadows = 40012;
constexpr CommandId showChrono = 40013;
constexpr CommandId changeColors = 40014;
constexpr CommandId config = 40016;
constexpr CommandId hallOfFame = 40017;
constexpr CommandId loadLayout = 40018;
constexpr CommandId saveLayout = 40019;
constexpr CommandId randomLayout = 40020;
constexpr CommandId helpFile = 40021;
constexpr CommandId helpAbout = 40022;
constexpr CommandId useSounds = 40023;
constexpr CommandId changeCursor = 40026;
#if TAVREK_3D
constexpr CommandId useTextures = 40027;
constexpr CommandId switchView = 40028;
#endif
}  // namespace command

// True for the identifiers the fixed command table lists (not for the
// unused numbers between them, nor for the file-list ranges).
bool isFixedCommand(uint32_t parameter);

// The eight data-directory lists that menus offer, in the order the command
// handler tests their ranges.
enum class FileListKind { languages, layouts, tileSets, sound1, sound2, sound3, music, backgrounds };
constexpr int fileListKinds = 8;

struct FileListRange {
    FileListKind kind;
    CommandId base;        // start of the range; the NONE item where there is one
    CommandId firstListed; // number of the first listed file
    bool hasNone;
    const char* pattern;
};

const FileListRange& fileListRange(FileListKind kind);
// The range holding the command, or nullptr.
const FileListRange* rangeOfCommand(CommandId id);

// The command a function key sends (virtual-key codes 0x70 = F1 ... 0x7B = F12),
// or 0 for none.
CommandId commandForFunctionKey(int virtualKey);

// The toolbar, left to right. Separators have picture 0 and command 0.
struct ToolbarButton {
    int picture;
    CommandId command;
    std::string LanguageTable::*toolTip;
};
constexpr int toolbarButtonCount = 13;
const ToolbarButton* toolbarButtons();
// The tool-tip text of a button's command, or nullptr for a command without one.
const std::string* toolTipFor(const LanguageTable& language, CommandId id);

// Commands that carry their toolbar picture in the menu when CoolMenu is on.
struct MenuPicture {
    CommandId command;
    int picture;
};
constexpr int menuPictureCount = 9;
const MenuPicture* menuPictures();
