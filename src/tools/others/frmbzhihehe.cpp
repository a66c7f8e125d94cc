// "Sum of Prime-Sum of Composite": the sum of each draw's prime digits (1, 2,
// 3, 5, 7), then of its composite digits (0, 4, 6, 8, 9).
#include "tools/others/tools.h"

#include "charts/families/classsums.h"
#include "charts/digitclasses.h"

namespace corvessa::tools {
namespace {

constexpr ColumnWidths kWidths[] = {
    {4, 4, 20},  {5, 6, 2},   {35, 35, 20},               // spacers and separator
    {25, 25, 2}, {27, 27, 2}, {29, 34, 2},                // prime sums 18, 20, 22 to 27
    {37, 39, 2}, {41, 41, 2}, {43, 43, 2},  {47, 47, 2},  // composite sums 1, 2, 3, 5, 7, 11
};

}  // namespace

ToolEntry frmbzhihehe() {
  return charts::classSumTool(
      {.id = titledWindow("frmbzhihehe", "Sum of Prime-Sum of Composite", "\\help\\Sum_of_Prime-Sum_of_Composite.htm"),
       .firstClass = charts::isPrimeDigit,
       .lastCol = 63,
       .widths = kWidths});
}

}  // namespace corvessa::tools
