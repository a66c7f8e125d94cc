// "70 Tickets follow": 70 box tickets of three different digits, grouped by
// their digit sum, the columns of the even sums shaded; every win is tallied
// by the draws its ticket had missed.
#include "tools/box/tools.h"

#include "charts/families/winningtickets.h"

namespace corvessa::tools {
namespace {

constexpr std::string_view kTickets[] = {
    "014",                                             // sum 5: column 6
    "024", "015",                                      // sum 6: columns 7 to 8
    "034", "016",                                      // sum 7: 9 to 10
    "035", "017", "134", "125",                        // sum 8: 11 to 14
    "126", "018", "036", "027",                        // sum 9: 15 to 18
    "037", "145", "019", "046", "028",                 // sum 10: 19 to 23
    "245", "029", "137", "128", "146",                 // sum 11: 24 to 28
    "057", "138", "147", "156", "237",                 // sum 12: 29 to 33
    "067", "148", "157", "139", "256", "049", "346",   // sum 13: 34 to 40
    "167", "149", "239", "248", "257", "356", "158",   // sum 14: 41 to 47
    "357", "348", "258", "249", "267", "078",          // sum 15: 48 to 53
    "457", "349", "268", "178", "259",                 // sum 16: 54 to 58
    "467", "089", "458", "278",                        // sum 17: 59 to 62
    "189", "279", "378",                               // sum 18: 63 to 65
    "469", "568", "379",                               // sum 19: 66 to 68
    "479", "569",                                      // sum 20: 69 to 70
    "678", "489",                                      // sum 21: 71 to 72
    "679", "589",                                      // sum 22: 73 to 74
    "689",                                             // sum 23: 75
};

// The tickets of the even digit sums 6, 8, ..., 22 are shaded.
bool hasEvenDigitSum(std::string_view ticket) {
  int sum = 0;
  for (char digit : ticket)
    sum += digit - '0';
  return sum % 2 == 0;
}

}  // namespace

ToolEntry frmzuliu70() {
  return charts::winningTicketTool(
      {.id = titledWindow("frmzuliu70", "70 Tickets follow", "\\help\\N_Tickets_follow.htm"),
       .tickets = kTickets,
       .shadedTicket = hasEvenDigitSum});
}

}  // namespace corvessa::tools
