#pragma once
// The family of winning-set charts: whether a draw, taken as a box number,
// comes from one fixed set of six or seven digits; one mark column with the
// hits, the miss counts between them and the miss statistics under the
// draws. A winning set is a group chart with a single group.
#include "charts/framework/tool.h"

#include <string_view>

namespace corvessa::charts {

enum class WinningSetMarking {
  SixWayBoxOnly,  // three different digits, all in the set
  AnyBox,         // and 3 Way Box draws with both digits in the set, on red
};

// A member: its window (the title is the caption without its quotes:
// titledWithoutQuotes), the set and its marking.
struct WinningSetForm {
  ToolIdentity id;
  std::string_view digits;  // the header of column 5
  WinningSetMarking marking;
};
ToolEntry winningSetTool(const WinningSetForm &form);

}  // namespace corvessa::charts
