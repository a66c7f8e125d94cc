// "Sum of Small-Sum of Big": the sum of each draw's small digits (0 to 4),
// then of its big digits. Small digits make no more than 12, big digits
// nothing from 1 to 4.
#include "tools/others/tools.h"

#include "charts/families/classsums.h"
#include "charts/digitclasses.h"

namespace corvessa::tools {
namespace {

constexpr ColumnWidths kWidths[] = {
    {4, 6, 20},   // spacers
    {20, 34, 2},  // small sums 13 to 27
    {37, 40, 2},  // big sums 1 to 4
};

}  // namespace

ToolEntry frmbxiaodahe() {
  return charts::classSumTool(
      {.id = titledWindow("frmbxiaodahe", "Sum of Small-Sum of Big", "\\help\\Sum_of_Small-Sum_of_Big.htm"),
       .firstClass = [](int d) { return !charts::isBigDigit(d); },
       .lastCol = 63,
       .widths = kWidths});
}

}  // namespace corvessa::tools
