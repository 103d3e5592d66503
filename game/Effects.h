// Sound effects: plays a wave file of the SOUNDS directory to its end.
#pragma once

#include <string>

struct App;

// Does nothing when sound effects are off or the slot names no file.
void playEffect(App& app, const std::string& soundName);
