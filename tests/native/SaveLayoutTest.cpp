#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "game/App.h"
#include "game/SaveLayout.h"

// RANDOM.TVL asks for a random heap: a layout saved under that name, in any
// case, could never be opened. It is refused and nothing changes.
TEST(SaveLayout, TheRandomHeapsNameIsRefusedInAnyCase) {
    ScratchDirectory start;
    RecordingHost host;
    App app{host};
    start.makeDirectory("LAYOUTS");
    initDataDirectories(app.dirs, start.path);
    app.language.MesWriteError = "cannot write";
    app.settings.Layout = "DEFAULT.TVL";
    for (const std::string name : {"RANDOM.TVL", "random.tvl", "Random.Tvl"}) {
        host.fileAnswers = {name};
        EXPECT_FALSE(saveLayoutAs(app)) << name;
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().text, name + " : cannot write");
        EXPECT_EQ(host.messages.back().icon, MessageIcon::exclamation);
    }
    EXPECT_EQ(app.settings.Layout, "DEFAULT.TVL");
    EXPECT_TRUE(host.titles.empty());
    EXPECT_TRUE(std::filesystem::is_empty(start.path + "/LAYOUTS"));
    host.fileAnswers = {"random2.tvl"};
    EXPECT_TRUE(saveLayoutAs(app));
    EXPECT_EQ(app.settings.Layout, "RANDOM2.TVL");
    EXPECT_EQ(host.fileDialogs.size(), 4u);
    EXPECT_EQ(host.messages.size(), 3u);
}
