// "16 Tickets follow": 16 box tickets of three different digits, hit by the
// draws of those digits in any order; the gather column has no header.
#include "tools/box/tools.h"

#include "charts/families/ticketform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kTickets[] = {
    "026", "045", "126", "145",  // columns 5 to 8
    "236", "245", "246", "256",  // 9 to 12
    "267", "268", "269", "345",  // 13 to 16
    "456", "457", "458", "459",  // 17 to 20
};

}  // namespace

ToolEntry frmqita1() {
  return charts::ticketChartTool({.id = titledWindow("frmqita1", "16 Tickets follow", "\\help\\N_Tickets_follow.htm"),
                                  .tickets = kTickets,
                                  .match = charts::TicketMatch::BoxKey,
                                  .mark = "*****",
                                  .gatherHeader = "",
                                  .gatherCounted = true,
                                  .average = charts::AverageForm::EmptyWhenNoHit,
                                  .ticketColWidth = 496,
                                  .gatherColWidth = 558,
                                  .fontPoints = 6.75});
}

}  // namespace corvessa::tools
