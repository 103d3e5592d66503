#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/Commands.h"
#include "files/LanguageTable.h"

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
    EXPECT_EQ(*toolTipFor(language, 40018) + *toolTipFor(language, 40023) + *toolTipFor(language, 40010), "loadsoundbye");
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
