// The file and colour dialogs of Windows, with their library loaded at the
// first one a player opens. Imported, comdlg32 and the libraries it brings
// would load before the program's first line and delay every start for
// dialogs that most games never open.
#pragma once

#include <windows.h>

#include <commdlg.h>

// Each returns what its Windows call returns: nonzero when the player chose;
// zero when the player cancelled or the library could not be loaded.
BOOL showOpenFileDialog(OPENFILENAMEW& request);
BOOL showSaveFileDialog(OPENFILENAMEW& request);
BOOL showColourDialog(CHOOSECOLORW& request);
