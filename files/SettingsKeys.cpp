#include "files/SettingsKeys.h"

std::vector<SettingKey> generalSettingKeys(Settings& s) {
    using K = SettingKind;
    using W = SettingWritten;
    return {
        {"BackgroundColor", &s.BackgroundColor},
        {"SidesColor", &s.SidesColor},
        {"EasyMode", &s.EasyMode},
        {"AutoPlaySleep", &s.AutoPlaySleep},
        {"RemoveTileTime", &s.RemoveTileTime},
        {"ShowChrono", &s.ShowChrono},
        {"Shadows", &s.Shadows},
        {"StretchTiles", &s.StretchTiles},
        {"SelectMode", &s.SelectMode, K::selectMode},
        {"Language", &s.Language, K::name},
        {"Layout", &s.Layout, K::name},
        {"TileSet", &s.TileSet, K::name},
        {"Background", &s.Background, K::nameOrNone},
        {"SoundEffects", &s.SoundEffects},
        {"Sound1", &s.Sound1, K::nameOrNone},
        {"Sound2", &s.Sound2, K::nameOrNone},
        {"Sound3", &s.Sound3, K::nameOrNone},
        {"Music", &s.Music, K::nameOrNone},
        {"WindowXPos", &s.WindowXPos, K::plain, W::windowOnScreen},
        {"WindowYPos", &s.WindowYPos, K::plain, W::windowOnScreen},
        {"WindowXSize", &s.WindowXSize, K::plain, W::windowOnScreen},
        {"WindowYSize", &s.WindowYSize, K::plain, W::windowOnScreen},
        {"ShadowsValue", &s.ShadowsValue},
        {"NewCursors", &s.NewCursors},
        {"BorderSize", &s.BorderSize},
        {"ShadowSize", &s.ShadowSize},
        {"CoolMenu", &s.CoolMenu},
        {".lay", &s.lay, K::plain, W::whenOn},
    };
}

#if TAVREK_3D
std::vector<SettingKey> settingKeys3D(Settings& s) {
    return {
        {"Textures", &s.Textures},
        {"SelectColor", &s.SelectColor},
        {"RGBVal[0]Color", &s.RGBVal[0]},
        {"RGBVal[1]Color", &s.RGBVal[1]},
        {"RGBVal[2]Color", &s.RGBVal[2]},
        {"RGBVal[3]Color", &s.RGBVal[3]},
        {"RGBLevel[0]Color", &s.RGBLevel[0]},
        {"RGBLevel[1]Color", &s.RGBLevel[1]},
        {"RGBLevel[2]Color", &s.RGBLevel[2]},
        {"RGBLevel[3]Color", &s.RGBLevel[3]},
        {"RGBLevel[4]Color", &s.RGBLevel[4]},
        {"XPosition", &s.XPosition},
        {"YPosition", &s.YPosition},
        {"ZPosition", &s.ZPosition},
        {"XView", &s.XView},
        {"YView", &s.YView},
        {"ZView", &s.ZView},
        {"lightPosX", &s.lightPosX},
        {"lightPosY", &s.lightPosY},
        {"lightPosZ", &s.lightPosZ},
        {"MinZoom", &s.MinZoom},
        {"MaxZoom", &s.MaxZoom},
        {"Inclination", &s.Inclination},
        {"dessinZ", &s.dessinZ},
        {"contourZ", &s.contourZ},
        {"ombreZ", &s.ombreZ},
        {"MinInclination", &s.MinInclination},
        {"MaxInclination", &s.MaxInclination},
        {"StepInclination", &s.StepInclination},
        {"StepRotation", &s.StepRotation},
    };
}
#endif
