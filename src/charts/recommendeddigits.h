#pragma once
// What the recommended-digit charts share: the digits taken from the text of
// a formula's value, the marking of the recommended digits that a draw holds,
// and the windows' design. A recommendation made from draw r stands in row
// r + 1, beside the draw it was made for, so the spare row N + 1 holds the
// one for the coming draw.
#include "charts/framework/tool.h"
#include "core/resultgrid.h"

#include <string>
#include <string_view>

namespace corvessa::charts {

// `text` with every occurrence of the non-empty `pattern` taken out, again
// and again, so that the text closing up around a removed occurrence can make
// a new one, which goes too ("aabb" without "ab" is ""). An empty pattern
// takes nothing out.
std::string removeSubstring(std::string_view text, std::string_view pattern);

// The first n distinct digits of the number text of `value` (>= 0), in the
// order the text first shows them, as 1 to n characters. A value below 1
// counts with a "0" in front: 0.15625 gives "015" for n = 3, 0 gives "0".
std::string firstDistinctDigits(double value, int n);

inline constexpr std::string_view kRecommendHitMark = "-Y-";

// The columns of one group of recommended digits and its mark column.
struct RecommendedDigitGroup {
  int firstCol, lastCol, markCol;
};

// On draw rows firstRow..N: every recommended cell whose digit equals one of
// the draw's digits (columns 1..3) gets the back colour `hit` and becomes the
// current cell, and the group's mark cell gets "-Y-". An empty cell matches
// nothing.
void markRecommendedDigitHits(ResultGrid &grid, int drawCount, int firstRow, RecommendedDigitGroup group, Rgb hit);

// On draw rows firstRow..N: the mark cell of a group with two or more
// recommended cells of the back colour `hit` gets the back colour `doubleHit`.
// The current cell ends on the last cell looked at or coloured.
void markDoubleHits(ResultGrid &grid, int drawCount, int firstRow, RecommendedDigitGroup group, Rgb hit,
                    Rgb doubleHit);

// The two one-digit windows share their grid: the label, H, T, U, a narrow
// gap, "1 digit" (the digit recommended for the draw) and "Y/N".
inline constexpr int kOneDigitCol = 5, kOneDigitMarkCol = 6;
// Their standard window, with the widths of those columns; the title is the caption.
ToolDesign oneDigitDesign(const char *windowName, const char *caption);
// Their headers.
void writeOneDigitHeaders(ResultGrid &grid);
// The start of both loads: the headers, the draw rows and the spare row
// under them, that row's first digit cell current and the grid scrolled to it.
void loadOneDigitRows(ToolWindowState &state, const DrawHistory &history);
// A one-digit tool: its window, and a load that starts as above and then
// runs the tool's own two routines on draw rows 1..N: the one that writes the
// recommended digits, then the one that marks them.
using OneDigitStep = void (*)(ResultGrid &grid, int drawCount);
ToolEntry oneDigitTool(const char *windowName, const char *caption, OneDigitStep recommend, OneDigitStep mark);

}  // namespace corvessa::charts
