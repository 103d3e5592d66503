// The message for a file the game could not read or write.
#pragma once

#include <string>

struct App;

// "NAME : text" with the exclamation icon, the bare name first.
void reportFileFailure(App& app, const std::string& fileName, const std::string& text);
