// "Sum of Odd-Sum of Even": the sum of each draw's odd digits, then of its
// even digits. Odd digits cannot make 20, 22, 24 or 26, even digits no odd sum.
#include "tools/others/tools.h"

#include "charts/families/classsums.h"
#include "charts/digitclasses.h"

namespace corvessa::tools {
namespace {

constexpr ColumnWidths kWidths[] = {
    {4, 6, 20},                                          // spacers
    {27, 27, 2}, {29, 29, 2}, {31, 31, 2}, {33, 33, 2},  // odd sums 20, 22, 24, 26
    {37, 37, 2}, {39, 39, 2}, {41, 41, 2}, {43, 43, 2}, {45, 45, 2}, {47, 47, 2},
    {49, 49, 2}, {51, 51, 2}, {53, 53, 2}, {55, 55, 2}, {57, 57, 2}, {59, 59, 2},  // even sums 1, 3, ... 23
};

}  // namespace

ToolEntry frmbjiouhe() {
  return charts::classSumTool(
      {.id = titledWindow("frmbjiouhe", "Sum of Odd-Sum of Even", "\\help\\Sum_of_Odd-Sum_of_Even.htm"),
       .firstClass = charts::isOddDigit,
       .lastCol = 60,
       .widths = kWidths});
}

}  // namespace corvessa::tools
