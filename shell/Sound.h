// The wave output device and the background music.
#pragma once

#include <windows.h>
#include <mmsystem.h>

// Counting the wave devices loads the audio driver, one of the longest waits
// of a start: the program asks on a thread of its own as it starts, while the
// window is made.
void startSoundDeviceCount();

// True when a wave output device exists: the answer of the count started at
// the start, the first time it is asked, and a fresh count afterwards.
bool soundDevicePresent();

// Stops the music and starts the Music file from its beginning, once.
void startMusic();

// Every multimedia call of the program goes through these, so the Windows
// tests can record what reaches the platform and still pass it on.
struct MultimediaCalls {
    UINT(WINAPI* waveOutDevices)();
    BOOL(WINAPI* playSound)(LPCWSTR sound, HMODULE module, DWORD flags);
    MCIERROR(WINAPI* mciCommand)(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);
};
extern MultimediaCalls multimedia;
