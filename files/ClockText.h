// The clock as the status bar and the hall of fame show it.
#pragma once

#include <cstdint>
#include <string>

// HH:MM:SS, each part with a leading 0 below 10; hours of 100 or more give three digits.
std::string formatClock(int hours, int minutes, int seconds);

// The clock text of a count of seconds.
std::string clockText(int32_t elapsedSeconds);
