#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ScoresFixture.h"
#include "files/HallOfFameFile.h"
#include "game/Scores.h"

namespace {

HallOfFame defaultTable() {
    HallOfFame table;
    fillDefaultHallOfFame(table);
    return table;
}

std::vector<int32_t> keptTimes(const HallOfFame& table) {
    std::vector<int32_t> times;
    for (int i = 0; i < keptEntries; ++i) times.push_back(table.entries[static_cast<size_t>(i)].timeSeconds);
    return times;
}

void setEntry(HallOfFame& table, int index, const std::string& name, int32_t seconds) {
    table.entries[static_cast<size_t>(index)] = {name, "t" + std::to_string(seconds), seconds};
}

// The bytes of one entry as another program would write them.
std::vector<uint8_t> entryBytes(const std::string& name, const std::string& time, int32_t seconds) {
    std::vector<uint8_t> bytes(hallOfFameEntryBytes, 0);
    std::copy(name.begin(), name.end(), bytes.begin());
    std::copy(time.begin(), time.end(), bytes.begin() + playerNameWidth);
    for (int k = 0; k < 4; ++k)
        bytes[static_cast<size_t>(playerNameWidth + timeTextWidth + k)] =
            static_cast<uint8_t>(static_cast<uint32_t>(seconds) >> (8 * k));
    return bytes;
}

}  // namespace

TEST(HallOfFameTable, TheDefaultTableRunsFromFiveToFourteenMinutes) {
    const HallOfFame table = defaultTable();
    EXPECT_EQ(keptTimes(table), (std::vector<int32_t>{300, 360, 420, 480, 540, 600, 660, 720, 780, 840}));
    EXPECT_EQ(table.entries[0].timeText, "00:05:00");
    EXPECT_EQ(table.entries[9].timeText, "00:14:00");
    for (int i = 0; i < keptEntries; ++i) EXPECT_EQ(table.entries[static_cast<size_t>(i)].playerName, "Tavrek");
}

TEST(HallOfFameTable, SortingMovesWholeEntriesIntoAscendingTimes) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        HallOfFame table;
        for (int i = 0; i <= candidateEntry; ++i)
            setEntry(table, i, "p" + std::to_string(i), static_cast<int32_t>(random() % 6));
        sortHallOfFame(table, 0, candidateEntry);
        for (int i = 0; i <= candidateEntry; ++i) {
            const HallOfFameEntry& entry = table.entries[static_cast<size_t>(i)];
            EXPECT_EQ(entry.timeText, "t" + std::to_string(entry.timeSeconds));
            if (i > 0) {
                EXPECT_LE(table.entries[static_cast<size_t>(i - 1)].timeSeconds, entry.timeSeconds);
            }
        }
        std::vector<std::string> names;
        for (const HallOfFameEntry& entry : table.entries) names.push_back(entry.playerName);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(std::unique(names.begin(), names.end()), names.end()) << "an entry was lost or copied";
    }
}

TEST(HallOfFameTable, SortingTouchesOnlyTheGivenRange) {
    HallOfFame table;
    for (int i = 0; i <= candidateEntry; ++i) setEntry(table, i, "p", 100 - i);
    sortHallOfFame(table, 3, 6);
    EXPECT_EQ(keptTimes(table), (std::vector<int32_t>{100, 99, 98, 94, 95, 96, 97, 93, 92, 91}));
    sortHallOfFame(table, 5, 5);
    sortHallOfFame(table, 6, 2);
    EXPECT_EQ(table.entries[5].timeSeconds, 96);
}

TEST(HallOfFameTable, ANewTimeEqualToAKeptOneRanksJustAheadOfIt) {
    HallOfFame table = defaultTable();
    setEntry(table, candidateEntry, "New", 480);
    sortHallOfFame(table, 0, candidateEntry);
    EXPECT_EQ(table.entries[3].playerName, "New");
    EXPECT_EQ(table.entries[4].playerName, "Tavrek");
    EXPECT_EQ(table.entries[4].timeSeconds, 480);
    EXPECT_EQ(table.entries[candidateEntry].timeSeconds, 840);
}

TEST(HallOfFameBytes, EachEntryIsNameTimeTextAndLittleEndianSeconds) {
    HallOfFame table = defaultTable();
    table.entries[1] = {"Ann", "03:02:05", 0x01020304};
    table.entries[2] = {"Neg", "x", -2};
    const std::vector<uint8_t> bytes = encodeHallOfFame(table);
    ASSERT_EQ(bytes.size(), 400u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 40, bytes.begin() + 80), entryBytes("Ann", "03:02:05", 0x01020304));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 80, bytes.begin() + 120), entryBytes("Neg", "x", -2));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 360, bytes.end()), entryBytes("Tavrek", "00:14:00", 840));
    HallOfFame back;
    ASSERT_TRUE(decodeHallOfFame(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.entries[1].playerName, "Ann");
    EXPECT_EQ(back.entries[1].timeText, "03:02:05");
    EXPECT_EQ(back.entries[1].timeSeconds, 0x01020304);
    EXPECT_EQ(back.entries[2].timeSeconds, -2);
    EXPECT_EQ(keptTimes(back)[9], 840);
}

TEST(HallOfFameBytes, TextsWithoutTheirZeroStopAtTheFieldsEnd) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < keptEntries; ++i) {
        const std::vector<uint8_t> entry = entryBytes(std::string(23, 'N'), std::string(13, '9'), i);
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    HallOfFame table;
    ASSERT_TRUE(decodeHallOfFame(bytes.data(), bytes.size(), table));
    EXPECT_EQ(table.entries[4].playerName, std::string(23, 'N'));
    EXPECT_EQ(table.entries[4].timeText, std::string(13, '9'));
    EXPECT_EQ(table.entries[4].timeSeconds, 4);
    // Written back, each text keeps its ending zero inside its field.
    const std::vector<uint8_t> again = encodeHallOfFame(table);
    EXPECT_EQ(again[22], 0);
    EXPECT_EQ(again[35], 0);
    EXPECT_EQ(again[36], 0);
}

TEST(HallOfFameBytes, AnyLengthOtherThan400IsRefusedAndLeavesTheTable) {
    const std::vector<uint8_t> bytes(401, 'A');
    HallOfFame table = defaultTable();
    for (size_t size : {size_t(0), size_t(40), size_t(399), size_t(401)})
        EXPECT_FALSE(decodeHallOfFame(bytes.data(), size, table)) << size;
    EXPECT_EQ(keptTimes(table), keptTimes(defaultTable()));
    EXPECT_EQ(table.entries[0].playerName, "Tavrek");
}

TEST(HallOfFameBytes, EachLayoutHasItsOwnFile) {
    EXPECT_EQ(hallOfFameFileName("CLASSIC.TVL"), "CLASSIC.TVS");
    EXPECT_EQ(hallOfFameFileName("RANDOM.TVL"), "RANDOM.TVS");
}

namespace {

struct HallOfFameFiles : ScoresFixture {
    void SetUp() override {
        ScoresFixture::SetUp();
        setEntry(app.hallOfFame, 0, "Stale", 1);
    }
};
}  // namespace

TEST_F(HallOfFameFiles, AMissingFileGivesTheDefaultTableSilently) {
    loadHallOfFame(app);
    EXPECT_EQ(keptTimes(app.hallOfFame), keptTimes(defaultTable()));
    EXPECT_EQ(app.hallOfFame.entries[0].playerName, "Tavrek");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(HallOfFameFiles, AFileIsReadAsItStandsUnsorted) {
    HallOfFame table = defaultTable();
    table.entries[0] = {"Slow", "01:00:00", 3600};
    start.write("SCORES/classic.tvs", encodeHallOfFame(table));
    loadHallOfFame(app);
    EXPECT_EQ(app.hallOfFame.entries[0].playerName, "Slow");
    EXPECT_EQ(app.hallOfFame.entries[0].timeSeconds, 3600);
    EXPECT_EQ(app.hallOfFame.entries[1].timeSeconds, 360);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(HallOfFameFiles, ADamagedFileIsReportedReplacedInMemoryAndKeptOnDisk) {
    const std::string damaged(399, 'x');
    start.write("SCORES/CLASSIC.TVS", damaged);
    loadHallOfFame(app);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Scores damaged");
    EXPECT_EQ(host.messages[0].caption, "Tavrek v3.2");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::exclamation);
    EXPECT_EQ(keptTimes(app.hallOfFame), keptTimes(defaultTable()));
    EXPECT_EQ(readText(scoresFile()), damaged);
}

TEST_F(HallOfFameFiles, SavingWritesTheKeptEntriesOnly) {
    app.hallOfFame = defaultTable();
    setEntry(app.hallOfFame, candidateEntry, "Dropped", 5);
    saveHallOfFame(app);
    const std::string written = readText(scoresFile());
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.end()), encodeHallOfFame(defaultTable()));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(HallOfFameFiles, AFailedWriteNamesTheFileAndKeepsTheTable) {
    app.dirs.scores = std::filesystem::path(start.path) / "MISSING";
    saveHallOfFame(app);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "CLASSIC.TVS : cannot write");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::exclamation);
    EXPECT_EQ(app.hallOfFame.entries[0].playerName, "Stale");
}
