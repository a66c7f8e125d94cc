// 6 Way Box draws inside 30 fixed groups of four digits. Every set of three
// different digits lies in exactly one group, so each such draw is marked once.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kGroups[] = {
    "0126", "0134", "0159", "0178", "0239", "0247", "0258", "0357", "0368", "0456",
    "0489", "0679", "1237", "1245", "1289", "1358", "1369", "1468", "1479", "1567",
    "2348", "2356", "2469", "2579", "2678", "3459", "3467", "3789", "4578", "5689",
};

}  // namespace

ToolEntry frmzuxuan4() {
  return charts::groupChartTool(
      {.id = titledWithoutQuotes("frmzuxuan4", "6 Way Box winning number from these \"4 digits\""),
       .groups = kGroups,
       .groupColWidth = 434,
       .mark = "****"});
}

}  // namespace corvessa::tools
