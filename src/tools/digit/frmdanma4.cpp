// For every draw, the 210 sets of four different digits that hold two or more of its digits.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma4() {
  return charts::digitSetTool(
      {.id = titledWindow("frmdanma4", "2 digits from 4 digits", "\\help\\2_digits_from_4_digits.htm"),
       .setSize = 4,
       .setColWidth = 480,
       .marking = charts::DigitSetMarking::TwoOrMoreDigits});
}

}  // namespace corvessa::tools
