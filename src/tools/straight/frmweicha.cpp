// |H-T|, |H-U| and |T-U| of every draw, each in its block.
#include "tools/straight/tools.h"

#include "charts/families/positionpairs.h"

namespace corvessa::tools {

ToolEntry frmweicha() {
  return charts::positionPairTool(
      {.id = titledWindow("frmweicha", "absolute value of H-T H-U T-U", "\\help\\Absolute_value_of_H-T_H-U_T-U.htm"),
       .value = charts::PairValue::AbsoluteDifference});
}

}  // namespace corvessa::tools
