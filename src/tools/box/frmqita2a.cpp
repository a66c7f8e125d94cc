// "30 Tickets follow A": 30 box tickets of three different digits, hit by the
// draws of those digits in any order.
#include "tools/box/tools.h"

#include "charts/families/ticketform.h"

namespace corvessa::tools {
namespace {

// Columns 5 to 34.
constexpr std::string_view kTickets[] = {
    "015", "025", "035", "045", "126", "037", "136", "056", "038", "047", "057", "138", "156", "058", "067",
    "238", "059", "167", "239", "249", "348", "259", "349", "358", "269", "368", "378", "459", "389", "479",
};

}  // namespace

ToolEntry frmqita2a() {
  return charts::ticketChartTool(
      {.id = titledWindow("frmqita2a", "30 Tickets follow A", "\\help\\N_Tickets_follow.htm"),
       .tickets = kTickets,
       .match = charts::TicketMatch::BoxKey,
       .mark = "***",
       .gatherHeader = "Gather",
       .gatherCounted = true,
       .average = charts::AverageForm::DrawCount});
}

}  // namespace corvessa::tools
