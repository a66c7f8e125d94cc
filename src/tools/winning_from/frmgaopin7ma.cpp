// 6 Way Box draws whose three digits all lie in the seven digits 0124589.
#include "charts/digitset.h"

namespace corvessa {
namespace {

constexpr charts::DigitSetForm kForm{
    .windowName = "frmgaopin7ma",
    .menuItem = "caigaopin7ma6",
    .caption = "6 Way Box winning number from this \"7 digits\"",
    .title = "6 Way Box winning number from this 7 digits",
    .digits = "0124589",
    .marking = charts::DigitSetMarking::SixWayBoxOnly,
};

void load(ResultGrid &grid, const DrawHistory &history) { charts::loadDigitSetForm(grid, history, kForm); }

const bool registered = registerTool(charts::digitSetDesign(kForm), load);

}  // namespace
}  // namespace corvessa
