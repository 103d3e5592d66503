// The commands that menus, keys and buttons send, and the camera keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/CameraKeys.h"
#include "game/Commands.h"
#include "files/LanguageTable.h"
#include "files/Settings.h"

using Ids = std::vector<int>;

TEST(Commands, OnlyTheListedNumbersOfTheFixedRangeAreCommands) {
    Ids listed;
    for (uint32_t id = 39990; id <= 40040; ++id)
        if (isFixedCommand(id)) listed.push_back(int(id));
    Ids expected = {40000, 40001, 40002, 40003, 40004, 40005, 40006, 40007, 40008, 40010, 40012,
                    40013, 40014, 40016, 40017, 40018, 40019, 40020, 40021, 40022, 40023, 40026};
    if (TAVREK_3D) expected.insert(expected.end(), {40027, 40028});
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(isFixedCommand(0x00010000u | 40000u)) << "a notification code in the high word";
}

TEST(Commands, FileListRangesAreTestedLanguageLayoutTileSetSoundsMusicBackground) {
    const std::pair<CommandId, FileListKind> cases[] = {
        {20000, FileListKind::languages}, {20999, FileListKind::languages}, {21000, FileListKind::tileSets},
        {22000, FileListKind::layouts},   {23000, FileListKind::sound1},    {24005, FileListKind::sound2},
        {25999, FileListKind::sound3},    {26001, FileListKind::music},     {27000, FileListKind::backgrounds}};
    for (const auto& [id, kind] : cases) {
        const FileListRange* range = rangeOfCommand(id);
        ASSERT_NE(range, nullptr) << id;
        EXPECT_EQ(range->kind, kind) << id;
        // Sounds, music and the background can be "none", the first item of their menus.
        EXPECT_EQ(range->hasNone, range->firstListed == range->base + 1) << id;
    }
    for (CommandId outside : {19999, 28000, 40000}) EXPECT_EQ(rangeOfCommand(outside), nullptr) << outside;
}

TEST(Commands, FunctionKeysSendTheirCommandsAndF10Nothing) {
    Ids sent;
    for (int key = 0x6F; key <= 0x7C; ++key) sent.push_back(commandForFunctionKey(key));
    EXPECT_EQ(sent, (Ids{0, 40021, 40000, 40001, 40018, 40004, 40005, 40006, 40017, 40012, 0, 40013, 40010, 0}));
    EXPECT_EQ(commandForFunctionKey(' '), 0);
}

// The menu pictures are the toolbar pictures of the same commands; the sound
// button's picture has no menu item.
TEST(Commands, ToolbarAndMenuPicturesPairPicturesCommandsAndToolTips) {
    LanguageTable language;
    language.T_LOAD_LAYOUT = "load", language.T_SOUND = "sound", language.T_EXIT = "bye";
    Ids pictures, commands;
    for (int k = 0; k < toolbarButtonCount; ++k) {
        const ToolbarButton& button = toolbarButtons()[k];
        pictures.push_back(button.picture);
        commands.push_back(button.command);
        EXPECT_EQ(button.toolTip == nullptr, button.command == 0) << k;
    }
    EXPECT_EQ(pictures, (Ids{0, 1, 0, 4, 3, 2, 0, 5, 6, 0, 7, 8, 9}));
    EXPECT_EQ(commands, (Ids{40018, 40000, 0, 40004, 40005, 40006, 0, 40023, 40017, 0, 40021, 40022, 40010}));
    EXPECT_EQ(*toolTipFor(language, 40018) + "|" + *toolTipFor(language, 40023) + "|" + *toolTipFor(language, 40010),
              "load|sound|bye");
    EXPECT_EQ(toolTipFor(language, 40001), nullptr);
    EXPECT_EQ(toolTipFor(language, 0), nullptr);
    std::set<int> used;
    for (int k = 0; k < menuPictureCount; ++k) {
        const MenuPicture& picture = menuPictures()[k];
        const size_t button = size_t(std::find(commands.begin(), commands.end(), picture.command) - commands.begin());
        ASSERT_LT(button, commands.size()) << picture.command;
        EXPECT_EQ(pictures[button], picture.picture) << picture.command;
        used.insert(picture.picture);
    }
    EXPECT_EQ(used, (std::set<int>{1, 2, 3, 4, 6, 7, 8, 9, 0}));
}

#if TAVREK_3D
// The camera as the keys see it: angles x, y, z, pan x, y, zoom and tilt.
using Camera = std::vector<float>;

static Camera cameraOf(const Settings& s) {
    return {s.XPosition, s.YPosition, s.ZPosition, s.XView, s.YView, s.ZView, s.Inclination};
}

// One key on a camera with steps of 2.5 (tilt 1), zoom within 0 to 10 and
// tilt within -20 to 20; angles are truncated and wrapped after each press,
// keeping their sign. Zoom and tilt test their bound before the step, so one
// step may pass it and the next is refused; only they and the pan ask for a
// redraw, the angles being redrawn by their caller.
TEST(CameraKeys, EachKeyMovesItsOwnValue) {
    const struct { int key; Camera before, after; bool accepted; } presses[] = {
        {cameraKey::up, {0, 0, 0, 0, 0, 5, 0}, {-2, 0, 0, 0, 0, 5, 0}, false},
        {cameraKey::down, {-4, 0, 0, 0, 0, 5, 0}, {-1, 0, 0, 0, 0, 5, 0}, false},
        {cameraKey::left, {0, -357.5f, 0, 0, 0, 5, 0}, {0, 0, 0, 0, 0, 5, 0}, false},
        {cameraKey::right, {0, 2.5f, 0, 0, 0, 5, 0}, {0, 5, 0, 0, 0, 5, 0}, false},
        {cameraKey::home, {0, 0, -365, 0, 0, 5, 0}, {0, 0, -7, 0, 0, 5, 0}, false},
        {cameraKey::end, {12.7f, 370, -5, 0, 0, 5, 0}, {12, 10, -2, 0, 0, 5, 0}, false},
        {cameraKey::pageUp, {0, 0, 0, 0, 0, 2, 0}, {0, 0, 0, 0, 0, -0.5f, 0}, true},
        {cameraKey::pageUp, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}, false},
        {cameraKey::pageDown, {0, 0, 0, 0, 0, 9, 0}, {0, 0, 0, 0, 0, 11.5f, 0}, true},
        {cameraKey::pageDown, {0, 0, 0, 0, 0, 10, 0}, {0, 0, 0, 0, 0, 10, 0}, false},
        {cameraKey::insert, {0, 0, 0, 0, 0, 5, 19.5f}, {0, 0, 0, 0, 0, 5, 20.5f}, true},
        {cameraKey::insert, {0, 0, 0, 0, 0, 5, 20}, {0, 0, 0, 0, 0, 5, 20}, false},
        {cameraKey::del, {0, 0, 0, 0, 0, 5, -19}, {0, 0, 0, 0, 0, 5, -20}, true},
        {cameraKey::del, {0, 0, 0, 0, 0, 5, -20}, {0, 0, 0, 0, 0, 5, -20}, false},
        // Digits of both rows pan; 5 and 0 do nothing, nor do other keys.
        {'4', {0, 0, 0, 1, 1, 5, 0}, {0, 0, 0, -1.5f, 1, 5, 0}, true}, {'6', {}, {0, 0, 0, 2.5f, 0, 5, 0}, true},
        {'2', {}, {0, 0, 0, 0, -2.5f, 5, 0}, true}, {'8', {}, {0, 0, 0, 0, 2.5f, 5, 0}, true},
        {'1', {}, {0, 0, 0, -2.5f, -2.5f, 5, 0}, true}, {0x63, {}, {0, 0, 0, 2.5f, -2.5f, 5, 0}, true},
        {0x67, {}, {0, 0, 0, -2.5f, 2.5f, 5, 0}, true}, {'9', {}, {0, 0, 0, 2.5f, 2.5f, 5, 0}, true},
        {'5', {}, {}, false}, {'0', {}, {}, false}, {0x65, {}, {}, false}, {0x60, {}, {}, false}, {'A', {}, {}, false},
        {0x70, {}, {}, false}};
    for (const auto& p : presses) {
        Settings s;
        s.StepRotation = 2.5f, s.StepInclination = 1, s.MinZoom = 0, s.MaxZoom = 10;
        s.MinInclination = -20, s.MaxInclination = 20;
        const Camera still = {0, 0, 0, 0, 0, 5, 0}, before = p.before.empty() ? still : p.before;
        s.XPosition = before[0], s.YPosition = before[1], s.ZPosition = before[2], s.XView = before[3];
        s.YView = before[4], s.ZView = before[5], s.Inclination = before[6];
        EXPECT_EQ(applyCameraKey(s, p.key), p.accepted) << p.key;
        wrapCameraAngles(s);
        EXPECT_EQ(cameraOf(s), p.after.empty() ? still : p.after) << p.key;
    }
}

TEST(CameraKeys, TheWheelZoomsByOneStepEitherWay) {
    Settings s;
    s.StepRotation = 5, s.ZView = 100;
    EXPECT_TRUE(applyCameraWheel(s, -120));
    EXPECT_EQ(s.ZView, 95.0f);
    EXPECT_TRUE(applyCameraWheel(s, 480));
    EXPECT_FALSE(applyCameraWheel(s, 0));
    EXPECT_EQ(s.ZView, 100.0f);
}

#endif
