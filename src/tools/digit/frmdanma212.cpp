// For every draw, the 45 pairs of different digits that hold one of its digits (" *") or both ("$").
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma212() {
  return charts::digitSetTool(
      {.id = titledWindow("frmdanma212", "1-2 digits from 2 digits", "\\help\\1-2_digits_from_2_digits.htm"),
       .setSize = 2,
       .setColWidth = 300,
       .marking = charts::DigitSetMarking::OneOrMoreDigits,
       .fontPoints = 6.75});
}

}  // namespace corvessa::tools
