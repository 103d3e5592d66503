// The commands of the layout tool. Each takes the words after its name and
// returns the process's exit status: 0 success, 1 a layout that fails the
// command's test, 2 unreadable input or wrong arguments.
#pragma once

#include <string>
#include <vector>

using CommandWords = std::vector<std::string>;

int checkCommand(const CommandWords& words);
int dealCommand(const CommandWords& words);
int convertCommand(const CommandWords& words);
int previewCommand(const CommandWords& words);
#if TAVREK_OFFSCREEN3D
int render3DCommand(const CommandWords& words);
int pick3DCommand(const CommandWords& words);
#endif
