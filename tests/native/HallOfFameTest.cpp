#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ScoresFixture.h"
#include "files/HallOfFameFile.h"
#include "game/Scores.h"

using Times = std::vector<int32_t>;
using Names = std::vector<std::string>;

static HallOfFame defaultTable() {
    HallOfFame table;
    fillDefaultHallOfFame(table);
    return table;
}

static Times keptTimes(const HallOfFame& table) {
    Times times;
    for (int i = 0; i < keptEntries; ++i) times.push_back(table.entries[size_t(i)].timeSeconds);
    return times;
}

static Names names(const HallOfFame& table, int count = keptEntries) {
    Names out;
    for (int i = 0; i < count; ++i) out.push_back(table.entries[size_t(i)].playerName);
    return out;
}

static void setEntry(HallOfFame& table, int index, const std::string& name, int32_t seconds) {
    table.entries[size_t(index)] = {name, "t" + std::to_string(seconds), seconds};
}

// The bytes of one entry as another program would write them.
static std::vector<uint8_t> entryBytes(const std::string& name, const std::string& time, int32_t seconds) {
    std::vector<uint8_t> bytes(hallOfFameEntryBytes, 0);
    std::copy(name.begin(), name.end(), bytes.begin());
    std::copy(time.begin(), time.end(), bytes.begin() + playerNameWidth);
    for (size_t k = 0; k < 4; ++k) bytes[playerNameWidth + timeTextWidth + k] = uint8_t(uint32_t(seconds) >> (8 * k));
    return bytes;
}

// Whole entries move, into ascending times, and only within the given range;
// a new time equal to a kept one ranks just ahead of it.
TEST(HallOfFameTable, SortingMovesWholeEntriesWithinItsRange) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        HallOfFame table;
        for (int i = 0; i <= candidateEntry; ++i) setEntry(table, i, "p" + std::to_string(i), int32_t(random() % 6));
        sortHallOfFame(table, 0, candidateEntry);
        for (int i = 0; i <= candidateEntry; ++i) {
            const HallOfFameEntry& entry = table.entries[size_t(i)];
            EXPECT_EQ(entry.timeText, "t" + std::to_string(entry.timeSeconds));
            EXPECT_LE(table.entries[size_t(std::max(i - 1, 0))].timeSeconds, entry.timeSeconds);
        }
        Names sorted = names(table, candidateEntry + 1);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end()) << "an entry was lost or copied";
    }
    HallOfFame table;
    for (int i = 0; i <= candidateEntry; ++i) setEntry(table, i, "p", 100 - i);
    for (const auto& [lo, hi] : {std::pair{3, 6}, {5, 5}, {6, 2}}) sortHallOfFame(table, lo, hi);
    EXPECT_EQ(keptTimes(table), (Times{100, 99, 98, 94, 95, 96, 97, 93, 92, 91}));
    table = defaultTable();
    setEntry(table, candidateEntry, "New", 480);
    sortHallOfFame(table, 0, candidateEntry);
    EXPECT_EQ(names(table)[3] + " " + names(table)[4] + " " + std::to_string(table.entries[candidateEntry].timeSeconds),
              "New Tavrek 840");
}

TEST(HallOfFameBytes, EachEntryIsNameTimeTextAndLittleEndianSecondsTextsEndingInTheirField) {
    HallOfFame table = defaultTable();
    table.entries[1] = {"Ann", "03:02:05", 0x01020304};
    table.entries[2] = {std::string(30, 'N'), std::string(20, '9'), -2};  // cut to leave their ending zero
    const std::vector<uint8_t> bytes = encodeHallOfFame(table);
    ASSERT_EQ(bytes.size(), 400u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 40, bytes.begin() + 80), entryBytes("Ann", "03:02:05", 0x01020304));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 80, bytes.begin() + 120),
              entryBytes(std::string(22, 'N'), std::string(12, '9'), -2));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 360, bytes.end()), entryBytes("Tavrek", "00:14:00", 840));
    // Read back; texts filling their whole field without a zero stop at its end.
    std::vector<uint8_t> full = bytes;
    std::fill(full.begin() + 80, full.begin() + 116, 'x');
    HallOfFame back;
    ASSERT_TRUE(decodeHallOfFame(full.data(), full.size(), utf8FromWindows1252, back));
    EXPECT_EQ(back.entries[1].playerName + "|" + back.entries[1].timeText, "Ann|03:02:05");
    EXPECT_EQ((Times{back.entries[1].timeSeconds, back.entries[2].timeSeconds, back.entries[9].timeSeconds}),
              (Times{0x01020304, -2, 840}));
    EXPECT_EQ(back.entries[2].playerName + "|" + back.entries[2].timeText,
              std::string(23, 'x') + "|" + std::string(13, 'x'));
    // Any other length is refused and leaves the table.
    for (size_t size : {size_t(0), size_t(40), size_t(399), size_t(401)}) {
        full.resize(size, 'A');
        EXPECT_FALSE(decodeHallOfFame(full.data(), size, utf8FromWindows1252, back)) << size;
    }
    EXPECT_EQ(back.entries[2].timeSeconds, -2);
}

// Names: plain ASCII as ever; anything else as the mark and UTF-8, cut
// after the last whole character that fits the field with its ending zero.
TEST(HallOfFameBytes, WinnersNamesInEveryScriptRoundTripAndOldNamesReadAsBefore) {
    const std::string japanese = "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E";  // 山田太郎, 3 bytes each
    const std::string greek = "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7";              // Ελένη, 2 bytes each
    HallOfFame table{};
    const std::string long21 = japanese + japanese + japanese + japanese + japanese + "\xE5\xB1\xB1";  // 21 characters
    const std::string names[] = {"Ada Lovelace", japanese, greek + " K.", "A\xF0\x9F\x80\x84", long21, "Ab" + long21,
                                 "abcdefghijklmnopqrst" + greek};
    for (size_t k = 0; k < std::size(names); ++k) table.entries[k].playerName = names[k];
    const std::vector<uint8_t> bytes = encodeHallOfFame(table);
    const auto field = [&](size_t k) { return std::string(bytes.begin() + long(k * hallOfFameEntryBytes),
                                                          bytes.begin() + long(k * hallOfFameEntryBytes + playerNameWidth)); };
    EXPECT_EQ(field(0), "Ada Lovelace" + std::string(11, '\0'));
    EXPECT_EQ(field(1), "\xEF\xBB\xBF" + japanese + std::string(8, '\0'));
    HallOfFame back{};
    ASSERT_TRUE(decodeHallOfFame(bytes.data(), bytes.size(), utf8FromWindows1252, back));
    const std::string expected[] = {
        names[0], names[1], names[2], names[3],
        japanese + "\xE5\xB1\xB1\xE7\x94\xB0",  // 19 bytes after the mark hold six whole characters
        "Ab" + japanese + "\xE5\xB1\xB1",       // a cut that never halves a character
        "abcdefghijklmnopqrs"};                 // what is left is plain ASCII, without the mark
    for (size_t k = 0; k < std::size(expected); ++k) EXPECT_EQ(back.entries[k].playerName, expected[k]) << k;
    EXPECT_EQ(field(6), "abcdefghijklmnopqrs" + std::string(4, '\0'));

    // A file from before: names in the code page, one of them cut inside a
    // UTF-8 look-alike; a marked name whose bytes are damaged still shows.
    std::vector<uint8_t> old = bytes;
    const std::string jurgen = "J\xFCrgen";
    std::copy(jurgen.c_str(), jurgen.c_str() + jurgen.size() + 1, old.begin());
    const std::string damaged = "\xEF\xBB\xBF" "A\xE5\xB1";
    std::copy(damaged.c_str(), damaged.c_str() + damaged.size() + 1, old.begin() + hallOfFameEntryBytes);
    ASSERT_TRUE(decodeHallOfFame(old.data(), old.size(), utf8FromWindows1252, back));
    EXPECT_EQ(back.entries[0].playerName, "J\xC3\xBCrgen");
    EXPECT_EQ(back.entries[1].playerName, "A\xEF\xBF\xBD\xEF\xBF\xBD");
}

// A missing file gives the default table silently; a file is read as it
// stands, unsorted; a damaged one is reported, replaced in memory and kept.
// (Saving is tested with the win that stores a time.)
using HallOfFameFiles = ScoresFixture;
TEST_F(HallOfFameFiles, LoadingTakesTheFileOrTheDefaultTable) {
    setEntry(app.hallOfFame, 0, "Stale", 1);
    loadHallOfFame(app);
    EXPECT_EQ(keptTimes(app.hallOfFame), keptTimes(defaultTable()));
    EXPECT_EQ(names(app.hallOfFame)[0], "Tavrek");
    HallOfFame table = defaultTable();
    table.entries[0] = {"Slow", "01:00:00", 3600};
    start.write("SCORES/classic.tvs", encodeHallOfFame(table));
    loadHallOfFame(app);
    EXPECT_EQ(names(app.hallOfFame)[0], "Slow");
    EXPECT_EQ(keptTimes(app.hallOfFame), (Times{3600, 360, 420, 480, 540, 600, 660, 720, 780, 840}));
    EXPECT_TRUE(host.messages.empty());
    const std::string damaged(399, 'x');
    start.write("SCORES/classic.tvs", damaged);
    loadHallOfFame(app);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text + "|" + host.messages[0].caption, "Scores damaged|Tavrek v3.2");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::exclamation);
    EXPECT_EQ(keptTimes(app.hallOfFame), keptTimes(defaultTable()));
    EXPECT_EQ(names(app.hallOfFame)[0], "Tavrek");
    EXPECT_EQ(readText(scoresFile("classic.tvs")), damaged);
}
