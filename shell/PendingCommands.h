// Commands whose dialogs or files are not part of the program yet:
// the menus and the toolbar already offer them, and choosing one does nothing.
#pragma once

void saveGameCommand();
void loadGameCommand();
void saveLayoutCommand();
