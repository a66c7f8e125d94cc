// 6 Way Box draws whose three digits all lie in the six digits 145789.
#include "charts/digitset.h"

namespace corvessa {
namespace {

constexpr charts::DigitSetForm kForm{
    .windowName = "frmgaopin6ma",
    .menuItem = "caigaopin6ma6",
    .caption = "6 Way Box winning number from this \"6 digits\"",
    .title = "6 Way Box winning number from this 6 digits",
    .digits = "145789",
    .marking = charts::DigitSetMarking::SixWayBoxOnly,
};

void load(ResultGrid &grid, const DrawHistory &history) { charts::loadDigitSetForm(grid, history, kForm); }

const bool registered = registerTool(charts::digitSetDesign(kForm), load);

}  // namespace
}  // namespace corvessa
