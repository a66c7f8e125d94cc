// For every draw, the 120 sets of three different digits that hold two or more of its digits.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma3c2() {
  return charts::digitSetTool(
      {.id = titledWindow("frmdanma3c2", "2 digits from 3 digits", "\\help\\2_digits_from_3_digits.htm"),
       .setSize = 3,
       .setColWidth = 420,
       .marking = charts::DigitSetMarking::TwoOrMoreDigits});
}

}  // namespace corvessa::tools
