// A row of a configuration dialog: "-" and "+" buttons that step one
// setting, and a text that shows it.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "files/SettingSteps.h"

struct App;

struct ValueRow {
    int upId;
    int downId;
    int textId;
    SteppedValue value;
};

using ValueRows = std::initializer_list<ValueRow>;

void showValueRows(HWND dialog, const App& app, ValueRows rows);
// Steps the value whose button is `id` and shows it again; false when `id`
// is no row's button.
bool stepValueRow(HWND dialog, App& app, ValueRows rows, int id);
