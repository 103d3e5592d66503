#include "files/TextLines.h"

#include <algorithm>
#include <cctype>

namespace {

bool isWhiteSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Every byte starts a byte; a UTF-8 continuation byte starts no character.
bool startsUnit(char c, PieceUnit unit) {
    return unit == PieceUnit::bytes || (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// The bytes of the piece that `rest` starts with: up to its line feed, or up
// to the unit that would make the piece too long. Walking the text itself
// leaves no index that could step past its end.
size_t pieceLength(std::string_view rest, size_t maxPieceLength, PieceUnit unit) {
    size_t length = 0, units = 0;
    for (char c : rest) {
        if (startsUnit(c, unit) && units++ == maxPieceLength) break;
        ++length;
        if (c == '\n') break;
    }
    return length;
}

}  // namespace

std::vector<std::string> linePieces(std::string_view text, size_t maxPieceLength, PieceUnit unit) {
    std::vector<std::string> pieces;
    while (!text.empty()) {
        const size_t length = std::max<size_t>(pieceLength(text, maxPieceLength, unit), 1);
        std::string piece(text.substr(0, length));
        piece.resize(std::min(piece.size(), piece.find('\0')));
        pieces.push_back(std::move(piece));
        text.remove_prefix(length);
    }
    return pieces;
}

bool isSkippedLine(const std::string& line) { return line.size() <= 2 || line[0] == ';'; }

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isWhiteSpace(line[at])) ++at;
        const size_t start = at;
        while (at < line.size() && !isWhiteSpace(line[at])) ++at;
        if (at > start) words.push_back(line.substr(start, at - start));
    }
    return words;
}

bool quotedText(const std::string& line, std::string& text) {
    const size_t open = line.find('"');
    if (open == std::string::npos) return false;
    size_t close = line.find('"', open + 1);
    if (close == std::string::npos) {
        close = line.size();
        if (close > open + 1 && line[close - 1] == '\n') --close;
        if (close > open + 1 && line[close - 1] == '\r') --close;
    }
    text = line.substr(open + 1, close - open - 1);
    return true;
}

bool readLeadingInteger(const std::string& word, int64_t& value) {
    size_t at = 0;
    const bool negative = !word.empty() && word[0] == '-';
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) ++at;
    if (at >= word.size() || !std::isdigit(static_cast<unsigned char>(word[at]))) return false;
    uint64_t magnitude = 0;
    for (; at < word.size() && std::isdigit(static_cast<unsigned char>(word[at])); ++at)
        magnitude = magnitude * 10 + static_cast<uint64_t>(word[at] - '0');
    value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    return true;
}
