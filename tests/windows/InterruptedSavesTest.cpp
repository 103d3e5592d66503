// The program ended at any moment while it saves: the settings, the hall of
// fame and a saved game are each the file of before or the file being
// written, whole, never empty or cut.
//
// A second copy of this test program is the writer: the real program, started
// in a process of its own, saves each of the three again and again and notes
// in a journal what it is about to write (size and fingerprint) and when it is
// done. The test ends that process with TerminateProcess at a random moment
// and compares each file with the journal. TAVREK_KILL_COUNT (24 by default)
// and TAVREK_KILL_SEED make a longer or other run by hand.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "ShellDriver.h"
#include "WinDialogs.h"
#include "dialogs/WideText.h"
#include "files/Caption.h"
#include "files/HallOfFameFile.h"
#include "files/OpenFile.h"
#include "files/SavedGame.h"
#include "files/SettingsFile.h"
#include "files/SettingsText.h"
#include "files/Utf8Path.h"
#include "game/Commands.h"
#include "game/Scores.h"
#include "game/SettingsStore.h"
#include "shell/Shell.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* startVariable = "TAVREK_SAVE_WRITER_START";
constexpr const char* journalVariable = "TAVREK_SAVE_WRITER_JOURNAL";
constexpr const char* savedGameName = "KILLED.TVM";

// What a file holds, as far as telling its versions apart goes.
struct Fingerprint {
    bool exists = false;
    size_t size = 0;
    uint64_t hash = 0;
    bool operator==(const Fingerprint& other) const {
        return exists == other.exists && size == other.size && hash == other.hash;
    }
};

Fingerprint fingerprintOf(const std::vector<uint8_t>& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (uint8_t byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    return {true, bytes.size(), hash};
}

Fingerprint fingerprintOf(const fs::path& file) {
    std::vector<uint8_t> bytes;
    if (!fs::exists(file) || !readWholeFile(file, bytes)) return {};
    return fingerprintOf(bytes);
}

std::string describe(const Fingerprint& print) {
    return print.exists ? std::to_string(print.size) + " bytes #" + std::to_string(print.hash) : "no file";
}

// --- The writer -----------------------------------------------------------

// One line per record, each handed to the system before the next step, so a
// process ended at any moment leaves every record it made.
struct Journal {
    explicit Journal(const fs::path& path) : file(openFile(path, "ab")) {}
    ~Journal() { std::fclose(file); }
    void note(const std::string& line) {
        std::fputs((line + "\n").c_str(), file);
        std::fflush(file);
    }
    std::FILE* file;
};

std::string journalName(const fs::path& file) {
    return fs::relative(file, shell().app.dirs.startDirectory).generic_string();
}

void noteIntent(Journal& journal, const fs::path& file, const std::vector<uint8_t>& bytes) {
    const Fingerprint print = fingerprintOf(bytes);
    journal.note("intend " + journalName(file) + " " + std::to_string(print.size) + " " + std::to_string(print.hash));
}

// Notes what is about to be written, writes it, notes it done.
template <typename Write>
void journaled(Journal& journal, const fs::path& file, const std::vector<uint8_t>& bytes, Write write) {
    noteIntent(journal, file, bytes);
    write();
    journal.note("done " + journalName(file));
}

// The window rectangle the settings already hold: from one version to the
// next only the marked value changes.
WindowRectangle heldRectangle(const Settings& s) {
    return {s.WindowXPos, s.WindowYPos, s.WindowXPos + s.WindowXSize, s.WindowYPos + s.WindowYSize};
}

// Settings and scores are written several times while a saved game is
// written once: its dialog takes far longer than any write, and the moments
// of the end should fall on writes of each kind.
constexpr int quickWrites = 10;

void writeSettingsAndScores(Journal& journal, int version) {
    App& app = shell().app;
    app.settings.AutoPlaySleep = version;
    journaled(journal, filePath(app.dirs.startDirectory, settingsFileName),
              formatSettingsText(app.settings, app.host.screenMetrics()),
              [&app] { saveSettings(app, heldRectangle(app.settings)); });
    app.hallOfFame.entries[0].playerName = "Round " + std::to_string(version);
    journaled(journal, filePath(app.dirs.scores, hallOfFameFileName(app.settings.Layout)),
              encodeHallOfFame(app.hallOfFame), [&app] { saveHallOfFame(app); });
}

// The intent is noted as the name is typed: the write follows once the
// dialog and its question before a file is replaced have closed.
void writeSavedGame(ShellDriver& driver, Journal& journal, int version) {
    App& app = shell().app;
    app.game.state.elapsedSeconds = version;
    const fs::path file = filePath(app.dirs.saveGame, savedGameName);
    const std::vector<uint8_t> bytes = encodeSavedGame(savedGameOf(app.game, app.hallOfFame));
    answerDialogs({{productCaption,
                    [&](HWND dialog) {
                        noteIntent(journal, file, bytes);
                        typeFileName(dialog, savedGameName);
                    }},
                   {productCaption, [](HWND question) { press(question, IDYES); }}});
    driver.command(command::saveGame);
    stopAnsweringWinDialogs();
    journal.note("done " + journalName(file));
}

}  // namespace

// Run only by the test below, in a process of its own, which it ends.
TEST(SaveWriter, SavesUntilEnded) {
    const char* start = std::getenv(startVariable);
    const char* journalPath = std::getenv(journalVariable);
    if (start == nullptr || journalPath == nullptr) GTEST_SKIP() << "started by InterruptedSaves";
    ShellDriver driver(start);
    ASSERT_TRUE(driver.startForPlay());
    Journal journal(pathFromUtf8(journalPath));
    journal.note("ready");
    for (int version = 1;; ++version) {
        for (int k = 0; k < quickWrites; ++k) writeSettingsAndScores(journal, version * quickWrites + k);
        writeSavedGame(driver, journal, version);
    }
}

namespace {

// --- The test -------------------------------------------------------------

long long fromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoll(text) : fallback;
}

struct Writer {
    PROCESS_INFORMATION process{};
    bool started = false;
};

// The writer's scratch folders go below ours, so what it leaves when ended
// goes with them.
Writer startWriter(const fs::path& start, const fs::path& journal, const fs::path& temporary) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --gtest_filter=SaveWriter.*";
    SetEnvironmentVariableW(pathFromUtf8(startVariable).c_str(), start.c_str());
    SetEnvironmentVariableW(pathFromUtf8(journalVariable).c_str(), journal.c_str());
    wchar_t ownTemporary[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TMP", ownTemporary, MAX_PATH);
    SetEnvironmentVariableW(L"TMP", temporary.c_str());
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE nowhere = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startUp{};
    startUp.cb = sizeof startUp;
    startUp.dwFlags = STARTF_USESTDHANDLES;
    startUp.hStdInput = nowhere;
    startUp.hStdOutput = startUp.hStdError = nowhere;
    Writer writer;
    writer.started = CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                    &startUp, &writer.process) != FALSE;
    CloseHandle(nowhere);
    SetEnvironmentVariableW(L"TMP", ownTemporary[0] != L'\0' ? ownTemporary : nullptr);
    return writer;
}

std::vector<std::string> journalLines(const fs::path& journal) {
    std::vector<std::string> lines;
    std::istringstream text(readText(journal));
    std::string line;
    while (std::getline(text, line)) lines.push_back(line);
    return lines;
}

// True once the writer's program has started; false when the writer ended
// first or took longer than any start does.
bool waitUntilReady(const Writer& writer, const fs::path& journal) {
    for (int waited = 0; waited < 60000; waited += 20) {
        const std::vector<std::string> lines = journalLines(journal);
        if (!lines.empty() && lines.front() == "ready") return true;
        if (WaitForSingleObject(writer.process.hProcess, 20) == WAIT_OBJECT_0) return false;
    }
    return false;
}

// What each file may hold after the writer's end: the last version it
// finished, and the one it had begun, if any.
struct Expectation {
    Fingerprint finished;
    Fingerprint begun;
    bool writing = false;
    int written = 0;
};

void readJournal(const std::vector<std::string>& lines, std::map<std::string, Expectation>& files) {
    for (const std::string& line : lines) {
        std::istringstream words(line);
        std::string what, name;
        words >> what >> name;
        if (name.empty()) continue;
        Expectation& file = files[name];
        if (what == "intend") {
            file.begun.exists = true;
            words >> file.begun.size >> file.begun.hash;
            file.writing = true;
        } else if (what == "done") {
            file.finished = file.begun;
            file.writing = false;
            ++file.written;
        }
    }
}

struct Figures {
    int endedWhileWriting = 0;
    int foundOld = 0;
    int foundNew = 0;
    int written = 0;
};

}  // namespace

TEST(InterruptedSaves, EachFileIsTheOldOrTheNewOneWholeWhereverTheProgramIsEnded) {
    const long long kills = fromEnvironment("TAVREK_KILL_COUNT", 24);
    const auto seed = static_cast<uint32_t>(fromEnvironment("TAVREK_KILL_SEED", 20261207));
    std::mt19937 random(seed);
    ShellDriver driver("game");
    driver.install(playSettings);
    const fs::path scratch = driver.start_.path;
    const fs::path journal = scratch / "journal.txt";
    fs::create_directories(scratch / "temporary");
    std::map<std::string, Expectation> files;
    files[settingsFileName].finished = fingerprintOf(driver.startDirectory / settingsFileName);
    std::map<std::string, Figures> figures;
    for (long long kill = 1; kill <= kills; ++kill) {
        fs::remove(journal);
        const Writer writer = startWriter(driver.startDirectory, journal, scratch / "temporary");
        ASSERT_TRUE(writer.started);
        const bool ready = waitUntilReady(writer, journal);
        if (ready) Sleep(std::uniform_int_distribution<DWORD>(0, 1500)(random));
        TerminateProcess(writer.process.hProcess, 1);
        ASSERT_EQ(WaitForSingleObject(writer.process.hProcess, 10000), WAIT_OBJECT_0);
        CloseHandle(writer.process.hThread);
        CloseHandle(writer.process.hProcess);
        ASSERT_TRUE(ready) << "the writer did not start";
        for (auto& [name, file] : files) file.written = 0;
        readJournal(journalLines(journal), files);
        for (auto& [name, file] : files) {
            const Fingerprint found = fingerprintOf(driver.startDirectory / pathFromUtf8(name));
            const bool isOld = found == file.finished, isNew = file.writing && found == file.begun;
            EXPECT_TRUE(isOld || isNew) << name << " after end " << kill << " (seed " << seed << "): "
                                        << describe(found) << ", not the finished " << describe(file.finished)
                                        << (file.writing ? " or the begun " + describe(file.begun) : "");
            Figures& tally = figures[name];
            tally.written += file.written;
            if (file.writing) {
                ++tally.endedWhileWriting;
                tally.foundOld += isOld ? 1 : 0;
                tally.foundNew += isNew ? 1 : 0;
            }
            file.finished = found;
            file.writing = false;
        }
    }
    EXPECT_EQ(figures.size(), 3u) << "settings, hall of fame and saved game";
    for (const auto& [name, tally] : figures) {
        std::printf("%s: %d versions written in %lld runs; %d ended while writing (%d old, %d new)\n",
                    name.c_str(), tally.written, kills, tally.endedWhileWriting, tally.foundOld, tally.foundNew);
        EXPECT_GT(tally.written, 0) << name;
    }
    // The saved game the writer wrote last loads back whole.
    std::vector<uint8_t> bytes;
    SavedGame saved;
    ASSERT_TRUE(readWholeFile(driver.startDirectory / "SAVEGAME" / savedGameName, bytes));
    EXPECT_TRUE(decodeSavedGame(bytes.data(), bytes.size(), utf8FromAnsi, saved));
}
