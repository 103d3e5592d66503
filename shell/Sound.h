// The wave output device and the background music.
#pragma once

#include <windows.h>
#include <mmsystem.h>

// True when a wave output device exists.
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
