#pragma once
// The family of charts of whether a draw, taken as a box number, comes from
// one fixed set of six or seven digits: one mark column with the hits, the
// miss counts between them and the miss statistics under the draws. A digit
// set is a group chart with a single group.
#include "charts/tool.h"

#include <string_view>

namespace corvessa::charts {

enum class DigitSetMarking {
  SixWayBoxOnly,  // three different digits, all in the set
  AnyBox,         // and 3 Way Box draws with both digits in the set, on red
};

// A member: the menu item's caption (the title is the caption without its
// quotes), the set and its marking.
struct DigitSetForm {
  const char *windowName;
  const char *caption;
  std::string_view digits;  // the header of column 5
  DigitSetMarking marking;
};
ToolEntry digitSetTool(const DigitSetForm &form);

}  // namespace corvessa::charts
