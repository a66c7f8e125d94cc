// For every draw, the 210 sets of four different digits that hold none of its digits.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma40() {
  return charts::digitSetTool(
      {.id = titledWindow("frmdanma40", "0 digits from 4 digits", "\\help\\0_digits_from_4_digits.htm"),
       .setSize = 4,
       .setColWidth = 480,
       .marking = charts::DigitSetMarking::NoDigit});
}

}  // namespace corvessa::tools
