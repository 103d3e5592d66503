// The player is told in the chosen language that the 3D view cannot be
// drawn, and in English when the language file has no text for it.
#include <gtest/gtest.h>

#include "native/RecordingHost.h"
#include "files/Caption.h"
#include "game/App.h"
#include "game/View3DGame.h"

TEST(No3DMessage, TheLanguageTextIsShownOnceOrTheEnglishOneWhenTheFileLacksIt) {
    for (const std::string text : {"OpenGL ne démarre pas : la vue 2D continue.", ""}) {
        RecordingHost host;
        App app{host};
        app.language.MesNo3D = text;
        app.settings.view3D = 1;
        without3DView(app);
        ASSERT_EQ(host.messages.size(), 1u);
        const std::string shown = text.empty() ? "OpenGL could not be started on this display: the game goes on in the 2D view." : text;
        EXPECT_EQ(describe(host.messages[0]), shown + "|" + productCaption + "|0");
        EXPECT_FALSE(can3D(app));
        EXPECT_EQ(app.settings.view3D, 0);
    }
}
