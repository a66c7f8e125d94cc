// For every draw, the 120 sets of three different digits that hold one or more of its digits.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma313() {
  return charts::digitSetTool(
      {.id = titledWindow("frmdanma313", "1-3 digits from 3 digits", "\\help\\1-3_digits_from_3_digits.htm"),
       .setSize = 3,
       .setColWidth = 420,
       .marking = charts::DigitSetMarking::AnyDigit});
}

}  // namespace corvessa::tools
