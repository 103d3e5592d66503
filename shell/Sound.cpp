#include "shell/Sound.h"

#include "shell/Shell.h"

MultimediaCalls multimedia = {waveOutGetNumDevs, PlaySoundW, mciSendCommandW};

void startSoundDeviceCount() {
    shell().soundDeviceCount = std::async(std::launch::async, [] { return multimedia.waveOutDevices() != 0; });
}

bool soundDevicePresent() {
    std::future<bool>& count = shell().soundDeviceCount;
    return count.valid() ? count.get() : multimedia.waveOutDevices() != 0;
}

void startMusic() {
    Shell& s = shell();
    multimedia.mciCommand(s.musicDeviceId, MCI_CLOSE, MCI_WAIT, 0);
    if (s.app.settings.Music.empty()) return;
    const std::filesystem::path path = filePath(s.app.dirs.sounds, s.app.settings.Music);
    MCI_OPEN_PARMSW open = {};
    open.lpstrElementName = path.c_str();
    if (multimedia.mciCommand(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open)) == 0)
        s.musicDeviceId = open.wDeviceID;
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(s.mainWindow);
    multimedia.mciCommand(s.musicDeviceId, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
}
