// The units digit of H*T, H*U and T*U of every draw, each in its block.
#include "tools/straight/tools.h"

#include "charts/families/positionpairs.h"

namespace corvessa::tools {

ToolEntry frmweiji() {
  return charts::positionPairTool(
      {.id = titledWindow("frmweiji", "Units of H*T H*U T*U", "\\help\\Units_of_HmT_HmU_TmU.htm"),
       .value = charts::PairValue::ProductUnits});
}

}  // namespace corvessa::tools
