#pragma once
// The family of box-number pair charts: each draw's digits sorted into
// Small, Middle and Large, one pair of them taken, and the pair's difference
// (larger less smaller, 0 to 9) and sum (0 to 18) written beside the draw and
// charted in a block of value columns each. A member is its description:
// tools/pairs/<window>.cpp returns pairDiffSumTool({...}).
#include "charts/framework/tool.h"

namespace corvessa::charts {

// Which two of the sorted digits a member combines, the larger first.
enum class SortedDigitPair { LargeSmall, LargeMiddle, MiddleSmall };

struct PairDiffSumForm {
  ToolIdentity id;  // the caption differs from the title, the menu item's caption
  SortedDigitPair pair;
};

// The window: 37 columns (label, H T U, the difference "-" and its ten
// columns, the sum "+" and its eighteen columns 1 to 18, narrow spacers
// between), two tinted bands, the hidden Command1 emptying cells 0..6 of the
// spare row, "Exit" and "Help".
ToolEntry pairDiffSumTool(const PairDiffSumForm &form);

}  // namespace corvessa::charts
