// For every draw, the 120 sets of three different digits that hold none of its digits.
#include "tools/digit/tools.h"

#include "charts/families/digitset.h"

namespace corvessa::tools {

ToolEntry frmdanma30() {
  return charts::digitSetTool({.windowName = "frmdanma30",
                               .title = "0 digits from 3 digits",
                               .setSize = 3,
                               .setColWidth = 420,
                               .marking = charts::DigitSetMarking::NoDigit,
                               .helpPage = "\\help\\0_digits_from_3_digits.htm"});
}

}  // namespace corvessa::tools
