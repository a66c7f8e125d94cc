#include "charts/families/winningset.h"

#include "charts/families/groupform.h"

namespace corvessa::charts {

// The set is the one group.
ToolEntry winningSetTool(const WinningSetForm &form) {
  return groupChartTool({.id = form.id,
                         .groups = {form.digits},
                         .groupColWidth = 806,
                         .mark = "*****",
                         .threeWayBox = form.marking == WinningSetMarking::AnyBox,
                         .reset = SpareRowReset::Cells0To5,
                         .fontPoints = 7.5});
}

}  // namespace corvessa::charts
