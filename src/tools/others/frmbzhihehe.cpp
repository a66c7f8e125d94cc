// "Sum of Prime-Sum of Composite": the sum of each draw's prime digits (1, 2,
// 3, 5, 7), then of its composite digits (0, 4, 6, 8, 9).
#include "tools/others/tools.h"

#include "charts/families/classsums.h"
#include "charts/digitclasses.h"

namespace corvessa::tools {
namespace {

constexpr ColumnWidths kSpacers[] = {{4, 4, 20}, {5, 6, 2}, {35, 35, 20}};  // spacers and separator

}  // namespace

ToolEntry frmbzhihehe() {
  return charts::classSumTool(
      {.id = titledWindow("frmbzhihehe", "Sum of Prime-Sum of Composite", "\\help\\Sum_of_Prime-Sum_of_Composite.htm"),
       .firstClass = charts::isPrimeDigit,
       .spacerWidths = kSpacers});
}

}  // namespace corvessa::tools
