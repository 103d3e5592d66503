// The options and About dialogs opened in the real program: buttons pressed
// inside the dialog's own loop, one step a tick, and what they changed.
#include <gtest/gtest.h>

#include <windows.h>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "dialogs/ColourChooser.h"
#include "game/Commands.h"
#include "resources/resource.h"
#include "shell/Shell.h"
#include "view2d/Surface.h"

namespace {

using Step = std::function<void(HWND dialog)>;

// Sends the message that opens the dialog; true when every step ran and the
// dialog then closed by itself.
bool runDialog(ShellDriver& driver, UINT message, WPARAM first, const std::string& caption,
               const std::vector<Step>& steps) {
    std::vector<DialogAnswer> answers;
    for (const Step& step : steps) answers.push_back({caption, step});
    answerDialogs(answers);
    SendMessageA(driver.window, message, first, 0);
    driver.pump();
    stopAnsweringWinDialogs();
    return answersLeft() == 0 && dialogsLeftOpen() == 0;
}

// Keys reach the dialog through its own loop as from the keyboard.
void pressKey(HWND dialog, WPARAM key) { PostMessageA(GetDlgItem(dialog, IDC_CONFIG_OK), WM_KEYDOWN, key, 0); }

const LanguageTable& words() { return shell().app.language; }
Settings& settings() { return shell().app.settings; }

// The colour chooser's answers in turn; once none is left it is cancelled.
std::vector<Colour> chosenColours;
std::vector<Colour> offeredColours;

bool answerChooser(HWND, Colour& colour) {
    offeredColours.push_back(colour);
    if (chosenColours.empty()) return false;
    colour = chosenColours.front();
    chosenColours.erase(chosenColours.begin());
    return true;
}

Colour swatchColour(HWND dialog, int id) {
    HWND swatch = GetDlgItem(dialog, id);
    UpdateWindow(swatch);
    HDC context = GetDC(swatch);
    const COLORREF colour = GetPixel(context, 3, 3);
    ReleaseDC(swatch, context);
    return colour;
}

void startIn2D(ShellDriver& driver, const std::string& settingsText) {
    colourChooserHook = answerChooser;
    driver.install("; s\r\n\r\n" + settingsText);
    ASSERT_TRUE(driver.start());
#if TAVREK_3D
    driver.command(command::switchView);
#endif
}

}  // namespace

// Each row's buttons step their own value and show it; the look of a selected
// tile changes at once, the stretching waits for Enter, which is OK.
TEST(Dialogs, TheConfigurationStepsEachRowAndPreparesTheTilesAtEnter) {
    ShellDriver driver;
    startIn2D(driver, "AutoPlaySleep = 250\r\nRemoveTileTime = 300\r\nBorderSize = 5\r\nShadowSize = 9\r\n"
                  "StretchTiles = 1\r\nSelectMode = DARKER\r\nStepRotation = 254.5\r\n");
    const std::string ms = " " + words().MILLISECONDS;
    EXPECT_TRUE(runDialog(driver, WM_COMMAND, command::config, words().CONFIGCAPTION, {
        [&](HWND dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CONFIG_STRETCH), UINT(BST_CHECKED));
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CONFIG_DARKER), UINT(BST_CHECKED));
            EXPECT_EQ(itemText(dialog, IDC_CONFIG_BORDERGROUP), words().BORDERSIZE);
            EXPECT_EQ(itemText(dialog, IDC_CONFIG_AUTOPLAYVALUE), "250" + ms);
            for (int id : {IDC_CONFIG_AUTOPLAYUP, IDC_CONFIG_REMOVEDOWN, IDC_CONFIG_BORDERUP, IDC_CONFIG_SHADOWDOWN})
                press(dialog, id);
            EXPECT_EQ(itemText(dialog, IDC_CONFIG_AUTOPLAYVALUE) + itemText(dialog, IDC_CONFIG_REMOVEVALUE) +
                          itemText(dialog, IDC_CONFIG_BORDERVALUE) + itemText(dialog, IDC_CONFIG_SHADOWVALUE),
                      "350" + ms + "200" + ms + "1 / 6" + "1 / 8");
            press(dialog, IDC_CONFIG_INVERT);
            EXPECT_EQ(settings().SelectMode, 0) << "at once";
            press(dialog, IDC_CONFIG_STRETCH);
            EXPECT_EQ(settings().StretchTiles, 1) << "not before OK";
            pressKey(dialog, VK_ESCAPE);
        },
        [](HWND dialog) { pressKey(dialog, VK_RETURN); },  // found only if Escape left it open
    }));
    const Settings& s = settings();
    EXPECT_EQ(std::vector<int>({s.AutoPlaySleep, s.RemoveTileTime, s.BorderSize, s.ShadowSize, s.StretchTiles}),
              std::vector<int>({350, 200, 6, 8, 0}));
    const TileSet& tiles = shell().app.view.tileSet;
    const FaceSize natural = preparedFaceSize(tiles.fileImage.width, tiles.fileImage.height, s, 0, 0);
    EXPECT_EQ(tiles.tileWidth, natural.width) << "the tiles were prepared again, unstretched";
#if TAVREK_3D
    driver.command(command::switchView);  // the 3D view has its own rows
    EXPECT_TRUE(runDialog(driver, WM_COMMAND, command::config, words().CONFIGCAPTION, {[](HWND dialog) {
        EXPECT_EQ(itemText(dialog, IDC_CONFIG3D_STEPGROUP), words().STEP3D);
        EXPECT_EQ(itemText(dialog, IDC_CONFIG3D_STEPVALUE), "254");
        press(dialog, IDC_CONFIG3D_STEPUP);
        EXPECT_EQ(itemText(dialog, IDC_CONFIG3D_STEPVALUE), "255");
        press(dialog, IDC_CONFIG_AUTOPLAYUP);
        press(dialog, IDC_CONFIG_OK);
    }}));
    EXPECT_FLOAT_EQ(settings().StepRotation, 255.5f);
    EXPECT_EQ(settings().AutoPlaySleep, 450);
#endif
}

// The middle button opens the colours; pure black can be chosen, a cancelled
// chooser changes nothing, and the board is redrawn after OK.
TEST(Dialogs, ColoursChangeOnlyWhenTheChooserSaysOk) {
    ShellDriver driver;
    startIn2D(driver, "Background = none\r\nSidesColor = 1 2 3\r\n");
    const Colour black = makeColour(0, 0, 0), sides = makeColour(1, 2, 3), background = settings().BackgroundColor;
    chosenColours = {black};
    EXPECT_TRUE(runDialog(driver, WM_MBUTTONDOWN, MK_MBUTTON, words().COLORSCAPTION, {[&](HWND dialog) {
        EXPECT_EQ(itemText(dialog, IDC_COLORS_BACK), words().COLORSBACK);
        press(dialog, IDC_COLORS_BACK);
        press(dialog, IDC_COLORS_SIDE);
        EXPECT_EQ(swatchColour(dialog, IDC_COLORS_BACKSWATCH), black);
        press(dialog, IDC_COLORS_OK);
    }}));
    EXPECT_EQ(offeredColours, (std::vector<Colour>{background, sides}));
    EXPECT_EQ(settings().BackgroundColor, black);
    EXPECT_EQ(settings().SidesColor, sides);
    EXPECT_EQ(colourAt(shell().app.view.boardBitmap, 0, 0), black) << "the board was redrawn";
#if TAVREK_3D
    driver.command(command::switchView);  // in 3D each button changes the colour its text names
    const std::vector<int> buttons = {
        IDC_COLORS3D_LEVEL0, IDC_COLORS3D_LEVEL1, IDC_COLORS3D_LEVEL2, IDC_COLORS3D_LEVEL3,
        IDC_COLORS3D_LEVEL4, IDC_COLORS3D_SIDE,   IDC_COLORS3D_TILE1,  IDC_COLORS3D_TILE2,
        IDC_COLORS3D_TILE3,  IDC_COLORS3D_TILE4,  IDC_COLORS3D_BACK,   IDC_COLORS3D_SELECTION};
    for (size_t k = 0; k < buttons.size(); ++k) chosenColours.push_back(makeColour(uint8_t(k + 1), 40, 50));
    const std::vector<Colour> answers = chosenColours;
    EXPECT_TRUE(runDialog(driver, WM_COMMAND, command::changeColors, words().COLORS3DCAPTION, {[&](HWND dialog) {
        EXPECT_EQ(itemText(dialog, IDC_COLORS3D_SIDE), words().COLORSSIDE);
        for (int id : buttons) press(dialog, id);
        EXPECT_EQ(swatchColour(dialog, IDC_COLORS3D_SELECTIONSWATCH), answers.back());
        press(dialog, IDC_COLORS_OK);
    }}));
    const Settings& s = settings();
    EXPECT_EQ(answers, (std::vector<Colour>{s.RGBLevel[0], s.RGBLevel[1], s.RGBLevel[2], s.RGBLevel[3], s.RGBLevel[4],
                                            s.SidesColor, s.RGBVal[0], s.RGBVal[1], s.RGBVal[2], s.RGBVal[3],
                                            s.BackgroundColor, s.SelectColor}));
#endif
}

TEST(Dialogs, AboutShowsTheProductInTheCurrentLanguage) {
    ShellDriver driver;
    startIn2D(driver, "Language = \"FRANCAIS.TXT\"\r\n");
    EXPECT_TRUE(runDialog(driver, WM_COMMAND, command::helpAbout, words().ABOUTCAPTION, {[](HWND dialog) {
        EXPECT_EQ(itemText(dialog, IDC_ABOUT_PRODUCT), "Tavrek v3.2");
        EXPECT_EQ(itemText(dialog, IDC_ABOUT_COPYRIGHT), words().ABOUTCOPYRIGHT);
        EXPECT_EQ(itemText(dialog, IDC_ABOUT_NOTICE), words().ABOUTNOTICE);
        EXPECT_NE(words().ABOUTNOTICE, TAVREK_ABOUT_NOTICE);
        EXPECT_EQ(itemText(dialog, IDC_ABOUT_OK), words().OK);
        press(dialog, IDC_ABOUT_OK);
    }}));
}
