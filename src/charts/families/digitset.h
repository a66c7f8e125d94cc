#pragma once
// The family of digit-set charts: one column for every set of M different
// digits (the 45 pairs, the 120 triples or the 210 four-digit sets), and in
// each draw row a mark under the sets of which the draw holds a given number
// of digits. Marks only: no miss counts, no footer, no colours.
//
// The count and its markings also serve windows whose sets are fixed lists
// of their own ("Other recommend digits-[2/3 formula]", "-[Serial]"); those
// share the draw columns' widths, kDigitSetDrawWidths.
#include "charts/framework/tool.h"

#include <string_view>

namespace corvessa::charts {

inline constexpr std::string_view kNoDigitMark = " 0";   // a blank, then the digit zero
inline constexpr std::string_view kOneDigitMark = " *";  // a blank, then an asterisk
inline constexpr std::string_view kDigitsMark = "$";

// Every set of `setSize` different digits as a header, from column 5 on, in
// ascending order: "0123", "0124", ... "6789". Returns the last set column.
int writeDigitSetHeaders(ResultGrid &grid, int setSize);
// How many sets of `setSize` different digits there are.
int digitSetCount(int setSize);

// The markings, over draw rows 1..N and set columns first..last. Each counts
// the draw's distinct digits (its box key in column 4) among the digits of
// the set in the header row (groupMatchCount). A cell no rule marks is left
// as it is.
void markZeroDigitSets(ResultGrid &grid, int drawCount, int firstCol, int lastCol);  // " 0" at 0
// "$" where the count is above the threshold.
void markDigitSetHits(ResultGrid &grid, int drawCount, int firstCol, int lastCol, int threshold);
// " *" where the count is 1, "$" where it is 2 or more.
void markPairDigitHits(ResultGrid &grid, int drawCount, int firstCol, int lastCol);

// The widths of the draw columns: the label 1290, H, T, U 300 each, and the
// box key (column 4) 30, nearly hidden since only the marking reads it.
inline constexpr ColumnWidths kDigitSetDrawWidths[] = {{0, 0, 1290}, {1, 3, 300}, {4, 4, 30}};

enum class DigitSetMarking {
  NoDigit,          // " 0" where the draw holds no digit of the set
  TwoOrMoreDigits,  // "$" where it holds two digits of the set or more
  AnyDigit,         // "$" where it holds one or more
  OneOrMoreDigits,  // " *" where it holds one, "$" where it holds two or more
};

// A member: its window (the title is the caption: titledWindow), set size
// and mark. The standard window has one column per set, each `setColWidth`
// twips wide, and the grid's font at `fontPoints`.
struct DigitSetForm {
  ToolIdentity id;
  int setSize;
  int setColWidth;
  DigitSetMarking marking;
  double fontPoints = 7.5;
};
ToolEntry digitSetTool(const DigitSetForm &form);

}  // namespace corvessa::charts
