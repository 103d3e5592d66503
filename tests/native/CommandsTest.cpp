#include <gtest/gtest.h>

#include <set>

#include "engine/Commands.h"
#include "files/LanguageTable.h"

TEST(Commands, OnlyTheListedNumbersOfTheFixedRangeAreCommands) {
    std::set<uint32_t> listed = {40000, 40001, 40002, 40003, 40004, 40005, 40006, 40007,
                                 40008, 40010, 40012, 40013, 40014, 40016, 40017, 40018,
                                 40019, 40020, 40021, 40022, 40023, 40026};
#if TAVREK_3D
    listed.insert({40027, 40028});
#endif
    for (uint32_t id = 39990; id <= 40040; ++id)
        EXPECT_EQ(isFixedCommand(id), listed.count(id) == 1) << id;
    // A notification code in the high word makes the parameter no fixed command.
    EXPECT_FALSE(isFixedCommand(0x00010000u | 40000u));
}

TEST(Commands, FileListRangesAreTestedLanguageLayoutTileSetSoundsMusicBackground) {
    const std::pair<CommandId, FileListKind> cases[] = {
        {20000, FileListKind::languages}, {20999, FileListKind::languages},
        {21000, FileListKind::tileSets},  {22000, FileListKind::layouts},
        {23000, FileListKind::sound1},    {24005, FileListKind::sound2},
        {25999, FileListKind::sound3},    {26001, FileListKind::music},
        {27000, FileListKind::backgrounds},
    };
    for (const auto& [id, kind] : cases) {
        const FileListRange* range = rangeOfCommand(id);
        ASSERT_NE(range, nullptr) << id;
        EXPECT_EQ(range->kind, kind) << id;
    }
    EXPECT_EQ(rangeOfCommand(19999), nullptr);
    EXPECT_EQ(rangeOfCommand(28000), nullptr);
    EXPECT_EQ(rangeOfCommand(40000), nullptr);
    EXPECT_EQ(fileListRange(FileListKind::music).firstListed, 26001);
    EXPECT_FALSE(fileListRange(FileListKind::layouts).hasNone);
    EXPECT_TRUE(fileListRange(FileListKind::backgrounds).hasNone);
    EXPECT_STREQ(fileListRange(FileListKind::backgrounds).pattern, "*.BMP");
}

TEST(Commands, FunctionKeysSendTheirCommandsAndF10Nothing) {
    const CommandId expected[12] = {40021, 40000, 40001, 40018, 40004, 40005,
                                    40006, 40017, 40012, 0,     40013, 40010};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(commandForFunctionKey(0x70 + k), expected[k]) << k;
    EXPECT_EQ(commandForFunctionKey(0x6F), 0);
    EXPECT_EQ(commandForFunctionKey(0x7C), 0);
    EXPECT_EQ(commandForFunctionKey(' '), 0);
}

TEST(Commands, ToolbarPairsPicturesCommandsAndToolTips) {
    LanguageTable language;
    language.T_LOAD_LAYOUT = "load";
    language.T_SOUND = "sound";
    language.T_EXIT = "bye";
    const ToolbarButton* buttons = toolbarButtons();
    const int pictures[] = {0, 1, 0, 4, 3, 2, 0, 5, 6, 0, 7, 8, 9};
    const CommandId commands[] = {40018, 40000, 0, 40004, 40005, 40006, 0,
                                  40023, 40017, 0, 40021, 40022, 40010};
    for (int k = 0; k < toolbarButtonCount; ++k) {
        EXPECT_EQ(buttons[k].picture, pictures[k]) << k;
        EXPECT_EQ(buttons[k].command, commands[k]) << k;
        EXPECT_EQ(buttons[k].toolTip == nullptr, commands[k] == 0) << k;
    }
    EXPECT_EQ(*toolTipFor(language, 40018), "load");
    EXPECT_EQ(*toolTipFor(language, 40023), "sound");
    EXPECT_EQ(*toolTipFor(language, 40010), "bye");
    EXPECT_EQ(toolTipFor(language, 40001), nullptr);
    EXPECT_EQ(toolTipFor(language, 0), nullptr);
}

TEST(Commands, MenuPicturesAreTheToolbarPicturesOfTheSameCommandsExceptSound) {
    const ToolbarButton* buttons = toolbarButtons();
    std::set<int> used;
    for (int k = 0; k < menuPictureCount; ++k) {
        const MenuPicture& picture = menuPictures()[k];
        bool found = false;
        for (int b = 0; b < toolbarButtonCount; ++b)
            if (buttons[b].command == picture.command) {
                EXPECT_EQ(buttons[b].picture, picture.picture) << picture.command;
                found = true;
            }
        EXPECT_TRUE(found) << picture.command;
        used.insert(picture.picture);
    }
    EXPECT_EQ(used.size(), 9u);
    EXPECT_EQ(used.count(5), 0u);
}
