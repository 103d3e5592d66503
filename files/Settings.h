// Every value of the settings file, each field named after its key. A
// default-constructed record holds the values of a first run; the window
// size and the menu page size depend on the screen and are set by
// loadSettings from the host's metrics.
#pragma once

#include <cstdint>
#include <string>

// A colour laid out like the platform's COLORREF: red in bits 0-7, green in
// bits 8-15, blue in bits 16-23, the top byte zero.
using Colour = uint32_t;

constexpr Colour makeColour(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}
constexpr uint8_t redOf(Colour colour) { return static_cast<uint8_t>(colour); }
constexpr uint8_t greenOf(Colour colour) { return static_cast<uint8_t>(colour >> 8); }
constexpr uint8_t blueOf(Colour colour) { return static_cast<uint8_t>(colour >> 16); }

// The Layout value that asks for a random heap; it names no file.
constexpr const char* randomLayoutName = "RANDOM.TVL";

// Flags are one byte, on when equal to 1. File names are bare, upper case;
// an empty name means "no file" where the key allows none.
struct Settings {
    Colour BackgroundColor = makeColour(0, 160, 0);
    Colour SidesColor = makeColour(184, 120, 24);
    uint8_t EasyMode = 1;
    int32_t AutoPlaySleep = 500;   // milliseconds; may be anything, even negative
    int32_t RemoveTileTime = 500;  // milliseconds; may be anything, even negative
    uint8_t ShowChrono = 1;
    uint8_t Shadows = 0;
    uint8_t StretchTiles = 1;
    uint8_t SelectMode = 1;  // 1 "DARKER", 0 "INVERT"
    std::string Language = "ENGLISH.TXT";
    std::string Layout = "DEFAULT.TVL";  // or the pseudo name "RANDOM.TVL"
    std::string TileSet = "STANDARD.BMP";
    std::string Background = "SUNSET.BMP";
    uint8_t SoundEffects = 1;
    std::string Sound1 = "SELECT.WAV";
    std::string Sound2 = "REMOVE.WAV";
    std::string Sound3 = "BESIDE.WAV";
    std::string Music = "THEME01.MID";
    int32_t WindowXPos = 0;
    int32_t WindowYPos = 0;
    int32_t WindowXSize = 0;
    int32_t WindowYSize = 0;
    uint8_t ShadowsValue = 64;
    uint8_t NewCursors = 0;
    int16_t BorderSize = 8;  // a divisor: may be 0 or negative as read
    int16_t ShadowSize = 4;  // a divisor: may be 0 or negative as read
    uint8_t CoolMenu = 0;
    uint8_t lay = 0;  // the ".lay" key: accept the grid text layout format

    // Not in the file.
    int16_t menuPageSize = 10;  // file names per menu page, at least 1
    int32_t pairSearchLimit = 50;

#if TAVREK_3D
    uint8_t Textures = 1;
    Colour SelectColor = makeColour(255, 255, 0);
    // The keys "RGBVal[0]Color" to "RGBVal[3]Color".
    Colour RGBVal[4] = {makeColour(0, 137, 219), makeColour(0, 164, 102), makeColour(150, 52, 22),
                        makeColour(255, 52, 38)};
    // The keys "RGBLevel[0]Color" to "RGBLevel[4]Color".
    Colour RGBLevel[5] = {makeColour(255, 255, 255), makeColour(192, 192, 192), makeColour(255, 255, 255),
                          makeColour(192, 192, 192), makeColour(255, 255, 255)};
    float XPosition = 0;
    float YPosition = 0;
    float ZPosition = 0;
    float XView = 0;
    float YView = 0;
    float ZView = 325;
    float lightPosX = 0;
    float lightPosY = 0;
    float lightPosZ = 325;
    float MinZoom = 0;
    float MaxZoom = 1000;
    float Inclination = 0;
    float dessinZ = 10.1f;
    float contourZ = 0.1f;
    float ombreZ = 0.2f;
    float MinInclination = -20;
    float MaxInclination = 20;
    float StepInclination = 1;
    float StepRotation = 5;

    // Not in the file: the program starts in the 3D view.
    uint8_t view3D = 1;
#endif
};
