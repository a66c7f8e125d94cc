// Box draws, 6 Way and 3 Way, whose digits all lie in the seven digits 0124589.
#include "charts/digitset.h"

namespace corvessa {
namespace {

constexpr charts::DigitSetForm kForm{
    .windowName = "frmgaopin7ma36",
    .menuItem = "caigaopin7ma36",
    .caption = "Box winning number from this \"7 digits\"",
    .title = "Box winning number from this 7 digits",
    .digits = "0124589",
    .marking = charts::DigitSetMarking::AnyBox,
};

void load(ResultGrid &grid, const DrawHistory &history) { charts::loadDigitSetForm(grid, history, kForm); }

const bool registered = registerTool(charts::digitSetDesign(kForm), load);

}  // namespace
}  // namespace corvessa
