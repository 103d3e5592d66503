// The layout tool takes file names from the wide command line, so it opens
// and writes files whose names the ANSI code page cannot spell.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "files/DataDirectories.h"
#include "files/Utf8Path.h"

namespace fs = std::filesystem;

namespace {

// Runs the tool with these words (each quoted) and gives its exit status.
DWORD runLayoutTool(const std::wstring& words) {
    const std::wstring tool = pathFromUtf8(TAVREK_LAYOUT_TOOL).wstring();
    std::wstring commandLine = L"\"" + tool + L"\" " + words;
    STARTUPINFOW startUp{};
    startUp.cb = sizeof startUp;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(tool.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startUp,
                        &process))
        return ~DWORD{0};
    WaitForSingleObject(process.hProcess, 60000);
    DWORD status = ~DWORD{0};
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

std::wstring quoted(const fs::path& path) { return L"\"" + path.wstring() + L"\""; }

}  // namespace

TEST(LayoutTool, OpensAndWritesFilesNamedInAnyScript) {
    ScratchDirectory scratch;
    const fs::path folder = pathFromUtf8(scratch.path) / L"\x6BB5\x3005\x7551";       // 段々畑
    const fs::path layout = folder / L"\x0395\x03BB\x03BB\x03AC\x03B4\x03B1.tvl";    // Ελλάδα
    const fs::path binary = folder / L"\x0422\x0435\x0440\x0440\x0430\x0441\x0430.bin";  // Терраса
    fs::create_directories(folder);
    fs::copy_file(pathFromUtf8(fixturePath("layouts/terrace.tvl")), layout);
    ASSERT_EQ(runLayoutTool(L"convert " + quoted(layout) + L" --to binary " + quoted(binary)), 0u);
    std::vector<uint8_t> written, wanted;
    ASSERT_TRUE(readWholeFile(binary, written));
    ASSERT_TRUE(readWholeFile(pathFromUtf8(fixturePath("layouts/terrace.bin")), wanted));
    EXPECT_EQ(written, wanted);
    EXPECT_EQ(runLayoutTool(L"check " + quoted(folder / L"\x7A7A.tvl")), 2u) << "a missing file is refused";
}
