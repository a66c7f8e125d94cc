#include "charts/families/winningset.h"

#include "charts/families/groupform.h"

namespace corvessa::charts {

ToolEntry winningSetTool(const WinningSetForm &form) {
  const GroupForm group{.id = form.id,
                        .groupLength = int(form.digits.size()),
                        .groupColWidth = 806,
                        .mark = "*****",
                        .threeWayBox = form.marking == WinningSetMarking::AnyBox,
                        .reset = SpareRowReset::Cells0To5,
                        .fontPoints = 7.5};
  const std::string_view digits = form.digits;
  return ToolEntry{groupChartDesign(group, 1), [group, digits](ToolWindowState &state, const DrawHistory &history) {
                     // The set is the one group.
                     const std::string_view groups[] = {digits};
                     GroupForm withSet = group;
                     withSet.groups = groups;
                     loadGroupForm(state, history, withSet);
                   }};
}

}  // namespace corvessa::charts
