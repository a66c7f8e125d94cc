// "30 Tickets follow B": 30 box tickets of three different digits, in
// ascending order, hit by the draws of those digits in any order.
#include "tools/box/tools.h"

#include "charts/families/ticketform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kTickets[] = {
    "018", "028", "035", "036", "038", "057", "058", "059", "127", "134",  // columns 5 to 14
    "139", "149", "156", "158", "159", "169", "179", "237", "238", "248",  // 15 to 24
    "259", "268", "289", "347", "357", "369", "378", "456", "458", "459",  // 25 to 34
};

}  // namespace

ToolEntry frmqita2() {
  return charts::ticketChartTool({.id = titledWindow("frmqita2", "30 Tickets follow B", "\\help\\N_Tickets_follow.htm"),
                                  .tickets = kTickets,
                                  .match = charts::TicketMatch::BoxKey,
                                  .mark = "***",
                                  .gatherHeader = "Gather",
                                  .gatherCounted = true,
                                  .average = charts::AverageForm::DrawCount});
}

}  // namespace corvessa::tools
