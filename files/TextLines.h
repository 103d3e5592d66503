// The line discipline shared by the text files the game reads (settings,
// language): lines read in pieces of bounded length, comments, short lines,
// white-space separated words and double-quoted texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a piece's length counts: bytes, or the characters of a UTF-8 text
// (so that no piece ends inside a character).
enum class PieceUnit { bytes, characters };

// The file cut into lines, each with its LF kept. A line longer than
// `maxPieceLength` is cut into pieces that count as lines of their own. A
// piece ends at its first NUL byte, as a C text would.
std::vector<std::string> linePieces(std::string_view text, size_t maxPieceLength, PieceUnit unit = PieceUnit::bytes);

// A comment (first character ";") or a line of two characters or fewer,
// its line end included.
bool isSkippedLine(const std::string& line);

// The white-space separated words of a line.
std::vector<std::string> wordsOf(const std::string& line);

// The text after the line's first double quote up to the next one, or up to
// the line end (CR LF excluded) when no second quote follows. False when the
// line holds no double quote.
bool quotedText(const std::string& line, std::string& text);

// A decimal integer with an optional sign at the start of `word`; whatever
// follows the digits is ignored. False when no digit follows the sign. The
// value is kept modulo 2^64, so its low bits are right for any width.
bool readLeadingInteger(const std::string& word, int64_t& value);
