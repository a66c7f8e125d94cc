// 6 Way Box draws inside the ten runs of six consecutive digits, 9 running on to 0.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

// Each run is written from its first digit, so the last five wrap past 9.
constexpr std::string_view kGroups[] = {
    "012345", "123456", "234567", "345678", "456789", "567890", "678901", "789012", "890123", "901234",
};

}  // namespace

ToolEntry frm6lianhao() {
  return charts::groupChartTool(
      {.id = titledWithoutQuotes("frm6lianhao", "6 Way Box winning number from these \"6 digits\""),
       .groups = kGroups,
       .groupColWidth = 620,
       .mark = "*****",
       .hiddenHelp = true});
}

}  // namespace corvessa::tools
