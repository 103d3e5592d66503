// The wave output device and the background music.
#pragma once

// True when a wave output device exists.
bool soundDevicePresent();

// Stops the music and starts the Music file from its beginning, once.
void startMusic();
