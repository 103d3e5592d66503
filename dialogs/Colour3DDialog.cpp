#if TAVREK_3D

#include "dialogs/Colour3DDialog.h"

#include "dialogs/ColourChooser.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/OptionsDialog.h"
#include "resources/resource.h"

namespace {

void openColours3D(HWND dialog, const LanguageTable& language) {
    setDialogTexts(dialog, language.COLORS3DCAPTION,
                   {{IDC_COLORS_OK, language.OK},
                    {IDC_COLORS3D_LEVELGROUP, language.COLORS3DLEVELGRP},
                    {IDC_COLORS3D_LEVEL0, language.COLORS3DLEVEL0},
                    {IDC_COLORS3D_LEVEL1, language.COLORS3DLEVEL1},
                    {IDC_COLORS3D_LEVEL2, language.COLORS3DLEVEL2},
                    {IDC_COLORS3D_LEVEL3, language.COLORS3DLEVEL3},
                    {IDC_COLORS3D_LEVEL4, language.COLORS3DLEVEL4},
                    {IDC_COLORS3D_SIDE, language.COLORSSIDE},
                    {IDC_COLORS3D_TILEGROUP, language.COLORS3DTILEGRP},
                    {IDC_COLORS3D_TILE1, language.COLORS3DTILE1},
                    {IDC_COLORS3D_TILE2, language.COLORS3DTILE2},
                    {IDC_COLORS3D_TILE3, language.COLORS3DTILE3},
                    {IDC_COLORS3D_TILE4, language.COLORS3DTILE4},
                    {IDC_COLORS3D_BACK, language.COLORSBACK},
                    {IDC_COLORS3D_SELECTION, language.COLORS3DCOLORSEL}});
}

constexpr ColourDialogKind colours3D = {
    {
        {IDC_COLORS3D_LEVEL0, IDC_COLORS3D_LEVEL0SWATCH, ColourSetting::level0},
        {IDC_COLORS3D_LEVEL1, IDC_COLORS3D_LEVEL1SWATCH, ColourSetting::level1},
        {IDC_COLORS3D_LEVEL2, IDC_COLORS3D_LEVEL2SWATCH, ColourSetting::level2},
        {IDC_COLORS3D_LEVEL3, IDC_COLORS3D_LEVEL3SWATCH, ColourSetting::level3},
        {IDC_COLORS3D_LEVEL4, IDC_COLORS3D_LEVEL4SWATCH, ColourSetting::level4},
        {IDC_COLORS3D_SIDE, IDC_COLORS3D_SIDESWATCH, ColourSetting::sides},
        {IDC_COLORS3D_TILE1, IDC_COLORS3D_TILE1SWATCH, ColourSetting::symbols0},
        {IDC_COLORS3D_TILE2, IDC_COLORS3D_TILE2SWATCH, ColourSetting::symbols1},
        {IDC_COLORS3D_TILE3, IDC_COLORS3D_TILE3SWATCH, ColourSetting::symbols2},
        {IDC_COLORS3D_TILE4, IDC_COLORS3D_TILE4SWATCH, ColourSetting::symbols3},
        {IDC_COLORS3D_BACK, IDC_COLORS3D_BACKSWATCH, ColourSetting::background},
        {IDC_COLORS3D_SELECTION, IDC_COLORS3D_SELECTIONSWATCH, ColourSetting::selection},
    },
    openColours3D,
};

}  // namespace

INT_PTR CALLBACK colour3DDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second) {
    return colourDialogMessage(colours3D, dialog, message, first, second);
}

#endif
