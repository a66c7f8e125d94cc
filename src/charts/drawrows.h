#pragma once
// Reading the draw history into a tool's grid: one row per draw under the
// header row, the blank spare row under the last draw.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <QString>
#include <array>
#include <string>

namespace corvessa::charts {

using Digits = std::array<int, 3>;

// " 125:123": the label with its sign place (a blank, or "-"), leading zeros
// dropped, then ":" and the three digits.
std::string drawLabelText(const DrawRecord &draw, char separator = ':');

// Short form: rows = N + 2 and cells 0..k of the spare row N + 1 emptied.
void resetGridRows(ResultGrid &grid, int drawCount, int k);
// Long form: rows = N + 5 and cells 0..4 of the spare row emptied.
void resetGridRowsLong(ResultGrid &grid, int drawCount);

// Rows 1..N: the label text in column 0 and H, T, U in columns 1..3.
void fillDrawRows(ResultGrid &grid, const DrawHistory &history);
// The label in column 0 and H, T, U in columns offset + 1 .. offset + 3.
void fillDrawRowsOffset(ResultGrid &grid, const DrawHistory &history, int offset);

// A key routine: given the draw's digits, returns its key text. It may sort
// the digits in place, as the box key does.
using KeyRoutine = std::string (*)(Digits &digits);
// As fillDrawRows, and the key of each draw in column keyCol.
void fillDrawRowsWithBoxKey(ResultGrid &grid, const DrawHistory &history, int keyCol,
                            KeyRoutine key = nullptr /* makeBoxKey */);

// "H", "T" and "U" over the digit columns 1..3.
void writeDigitHeaders(ResultGrid &grid);

// Three compare-exchange steps on (1, 2), (2, 3), (1, 2).
void sortDigitsAscending(Digits &digits);
// The draw's distinct digits ascending: "5" for 5 5 5, "27" for 7 2 7, "049" for 9 0 4.
std::string makeBoxKey(Digits &digits);

}  // namespace corvessa::charts
