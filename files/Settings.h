// Every value of the settings file, each field named after its key.
#pragma once

#include <cstdint>
#include <string>

struct Settings {
    uint8_t EasyMode = 1;
    int32_t AutoPlaySleep = 500;
    int32_t RemoveTileTime = 500;
    uint8_t SoundEffects = 1;
    std::string Layout = "DEFAULT.TVL";
    std::string Sound1 = "SELECT.WAV";
    std::string Sound2 = "REMOVE.WAV";
    std::string Sound3 = "BESIDE.WAV";
    uint8_t lay = 0;  // the ".lay" key: accept the grid text layout format
    int pairSearchLimit = 50;
#if TAVREK_3D
    uint8_t view3D = 1;
#endif
};
