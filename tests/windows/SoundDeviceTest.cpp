// Sound with a wave output device: the test programs run these with a HOME
// whose ALSA configuration gives Wine a null device. Every multimedia call is
// recorded on its way to the platform.
#include <gtest/gtest.h>

#include <filesystem>

#include "ShellDriver.h"
#include "game/Commands.h"
#include "shell/Shell.h"
#include "shell/Sound.h"

namespace {

std::vector<std::string> played;
std::vector<std::string> mciCalls;  // "open <element>", "play", "close"
const MultimediaCalls platform = multimedia;

BOOL WINAPI recordSound(LPCWSTR sound, HMODULE module, DWORD flags) {
    // Without SND_NODEFAULT a missing file would play the system's sound instead.
    const char* fallback = (flags & SND_NODEFAULT) != 0 ? "" : " or the system sound";
    played.push_back(std::filesystem::path(sound).filename().string() + fallback);
    return platform.playSound(sound, module, flags);
}

MCIERROR WINAPI recordMci(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
    if (message == MCI_OPEN) {
        const std::filesystem::path path = reinterpret_cast<MCI_OPEN_PARMSW*>(parameters)->lpstrElementName;
        mciCalls.push_back("open " + path.filename().string());
    }
    if (message == MCI_PLAY) mciCalls.push_back("play");
    if (message == MCI_CLOSE) mciCalls.push_back("close");
    return platform.mciCommand(device, message, flags, parameters);
}

}  // namespace

TEST(SoundDevice, TheMenuIsOfferedEachEffectPlaysAtItsEventAndMusicStopsWithNone) {
    ASSERT_NE(waveOutGetNumDevs(), 0u) << "HOME must hold the .asoundrc with the null device";
    multimedia = {platform.waveOutDevices, recordSound, recordMci};
    ShellDriver driver;
    driver.install(playSettings + "Sound1 = \"SELECT.WAV\"\r\nSound2 = \"REMOVE.WAV\"\r\nSound3 = \"BESIDE.WAV\"\r\n"
                                  "Music = \"THEME01.MID\"\r\n");
    ASSERT_TRUE(driver.startForPlay());
    EXPECT_NE(subMenuTitled(GetMenu(driver.window), "&Sound"), nullptr);
    EXPECT_EQ(mciCalls, (std::vector<std::string>{"close", "open THEME01.MID", "play"}));
    driver.removePair();
    driver.click(1, shell().toolbarHeight + 1);
    EXPECT_EQ(played, (std::vector<std::string>{"SELECT.WAV", "REMOVE.WAV", "BESIDE.WAV"}));
    mciCalls.clear();
    driver.command(fileListRange(FileListKind::music).base);
    EXPECT_EQ(mciCalls, std::vector<std::string>{"close"});
}
