// Box draws, 6 Way and 3 Way, whose digits all lie in the seven digits 0124589.
#include "charts/digitset.h"

namespace corvessa::tools {

ToolEntry frmgaopin7ma36() {
  return charts::digitSetTool({.windowName = "frmgaopin7ma36",
                               .caption = "Box winning number from this \"7 digits\"",
                               .digits = "0124589",
                               .marking = charts::DigitSetMarking::AnyBox});
}

}  // namespace corvessa::tools
