// For every draw, the 120 sets of three different digits that hold none of its digits.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma30() {
  return charts::digitSetTool(
      {.id = titledWindow("frmdanma30", "0 digits from 3 digits", "\\help\\0_digits_from_3_digits.htm"),
       .setSize = 3,
       .setColWidth = 420,
       .marking = charts::DigitSetMarking::NoDigit});
}

}  // namespace corvessa::tools
