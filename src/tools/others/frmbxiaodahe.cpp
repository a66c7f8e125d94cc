// "Sum of Small-Sum of Big": the sum of each draw's small digits (0 to 4),
// then of its big digits. Small digits make no more than 12, big digits
// nothing from 1 to 4.
#include "tools/others/tools.h"

#include "charts/families/classsums.h"
#include "charts/digitclasses.h"

namespace corvessa::tools {
namespace {

constexpr ColumnWidths kSpacers[] = {{4, 6, 20}};

}  // namespace

ToolEntry frmbxiaodahe() {
  return charts::classSumTool(
      {.id = titledWindow("frmbxiaodahe", "Sum of Small-Sum of Big", "\\help\\Sum_of_Small-Sum_of_Big.htm"),
       .firstClass = [](int d) { return !charts::isBigDigit(d); },
       .spacerWidths = kSpacers});
}

}  // namespace corvessa::tools
