// The options dialogs opened through their commands in the real program:
// buttons pressed inside the dialog's own loop, the settings and the board
// checked while it is open and after it closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "dialogs/ColourChooser.h"
#include "engine/Commands.h"
#include "resources/resource.h"
#include "shell/Shell.h"
#include "view2d/Surface.h"

namespace {

using DialogStep = std::function<void(HWND dialog)>;

// Steps run one per clock tick of a thread timer while the dialog is open.
struct DialogScript {
    std::string caption;
    int okId = 0;
    std::vector<DialogStep> steps;
    size_t next = 0;
    bool opened = false;
    bool leftOpen = false;  // still open after the last step: closed by force
};
DialogScript* script = nullptr;

void CALLBACK runNextStep(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = ownDialog(script->caption);
    if (dialog == nullptr) return;
    script->opened = true;
    if (script->next < script->steps.size()) {
        script->steps[script->next++](dialog);
        return;
    }
    script->leftOpen = true;
    SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(script->okId), 0);
}

void runDialog(ShellDriver& driver, unsigned commandId, DialogScript& dialogScript) {
    script = &dialogScript;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, runNextStep);
    driver.command(commandId);
    KillTimer(nullptr, timer);
    script = nullptr;
}

void press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string itemText(HWND dialog, int id) {
    char buffer[512] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

// Escape reaches the dialog through its own loop as from the keyboard.
void pressKey(HWND dialog, WPARAM key) { PostMessageA(GetDlgItem(dialog, script->okId), WM_KEYDOWN, key, 0); }

DialogStep expectOpen(bool& open) {
    return [&open](HWND dialog) { open = IsWindowVisible(dialog) != FALSE; };
}

const LanguageTable& words() { return shell().app.language; }
Settings& settings() { return shell().app.settings; }

// The chooser's answers, in order: a colour, or cancelled when none is left.
std::vector<Colour> chosenColours;
std::vector<Colour> offeredColours;

bool answerChooser(HWND, Colour& colour) {
    offeredColours.push_back(colour);
    if (chosenColours.empty()) return false;
    colour = chosenColours.front();
    chosenColours.erase(chosenColours.begin());
    return true;
}

struct ChooserAnswers {
    explicit ChooserAnswers(std::vector<Colour> answers) {
        chosenColours = std::move(answers);
        offeredColours.clear();
        colourChooserHook = answerChooser;
    }
    ~ChooserAnswers() { colourChooserHook = nullptr; }
};

Colour swatchColour(HWND dialog, int id) {
    HWND swatch = GetDlgItem(dialog, id);
    UpdateWindow(swatch);
    HDC context = GetDC(swatch);
    const COLORREF colour = GetPixel(context, 3, 3);
    ReleaseDC(swatch, context);
    return colour;
}

void startIn2D(ShellDriver& driver, const std::string& settingsText) {
    driver.copyShippedData();
    driver.writeSettings(settingsText);
    ASSERT_TRUE(driver.start());
#if TAVREK_3D
    driver.command(command::switchView);
#endif
}

}  // namespace

TEST(OptionsDialogs, ConfigurationStepsValuesAndPreparesTheTilesAtOk) {
    ShellDriver driver;
    startIn2D(driver, "; s\r\n\r\nAutoPlaySleep   = 50\r\nBorderSize      = 10\r\nStretchTiles    = 1\r\n"
                      "SelectMode      = DARKER\r\nBackground      = none\r\n");
    DialogScript config{words().CONFIGCAPTION, IDC_CONFIG_OK, {}};
    std::string autoPlayAfterDown, autoPlayAfterUp, borderAfterUp, borderAfterDown, borderGroup;
    bool checkedAtOpen = false, selectModeAtOnce = false, stretchWaits = false, openAfterEscape = false;
    config.steps = {
        [&](HWND dialog) {
            checkedAtOpen = IsDlgButtonChecked(dialog, IDC_CONFIG_STRETCH) == BST_CHECKED &&
                            IsDlgButtonChecked(dialog, IDC_CONFIG_DARKER) == BST_CHECKED;
            borderGroup = itemText(dialog, IDC_CONFIG_BORDERGROUP);
            press(dialog, IDC_CONFIG_AUTOPLAYDOWN);
            autoPlayAfterDown = itemText(dialog, IDC_CONFIG_AUTOPLAYVALUE);
            press(dialog, IDC_CONFIG_AUTOPLAYUP);
            autoPlayAfterUp = itemText(dialog, IDC_CONFIG_AUTOPLAYVALUE);
            press(dialog, IDC_CONFIG_BORDERUP);
            borderAfterUp = itemText(dialog, IDC_CONFIG_BORDERVALUE);
            press(dialog, IDC_CONFIG_BORDERDOWN);
            borderAfterDown = itemText(dialog, IDC_CONFIG_BORDERVALUE);
            press(dialog, IDC_CONFIG_INVERT);
            selectModeAtOnce = settings().SelectMode == 0;
            press(dialog, IDC_CONFIG_STRETCH);
            stretchWaits = settings().StretchTiles == 1;
            pressKey(dialog, VK_ESCAPE);
        },
        expectOpen(openAfterEscape),
        [](HWND dialog) { press(dialog, IDC_CONFIG_OK); },
    };
    runDialog(driver, command::config, config);

    EXPECT_TRUE(config.opened);
    EXPECT_FALSE(config.leftOpen);
    EXPECT_TRUE(checkedAtOpen);
    EXPECT_EQ(borderGroup, words().BORDERSIZE);
    EXPECT_EQ(autoPlayAfterDown, "50 " + words().MILLISECONDS);
    EXPECT_EQ(autoPlayAfterUp, "150 " + words().MILLISECONDS);
    EXPECT_EQ(borderAfterUp, "1 / 10");
    EXPECT_EQ(borderAfterDown, "1 / 9");
    EXPECT_TRUE(selectModeAtOnce);
    EXPECT_TRUE(stretchWaits);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(settings().AutoPlaySleep, 150);
    EXPECT_EQ(settings().BorderSize, 9);
    EXPECT_EQ(settings().StretchTiles, 0);
    const TileSet& tiles = shell().app.view.tileSet;
    const FaceSize natural = preparedFaceSize(tiles.fileImage.width, tiles.fileImage.height, settings(), 0, 0);
    EXPECT_EQ(tiles.tileWidth, natural.width) << "the tiles were prepared again, unstretched";
    EXPECT_EQ(tiles.edgeX, tiles.tileWidth / 9);
}

TEST(OptionsDialogs, EnterClosesTheConfigurationAsOk) {
    ShellDriver driver;
    startIn2D(driver, "; s\r\n\r\nShadowSize      = 2\r\nRemoveTileTime  = 0\r\n");
    DialogScript config{words().CONFIGCAPTION, IDC_CONFIG_OK, {}};
    config.steps = {
        [](HWND dialog) {
            press(dialog, IDC_CONFIG_SHADOWDOWN);
            press(dialog, IDC_CONFIG_SHADOWUP);
            press(dialog, IDC_CONFIG_SHADOWUP);
            press(dialog, IDC_CONFIG_REMOVEDOWN);
            press(dialog, IDC_CONFIG_REMOVEUP);
            pressKey(dialog, VK_RETURN);
        },
    };
    runDialog(driver, command::config, config);
    EXPECT_TRUE(config.opened);
    EXPECT_FALSE(config.leftOpen);
    EXPECT_EQ(settings().ShadowSize, 4);
    EXPECT_EQ(settings().RemoveTileTime, 100);
    const TileSet& tiles = shell().app.view.tileSet;
    EXPECT_EQ(tiles.shadowHeight, tiles.tileHeight / 4);
}

TEST(OptionsDialogs, ColoursChangeOnlyWhenTheChooserSaysOk) {
    ShellDriver driver;
    startIn2D(driver, "; s\r\n\r\nBackground      = none\r\nSidesColor      = 1 2 3\r\n");
    const Colour chosen = makeColour(10, 20, 30);
    const Colour oldBackground = settings().BackgroundColor;
    ChooserAnswers answers({chosen});
    DialogScript colours{words().COLORSCAPTION, IDC_COLORS_OK, {}};
    Colour backgroundSwatch = 0, sidesSwatch = 0;
    std::string backText;
    bool openAfterEscape = false;
    colours.steps = {
        [&](HWND dialog) {
            backText = itemText(dialog, IDC_COLORS_BACK);
            press(dialog, IDC_COLORS_BACK);
            press(dialog, IDC_COLORS_SIDE);
            pressKey(dialog, VK_ESCAPE);
        },
        expectOpen(openAfterEscape),
        [&](HWND dialog) {
            backgroundSwatch = swatchColour(dialog, IDC_COLORS_BACKSWATCH);
            sidesSwatch = swatchColour(dialog, IDC_COLORS_SIDESWATCH);
            press(dialog, IDC_COLORS_OK);
        },
    };
    runDialog(driver, command::changeColors, colours);

    EXPECT_FALSE(colours.leftOpen);
    EXPECT_EQ(backText, words().COLORSBACK);
    EXPECT_EQ(offeredColours, (std::vector<Colour>{oldBackground, makeColour(1, 2, 3)}));
    EXPECT_EQ(settings().BackgroundColor, chosen);
    EXPECT_EQ(settings().SidesColor, makeColour(1, 2, 3)) << "a cancelled chooser changes nothing";
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(backgroundSwatch, chosen);
    EXPECT_EQ(sidesSwatch, makeColour(1, 2, 3));
    EXPECT_EQ(colourAt(shell().app.view.boardBitmap, 0, 0), chosen) << "the board was redrawn";
}

TEST(OptionsDialogs, PureBlackCanBeChosen) {
    ShellDriver driver;
    startIn2D(driver, "; s\r\n\r\n");
    ChooserAnswers answers({makeColour(0, 0, 0)});
    DialogScript colours{words().COLORSCAPTION, IDC_COLORS_OK, {}};
    colours.steps = {[](HWND dialog) { press(dialog, IDC_COLORS_SIDE); press(dialog, IDC_COLORS_OK); }};
    runDialog(driver, command::changeColors, colours);
    EXPECT_EQ(settings().SidesColor, makeColour(0, 0, 0));
}

#if TAVREK_3D
TEST(OptionsDialogs, TheThreeDViewOpensItsOwnConfiguration) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings("; s\r\n\r\n; 3D values\r\nStepRotation     = 254.5\r\n");
    ASSERT_TRUE(driver.start());
    DialogScript config{words().CONFIGCAPTION, IDC_CONFIG_OK, {}};
    std::string shown, afterUp, afterSecondUp, stepGroup;
    config.steps = {
        [&](HWND dialog) {
            stepGroup = itemText(dialog, IDC_CONFIG3D_STEPGROUP);
            shown = itemText(dialog, IDC_CONFIG3D_STEPVALUE);
            press(dialog, IDC_CONFIG3D_STEPUP);
            afterUp = itemText(dialog, IDC_CONFIG3D_STEPVALUE);
            press(dialog, IDC_CONFIG3D_STEPUP);
            afterSecondUp = itemText(dialog, IDC_CONFIG3D_STEPVALUE);
            press(dialog, IDC_CONFIG_AUTOPLAYUP);
            press(dialog, IDC_CONFIG_OK);
        },
    };
    runDialog(driver, command::config, config);
    EXPECT_FALSE(config.leftOpen);
    EXPECT_EQ(stepGroup, words().STEP3D);
    EXPECT_EQ(shown, "254");
    EXPECT_EQ(afterUp, "255");
    EXPECT_EQ(afterSecondUp, "255");
    EXPECT_FLOAT_EQ(settings().StepRotation, 255.5f);
    EXPECT_EQ(settings().AutoPlaySleep, 600);
}

TEST(OptionsDialogs, EachThreeDColourButtonChangesTheColourItsTextNames) {
    ShellDriver driver;
    driver.copyShippedData();
    driver.writeSettings("; s\r\n\r\n");
    ASSERT_TRUE(driver.start());
    const std::vector<int> buttons = {
        IDC_COLORS3D_LEVEL0, IDC_COLORS3D_LEVEL1, IDC_COLORS3D_LEVEL2, IDC_COLORS3D_LEVEL3,
        IDC_COLORS3D_LEVEL4, IDC_COLORS3D_SIDE,   IDC_COLORS3D_TILE1,  IDC_COLORS3D_TILE2,
        IDC_COLORS3D_TILE3,  IDC_COLORS3D_TILE4,  IDC_COLORS3D_BACK,   IDC_COLORS3D_SELECTION};
    std::vector<Colour> answers;
    for (size_t k = 0; k < buttons.size(); ++k) answers.push_back(makeColour(uint8_t(k + 1), 40, 50));
    ChooserAnswers chooser(answers);
    DialogScript colours{words().COLORS3DCAPTION, IDC_COLORS_OK, {}};
    std::string sideText;
    Colour selectionSwatch = 0;
    colours.steps = {
        [&](HWND dialog) {
            sideText = itemText(dialog, IDC_COLORS3D_SIDE);
            for (int id : buttons) press(dialog, id);
        },
        [&](HWND dialog) {
            selectionSwatch = swatchColour(dialog, IDC_COLORS3D_SELECTIONSWATCH);
            press(dialog, IDC_COLORS_OK);
        },
    };
    runDialog(driver, command::changeColors, colours);
    EXPECT_FALSE(colours.leftOpen);
    EXPECT_EQ(sideText, words().COLORSSIDE);
    const Settings& s = settings();
    const std::vector<Colour> now = {s.RGBLevel[0], s.RGBLevel[1], s.RGBLevel[2], s.RGBLevel[3],
                                     s.RGBLevel[4], s.SidesColor,  s.RGBVal[0],   s.RGBVal[1],
                                     s.RGBVal[2],   s.RGBVal[3],   s.BackgroundColor, s.SelectColor};
    EXPECT_EQ(now, answers);
    EXPECT_EQ(selectionSwatch, answers.back());
}
#endif
