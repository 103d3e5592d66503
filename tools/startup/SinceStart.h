// The time from the process's creation to now, as Windows keeps both, printed
// by the start-up yardsticks when their first frame is on screen: the part of
// a start that the program and the libraries it loads spend, without the
// launcher before it or the process's end after.
#pragma once

#include <windows.h>

#include <cstdio>

inline void printMillisecondsSinceStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    std::printf("first frame %.1f ms after the process was made\n", double(ticks(now) - ticks(created)) / 1e4);
    std::fflush(stdout);
}
