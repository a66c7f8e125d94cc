// 6 Way Box draws inside 17 fixed groups of five digits.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

// Ascending but for the last two, which keep the order the chart has always shown.
constexpr std::string_view kGroups[] = {
    "01249", "01268", "01346", "01467", "01569", "02357", "02458", "03789", "12359",
    "12378", "12589", "13478", "14579", "23456", "24679", "34689", "34678",
};

}  // namespace

ToolEntry frmzuxuan1() {
  return charts::groupChartTool(
      {.id = titledWithoutQuotes("frmzuxuan1", "6 Way Box winning number from these \"5 digits\""),
       .groups = kGroups,
       .groupColWidth = 496,
       .mark = "*****"});
}

}  // namespace corvessa::tools
