// The menu bar on the main window: built from the menu model, with check
// marks, CoolMenu pictures and the file-list selections.
#pragma once

#include <string>

#include "game/Commands.h"
#include "files/FileList.h"

// Rescans the data directories, builds a new menu bar and attaches it.
void buildMenus();
// Destroys the menu bar with its sub-menus and empties the file lists.
void destroyMenus();
void makeMenuPictures();
// Sets every toggle command's check mark from its flag, and greys the view
// switch while there is no 3D view to switch to.
void refreshCheckMarks();
// Copies the name of the entry numbered `chosen` (the list counted from
// `first`) into `setting` and moves the check mark to it. False when no
// entry carries that number.
bool selectListedFile(CommandId chosen, std::string& setting, int first, const FileList& list);
// Moves the layout check marks to the Layout setting.
void markCurrentLayout();
