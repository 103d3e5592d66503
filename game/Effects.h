// Sound effects: plays a wave file of the SOUNDS directory to its end.
#pragma once

#include <filesystem>
#include <string>

struct App;
struct Host;

// The file a slot plays, or nothing when sound effects are off or the slot
// names no file.
std::filesystem::path effectPath(const App& app, const std::string& soundName);
// Plays the file effectPath gave; nothing is silence.
void playEffectFile(Host& host, const std::filesystem::path& path);
void playEffect(App& app, const std::string& soundName);
