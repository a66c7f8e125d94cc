// "27 Tickets follow": 27 box tickets of three different digits, hit by the
// draws of those digits in any order.
#include "tools/box/tools.h"

#include "charts/families/ticketform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kTickets[] = {
    "038", "047", "058", "067", "078", "129", "138", "146", "167",  // columns 5 to 13
    "168", "169", "189", "236", "238", "256", "259", "267", "269",  // 14 to 22
    "279", "346", "356", "358", "367", "368", "378", "459", "467",  // 23 to 31
};

}  // namespace

ToolEntry frmqita3() {
  return charts::ticketChartTool({.id = titledWindow("frmqita3", "27 Tickets follow", "\\help\\N_Tickets_follow.htm"),
                                  .tickets = kTickets,
                                  .match = charts::TicketMatch::BoxKey,
                                  .mark = "***",
                                  .gatherHeader = "Gather",
                                  .gatherCounted = true,
                                  .average = charts::AverageForm::EmptyWhenNoHit});
}

}  // namespace corvessa::tools
