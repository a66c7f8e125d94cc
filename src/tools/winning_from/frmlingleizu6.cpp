// 6 Way Box draws inside twenty groups, each one whole class of digits by
// their remainder modulo 3 plus one digit of another class.
#include "tools/winning_from/tools.h"

#include "charts/families/groupform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kGroups[] = {
    "1470",  "1473",  "1476",  "1479",  "1472",  "1475",  "1478",  // 1 4 7 and 0 3 6 9 2 5 8
    "2580",  "2583",  "2586",  "2589",  "2581",  "2584",  "2587",  // 2 5 8 and 0 3 6 9 1 4 7
    "03691", "03694", "03697", "03692", "03695", "03698",          // 0 3 6 9 and 1 4 7 2 5 8
};

}  // namespace

ToolEntry frmlingleizu6() {
  return charts::groupChartTool(
      {.id = titledWithoutQuotes("frmlingleizu6", "6 Way Box winning number from these \"N digits\""),
       .groups = kGroups,
       .groupColWidth = 496,
       .mark = "****"});
}

}  // namespace corvessa::tools
