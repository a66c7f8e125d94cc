#pragma once
// Reading the draw history into a tool's grid: one row per draw under the
// header row, the blank spare row under the last draw.
#include "core/drawfile.h"
#include "core/resultgrid.h"

#include <QString>
#include <array>
#include <optional>
#include <string>

namespace corvessa::charts {

using Digits = std::array<int, 3>;

// The forms of a draw row's label in column 0, for the label 105 and the
// digits 1 2 3. A negative label takes "-" in the sign place.
enum class LabelForm {
  Standard,   // " 105:123": the sign place (a blank), the label, ":", the digits
  NoBlank,    // "105:123"
  LabelOnly,  // " 105"
  Ticket,     // "105|123"
  Tagged,     // " 105:123(H±T)", " 105:123(H±U)", " 105:123(T±U)": three rows a draw
};
// Rows each draw takes in the form.
inline int rowsPerDraw(LabelForm form) { return form == LabelForm::Tagged ? 3 : 1; }

// Short form: rows = N + 2 and cells 0..k of the spare row N + 1 emptied.
void resetGridRows(ResultGrid &grid, int drawCount, int k);
// Long form: rows = N + 5 and cells 0..4 of the spare row emptied.
void resetGridRowsLong(ResultGrid &grid, int drawCount);

// The spare row's first digit cell made current and the grid scrolled to its
// last row, as a window shows a chart that it has just filled.
void showSpareRow(ResultGrid &grid, int drawCount);

// Rows 1..N (of the tagged form, rows 1..3N): the label text in column 0
// and H, T, U in columns 1..3, or in columns offset + 1 .. offset + 3.
void fillDrawRows(ResultGrid &grid, const DrawHistory &history, LabelForm form = LabelForm::Standard);
void fillDrawRowsOffset(ResultGrid &grid, const DrawHistory &history, int offset,
                        LabelForm form = LabelForm::Standard);

// The rows of a chart that keeps the draws' digits in columns offset + 1 ..
// offset + 3 apart from its own: N + 3 rows, the draws in rows 1..N.
void startOffsetDrawRows(ResultGrid &grid, int drawCount, const DrawHistory &history, int offset);

// A key routine: given the draw's digits, returns its key text. It may sort
// the digits in place, as the box key does.
using KeyRoutine = std::string (*)(Digits &digits);
// As fillDrawRows, and the key of each draw in column keyCol.
void fillDrawRowsWithBoxKey(ResultGrid &grid, const DrawHistory &history, int keyCol,
                            KeyRoutine key = nullptr /* makeBoxKey */, LabelForm form = LabelForm::Standard);

// Reading digits back from the grid, one rule for every chart: a cell that
// holds anything but one digit 0 to 9 (a row that holds no draw) is passed
// over, and a chart leaves what it would mark from it unmarked. No chart
// takes such a cell for a digit it does not show.
//
// The digit a cell holds as its whole text, or -1.
inline int cellDigit(const ResultGrid &grid, int row, int col) {
  const std::string_view text = grid.textView(row, col);
  return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : -1;
}
// The three digits of cells firstCol..firstCol + 2 of a row (a draw's H, T
// and U where the chart keeps them), or nothing when one is not a digit.
inline std::optional<Digits> readDrawDigits(const ResultGrid &grid, int row, int firstCol = 1) {
  const Digits digits{cellDigit(grid, row, firstCol), cellDigit(grid, row, firstCol + 1),
                      cellDigit(grid, row, firstCol + 2)};
  if (digits[0] < 0 || digits[1] < 0 || digits[2] < 0)
    return std::nullopt;
  return digits;
}

// "H", "T" and "U" over the digit columns 1..3.
void writeDigitHeaders(ResultGrid &grid);

// Three compare-exchange steps on (1, 2), (2, 3), (1, 2).
void sortDigitsAscending(Digits &digits);
// The draw's distinct digits ascending: "5" for 5 5 5, "27" for 7 2 7, "049" for 9 0 4.
std::string makeBoxKey(Digits &digits);

}  // namespace corvessa::charts
