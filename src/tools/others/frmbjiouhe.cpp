// "Sum of Odd-Sum of Even": the sum of each draw's odd digits, then of its
// even digits. Odd digits cannot make 20, 22, 24 or 26, even digits no odd sum.
#include "tools/others/tools.h"

#include "charts/families/classsums.h"
#include "charts/digitclasses.h"

namespace corvessa::tools {
namespace {

constexpr ColumnWidths kSpacers[] = {{4, 6, 20}};

}  // namespace

ToolEntry frmbjiouhe() {
  return charts::classSumTool(
      {.id = titledWindow("frmbjiouhe", "Sum of Odd-Sum of Even", "\\help\\Sum_of_Odd-Sum_of_Even.htm"),
       .firstClass = charts::isOddDigit,
       .spacerWidths = kSpacers});
}

}  // namespace corvessa::tools
