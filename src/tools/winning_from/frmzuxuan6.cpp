// 6 Way Box draws inside 10 fixed groups of six digits.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kGroups[] = {
    "012346", "012359", "012489", "013789", "026789", "045678", "123457", "156789", "234568", "345679",
};

}  // namespace

ToolEntry frmzuxuan6() {
  return charts::groupChartTool(
      {.id = titledWithoutQuotes("frmzuxuan6", "6 Way Box winning number from these \"6 digits\""),
       .groups = kGroups,
       .groupColWidth = 620,
       .mark = "*****"});
}

}  // namespace corvessa::tools
