#pragma once
// The four charts of whether a draw, taken as a box number, comes from one
// fixed set of six or seven digits: one mark column with the hits, the miss
// counts between them and the miss statistics under the draws.
#include "charts/tool.h"

#include <string_view>

namespace corvessa::charts {

enum class DigitSetMarking {
  SixWayBoxOnly,  // three different digits, all in the set
  AnyBox,         // and 3 Way Box draws with both digits in the set, on red
};

struct DigitSetForm {
  const char *windowName;
  const char *menuItem;
  const char *caption;  // the menu item's and the design's
  const char *title;    // set by the load
  std::string_view digits;  // the header of column 5
  DigitSetMarking marking;
};

ToolDesign digitSetDesign(const DigitSetForm &form);

// LoadDigitSetForm: the grid of the form's window for the draws.
void loadDigitSetForm(ResultGrid &grid, const DrawHistory &history, const DigitSetForm &form);

// The hidden Command1: the short form of ResetGridRows with K = 5.
void resetDigitSetRows(ResultGrid &grid, int drawCount);

}  // namespace corvessa::charts
