// |H-T|, |H-U| and |T-U| of every draw, each in its block.
#include "tools/straight/tools.h"

#include "charts/families/positionpairs.h"

namespace corvessa::tools {

ToolEntry frmweicha() {
  return charts::positionPairTool({.windowName = "frmweicha",
                                   .title = "absolute value of H-T H-U T-U",
                                   .helpPage = "\\help\\Absolute_value_of_H-T_H-U_T-U.htm",
                                   .value = charts::PairValue::AbsoluteDifference});
}

}  // namespace corvessa::tools
