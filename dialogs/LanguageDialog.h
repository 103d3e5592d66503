// The language choice of a first start, shown before any language file is
// loaded, so its texts are fixed in its template.
#pragma once

#include <windows.h>

#include <string>

#include "files/FileList.h"

// Shows the dialog with no owner; OK stores the chosen file's name in
// `language`, which keeps its value when the choice matches no file.
void chooseLanguage(HINSTANCE instance, const FileList& languages, std::string& language);

INT_PTR CALLBACK languageDialogProc(HWND dialog, UINT message, WPARAM first, LPARAM second);
