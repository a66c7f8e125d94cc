// "50 Tickets follow AB": two sets of 50 box tickets, a ticket with a
// repeated digit among them, hit by the draws whose sorted digits spell it;
// fourteen tickets stand in both sets.
#include "tools/box/tools.h"

#include "charts/families/ticketform.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kTickets[] = {
    // Set A, columns 5 to 54.
    "036", "037", "038", "045", "047", "056", "057", "058", "067", "126", "136", "138", "146", "149", "156", "167",
    "168", "169", "235", "236", "237", "238", "239", "249", "256", "259", "267", "269", "345", "346", "347", "348",
    "349", "356", "358", "367", "368", "369", "378", "456", "459", "467", "469", "055", "166", "336", "338", "366",
    "388", "449",
    // Set B, columns 55 to 104.
    "035", "017", "134", "125", "037", "145", "019", "046", "028", "245", "029", "137", "128", "146", "067", "148",
    "157", "139", "256", "049", "346", "357", "348", "258", "249", "267", "078", "457", "349", "268", "178", "259",
    "189", "279", "378", "008", "044", "116", "055", "118", "226", "119", "155", "166", "177", "366", "088", "466",
    "556", "099",
};

}  // namespace

ToolEntry frmqita450() {
  return charts::ticketChartTool(
      {.id = titledWindow("frmqita450", "50 Tickets follow AB", "\\help\\N_Tickets_follow.htm"),
       .tickets = kTickets,
       .match = charts::TicketMatch::SortedKey,
       .mark = "***",
       .gatherHeader = "Gather",
       .gatherCounted = false,
       .average = charts::AverageForm::DrawCount,
       .setLetters = "AB",
       .letterCols = 3});
}

}  // namespace corvessa::tools
