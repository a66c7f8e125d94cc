// 6 Way Box draws whose three digits all lie in the seven digits 0124589.
#include "charts/digitset.h"

namespace corvessa::tools {

ToolEntry frmgaopin7ma() {
  return charts::digitSetTool({.windowName = "frmgaopin7ma",
                               .caption = "6 Way Box winning number from this \"7 digits\"",
                               .digits = "0124589",
                               .marking = charts::DigitSetMarking::SixWayBoxOnly});
}

}  // namespace corvessa::tools
