#include <gtest/gtest.h>

#include <functional>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "engine/App.h"
#include "engine/Deal.h"
#include "engine/Play.h"
#include "files/SavedGame.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t littleEndian(const Bytes& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int k = width - 1; k >= 0; --k) value = value << 8 | bytes[offset + static_cast<size_t>(k)];
    return value;
}

// A dealt game with one pair removed, a tile selected and the clock running.
struct SavedGameFile : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameModel& game = app.game;
    int first = 0, second = 0, selected = 0;

    void SetUp() override {
        buildBoard(game, staggeredLayout(), 0);
        dealNewGame(app);
        first = game.state.removalOrder[0];
        second = game.state.removalOrder[1];
        removePair(app, first, second);
        selected = game.state.removalOrder[2];
        game.state.selectedTile = static_cast<int16_t>(selected);
        game.state.elapsedSeconds = 0x01020304;
        game.tiles[5].screenX = -2;
        app.hallOfFame.entries[0].playerName = "Ada";
    }
    Bytes bytes() const { return encodeSavedGame(savedGameOf(game, app.hallOfFame)); }
};

TEST_F(SavedGameFile, BlocksStandAtTheirOffsetsLittleEndianAndReadBack) {
    const Bytes file = bytes();
    ASSERT_EQ(file.size(), 9445u);
    const TileRecord& tile = game.tiles[static_cast<size_t>(first)];
    const size_t record = 14 * static_cast<size_t>(first);
    EXPECT_EQ(littleEndian(file, 14 * 5, 2), 0xFFFEu);
    EXPECT_EQ(Bytes(file.begin() + record + 8, file.begin() + record + 13),
              (Bytes{0, tile.freeFlag, tile.layer, tile.row, tile.column}));
    const size_t corner = static_cast<size_t>(cellIndex(tile.layer, tile.row, tile.column));
    EXPECT_EQ(file[2016 + corner], noTile);
    EXPECT_EQ(file[5416 + corner], 1);
    EXPECT_EQ(Bytes(file.begin() + 8816, file.begin() + 8819),
              (Bytes{game.state.undoList[0].face, uint8_t(first), uint8_t(second)}));
    EXPECT_EQ(std::string(file.begin() + 9035, file.begin() + 9038), "Ada");
    EXPECT_EQ(littleEndian(file, 9435, 2), 142u);
    EXPECT_EQ(littleEndian(file, 9437, 2), 1u);
    EXPECT_EQ(littleEndian(file, 9439, 2), uint32_t(selected));
    EXPECT_EQ(littleEndian(file, 9441, 4), 0x01020304u);

    SavedGame read{};
    ASSERT_TRUE(decodeSavedGame(file.data(), file.size(), read));
    EXPECT_EQ(encodeSavedGame(read), file);
    EXPECT_EQ(read.hallOfFame.entries[0].playerName, "Ada");
}

TEST_F(SavedGameFile, AllSeventyThreeUndoSlotsAreStoredForAGameWithNoMove) {
    undoMove(app);
    game.state.undoList[72] = {7, 8, 9};
    const Bytes file = bytes();
    EXPECT_EQ(littleEndian(file, 9437, 2), 0u);
    EXPECT_EQ(Bytes(file.begin() + 8816 + 216, file.begin() + 9035), (Bytes{7, 8, 9}));
    SavedGame read{};
    EXPECT_TRUE(decodeSavedGame(file.data(), file.size(), read));
}

// Each change makes a file this program never writes; none may get through,
// and the record handed in stays as it was.
TEST_F(SavedGameFile, RefusesWrongLengthsAndEveryFieldOutOfRangeOrAtOddsWithTheBoard) {
    const Bytes good = bytes();
    const TileRecord& removed = game.tiles[static_cast<size_t>(first)];
    const size_t removedCorner = static_cast<size_t>(cellIndex(removed.layer, removed.row, removed.column));
    const size_t onBoard = static_cast<size_t>(selected);
    const size_t unmarked = static_cast<size_t>(cellIndex(4, 19, 33));
    const std::vector<std::function<void(Bytes&)>> damages = {
        [](Bytes& b) { b.pop_back(); },
        [](Bytes& b) { b.push_back(0); },
        [&](Bytes& b) { b[14 * onBoard + 8] = 43; },                  // face
        [&](Bytes& b) { b[14 * onBoard + 10] = 5; },                  // layer
        [&](Bytes& b) { b[14 * onBoard + 11] = 19; },                 // row
        [&](Bytes& b) { b[14 * onBoard + 12] = 33; },                 // column
        [&](Bytes& b) { b[2016 + removedCorner] = 144; },             // grid index
        [&](Bytes& b) { b[2016 + removedCorner] = uint8_t(first); },  // grid names a removed tile
        [&](Bytes& b) { b[2016 + unmarked] = uint8_t(selected); },    // grid cell its tile does not cover
        [&](Bytes& b) { b[5416 + unmarked] = 1; },                    // a 145th mark
        [&](Bytes& b) { b[5416 + removedCorner] = 2; },
        [&](Bytes& b) { b[5416 + removedCorner] = 0; },
        [&](Bytes& b) { b[8817] = uint8_t(selected); },  // undo names a tile on the board
        [&](Bytes& b) { b[8818] = 200; },                // undo names no tile
        [&](Bytes& b) { b[8818] = b[8817]; },            // the same tile twice
        [&](Bytes& b) { b[8816] = 43; },                 // undo face
        [](Bytes& b) { b[9435] = 140; },                 // tilesLeft
        [](Bytes& b) { b[9437] = 2; },                   // movesMade
        [](Bytes& b) { b[9439] = 144; },                 // selectedTile
        [&](Bytes& b) { b[9439] = uint8_t(first); },     // a removed tile selected
        [](Bytes& b) { b[9444] = 0x80; },                // a clock below zero
    };
    for (size_t k = 0; k < damages.size(); ++k) {
        Bytes bad = good;
        damages[k](bad);
        SavedGame kept{};
        kept.elapsedSeconds = 77;
        EXPECT_FALSE(decodeSavedGame(bad.data(), bad.size(), kept)) << "damage " << k;
        EXPECT_EQ(kept.elapsedSeconds, 77) << "damage " << k;
    }
}

}  // namespace
