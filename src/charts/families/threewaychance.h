#pragma once
// The 3 Way Box chance charts: after a trigger draw a 3 Way Box (exactly two
// equal digits) is looked for within the next four draws. A trigger gets
// "***" in column 4, and column 4 of the four rows after it turns red; a
// 3 Way Box gets "YES" in column 5, so a "YES" inside a red run is a catch.
// A trigger among the last draws paints the spare rows under them, which
// stand for the draws to come.
#include "charts/drawrows.h"
#include "charts/framework/tool.h"

namespace corvessa::charts {

struct ChanceChartForm {
  ToolIdentity id;  // the title is the caption: titledWindow
  // Given the draw's digits in draw order.
  bool (*isTrigger)(const Digits &digits);
  // Four narrow columns more: a second "  YES", each draw's width, and a
  // three-row red run in column 7 after two draws of equal width.
  bool widthRepeats = false;
};

ToolEntry chanceChartTool(const ChanceChartForm &form);

}  // namespace corvessa::charts
