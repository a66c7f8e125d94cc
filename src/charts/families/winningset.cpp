#include "charts/families/winningset.h"

#include "charts/drawrows.h"
#include "charts/families/groupform.h"
#include "charts/framework/toolframe.h"

namespace corvessa::charts {

ToolEntry winningSetTool(const WinningSetForm &form) {
  ToolDesign d;
  d.windowName = QString::fromUtf8(form.windowName);
  d.caption = QString::fromUtf8(form.caption);
  d.title = captionWithoutQuotes(form.caption);
  d.cols = 6;
  d.controls = {gridControl(),
                resetButton([](ToolWindowState &s) { resetGridRows(s.grid, s.drawCount, 5); }),
                exitButton()};
  d.layout = standardLayout();
  const std::string_view digits = form.digits;
  const bool anyBox = form.marking == WinningSetMarking::AnyBox;
  return ToolEntry{std::move(d), [digits, anyBox](ToolWindowState &state, const DrawHistory &history) {
                     const std::string_view groups[] = {digits};
                     loadGroupForm(state, history,
                                   {.groups = groups, .groupLength = int(digits.size()), .groupColWidth = 806,
                                    .mark = "*****", .threeWayBox = anyBox, .spareCells = 5});
                   }};
}

}  // namespace corvessa::charts
