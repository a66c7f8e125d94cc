// 6 Way Box draws inside 6 fixed groups of seven digits.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kGroups[] = {
    "0123489", "0156789", "0245678", "0345679", "1234567", "2356789",
};

}  // namespace

ToolEntry frmzuxuan7() {
  return charts::groupChartTool(
      {.id = titledWithoutQuotes("frmzuxuan7", "6 Way Box winning number from these \"7 digits\""),
       .groups = kGroups,
       .groupColWidth = 682,
       .mark = "*****"});
}

}  // namespace corvessa::tools
