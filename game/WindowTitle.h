// The main window's title: the product name and the file in play.
#pragma once

#include <string>

struct App;

// "Tavrek v3.2 - Level7.tvm" for LEVEL7.TVM: the name in lower case with its
// first character in upper case.
void showFileInTitle(App& app, const std::string& fileName);
