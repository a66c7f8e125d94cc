#include "charts/digitset.h"

#include "charts/drawrows.h"
#include "charts/groupform.h"

namespace corvessa::charts {

namespace {
constexpr std::string_view kMark = "*****";
}

ToolDesign digitSetDesign(const DigitSetForm &form) {
  ToolDesign d;
  d.windowName = QString::fromUtf8(form.windowName);
  d.menuItem = QString::fromUtf8(form.menuItem);
  d.caption = QString::fromUtf8(form.caption);
  d.title = QString::fromUtf8(form.title);
  d.clientWidth = 11625;
  d.clientHeight = 6720;
  d.gridWidth = 11595;
  d.gridHeight = 5895;
  d.cols = 6;
  d.layout = ToolLayout::GridAndExit;
  d.exitButton = ButtonDesign{QStringLiteral("Exit"), 10200, 6000, 1335, 375, true};
  d.resetButton = ButtonDesign{QStringLiteral("Command1"), 8760, 6120, 1335, 375, false};
  d.resetRows = resetDigitSetRows;
  return d;
}

void resetDigitSetRows(ResultGrid &grid, int drawCount) { resetGridRows(grid, drawCount, 5); }

// A digit set is a group chart with a single group.
void loadDigitSetForm(ResultGrid &grid, const DrawHistory &history, const DigitSetForm &form) {
  const std::string_view groups[] = {form.digits};
  loadGroupForm(grid, history,
                {.groups = groups, .groupLength = int(form.digits.size()), .groupColWidth = 806, .mark = kMark,
                 .threeWayBox = form.marking == DigitSetMarking::AnyBox, .spareCells = 5});
}

}  // namespace corvessa::charts
