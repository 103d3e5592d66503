// A start directory with an empty SCORES directory, the layout CLASSIC.TVL
// chosen and the default hall of fame in memory.
#pragma once

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "game/App.h"

struct ScoresFixture : ::testing::Test {
    ScratchDirectory start;
    RecordingHost host;
    App app{host};

    void SetUp() override {
        initDataDirectories(app.dirs, start.path);
        start.makeDirectory("SCORES");
        app.settings.Layout = "CLASSIC.TVL";
        app.language.MesScores = "Scores damaged";
        app.language.MesWriteError = "cannot write";
        app.language.MesWinNoHall = "Not fast enough";
        app.language.MesWinLoad = "Loaded game";
    }
    std::string scoresFile(const std::string& name = "CLASSIC.TVS") const {
        return start.path + "/SCORES/" + name;
    }
};
