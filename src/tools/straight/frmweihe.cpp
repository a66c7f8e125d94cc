// The units digit of H+T, H+U and T+U of every draw, each in its block.
#include "tools/straight/tools.h"

#include "charts/families/positionpairs.h"

namespace corvessa::tools {

ToolEntry frmweihe() {
  return charts::positionPairTool(
      {.id = titledWindow("frmweihe", "Units of H+T H+U T+U", "\\help\\Units_of_H_T_H_U_T_U.htm"),
       .value = charts::PairValue::SumUnits});
}

}  // namespace corvessa::tools
