// A family member is one description, and its tool's load runs long after
// the function that wrote the description has returned. These members keep
// their tables inside that function, where a maintainer may well move them:
// the charts still show those tables. And a description whose tables
// contradict what its family reads from them is refused.
#include "charts/families/classsums.h"
#include "charts/families/enquiryform.h"
#include "charts/families/groupform.h"
#include "charts/families/targetpairs.h"
#include "charts/families/ticketform.h"
#include "charts/families/winningset.h"
#include "charts/families/winningtickets.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

using namespace corvessa;

namespace {

[[gnu::noinline]] ToolEntry groupMember() {
  const std::string_view groups[] = {"0126", "3459"};
  return charts::groupChartTool({.id = titledWindow("frmlocalgroups", "Local groups"),
                                 .groups = groups,
                                 .groupColWidth = 434,
                                 .mark = "****"});
}

[[gnu::noinline]] ToolEntry ticketMember() {
  const std::string_view tickets[] = {"012", "345"};
  return charts::ticketChartTool({.id = titledWindow("frmlocaltickets", "Local tickets"),
                                  .tickets = tickets,
                                  .match = charts::TicketMatch::BoxKey,
                                  .mark = "***",
                                  .gatherHeader = "Gather",
                                  .gatherCounted = true,
                                  .average = charts::AverageForm::EmptyWhenNoHit});
}

[[gnu::noinline]] ToolEntry winningTicketMember() {
  const std::string_view tickets[] = {"012", "345"};
  return charts::winningTicketTool({.id = titledWindow("frmlocalwins", "Local wins"),
                                    .tickets = tickets,
                                    .shadedTicket = [](std::string_view ticket) { return ticket == "345"; }});
}

// Writes over the stack that the members' functions used.
[[gnu::noinline]] void overwriteStack() {
  volatile char junk[16384];
  for (volatile char &c : junk)
    c = char(0xA5);
}

}  // namespace

TEST(FamilyTables, ATableInsideTheMembersFunctionLivesOnInItsLoad) {
  struct Case {
    const char *name;
    ToolEntry (*member)();
    int firstCol;  // of the two table columns
    QStringList headers;
    const char *mark;
    Rgb hitBack;
  } cases[] = {
      {"group", groupMember, 5, {"0126", "3459"}, "****", 0},
      {"ticket", ticketMember, 5, {"012", "345"}, "***", 0},
      {"winning ticket", winningTicketMember, 6, {"012", "345"}, "****", rgb(255, 0, 0)},
  };
  // Draw 1 is in the first group or ticket, draw 2 in the second.
  const DrawHistory history = parseDrawHistory(test::history({"2 1 0", "5 4 3", "7 8 8"}));
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const ToolEntry tool = c.member();
    overwriteStack();
    const ResultGrid grid = computeChart(tool, history);
    const int second = c.firstCol + 1;
    EXPECT_EQ(test::cellTexts(grid, 0, c.firstCol, second), c.headers);
    EXPECT_EQ(grid.text(1, c.firstCol), c.mark);
    EXPECT_EQ(grid.text(2, second), c.mark);
    EXPECT_EQ(grid.backColor(2, second), c.hitBack);
    EXPECT_NE(grid.text(3, c.firstCol), c.mark);
  }
  // The shade stays where the table put it, under the miss counts.
  const ResultGrid wins = computeChart(winningTicketMember(), history);
  EXPECT_EQ(wins.backColor(1, 7), charts::kTicketShade);
  EXPECT_EQ(wins.backColor(1, 8), 0u);
}

// A table that the family could never read as its description says is a
// mistake refused as the tool is built, so at registration, naming the
// window: never a chart that silently leaves hits unmarked.
TEST(FamilyTables, ADescriptionThatContradictsItsTablesIsRefused) {
  using charts::TicketMatch;
  const auto tickets = [](std::initializer_list<std::string_view> list, TicketMatch match,
                          std::string_view letters = {}, int letterCols = 0) {
    return charts::ticketChartTool({.id = titledWindow("frmbad", "Bad"),
                                    .tickets = list,
                                    .match = match,
                                    .mark = "***",
                                    .gatherHeader = "Gather",
                                    .gatherCounted = false,
                                    .average = charts::AverageForm::DrawCount,
                                    .setLetters = letters,
                                    .letterCols = letterCols});
  };
  const auto enquiry = [](int maxEntries, const char *tooMany) {
    return charts::enquiryTool({.id = titledWindow("frmbad", "Bad"),
                                .frameCaption = "",
                                .key = charts::EnquiryKey::DrawNumber,
                                .maxEntries = maxEntries,
                                .noEntryMessage = "",
                                .tooManyMessage = tooMany,
                                .helpPlace = {},
                                .exitPlace = {}});
  };
  const struct {
    const char *name;
    std::function<ToolEntry()> build;
    const char *fault;  // a part of the message
  } cases[] = {
      {"a group naming a digit twice",
       [] {
         return charts::groupChartTool(
             {.id = titledWindow("frmbad", "Bad"), .groups = {"01249", "01229"}, .groupColWidth = 496, .mark = "*"});
       },
       "\"01229\""},
      {"a winning set with a letter",
       [] {
         return charts::winningSetTool({.id = titledWindow("frmbad", "Bad"),
                                        .digits = "14578x",
                                        .marking = charts::WinningSetMarking::AnyBox});
       },
       "\"14578x\""},
      {"a sorted ticket out of order", [&] { return tickets({"055", "550"}, TicketMatch::SortedKey); }, "\"550\""},
      {"a box ticket with a repeated digit", [&] { return tickets({"012", "112"}, TicketMatch::BoxKey); }, "\"112\""},
      {"a box ticket of two digits", [&] { return tickets({"012", "34"}, TicketMatch::BoxKey); }, "\"34\""},
      {"letters sharing tickets unevenly",
       [&] { return tickets({"012", "013", "014", "015"}, TicketMatch::SortedKey, "ABC", 3); },
       "3 set letters"},
      {"more letters than their columns",
       [&] { return tickets({"012", "013", "014", "015"}, TicketMatch::SortedKey, "AB", 1); },
       "2 set letters"},
      {"a winning ticket out of order",
       [] { return charts::winningTicketTool({.id = titledWindow("frmbad", "Bad"), .tickets = {"012", "210"}}); },
       "\"210\""},
      {"a target pair larger digit first",
       [] {
         return charts::targetPairTool({.id = titledWindow("frmbad", "Bad"),
                                        .pairs = {"01", "12", "23", "34", "45", "56", "67", "78", "89", "90"}});
       },
       "\"90\""},
      {"a limit its message does not name", [&] { return enquiry(400, "cannot be more than 70 Tickets!"); }, "400"},
      {"a limit inside a larger number", [&] { return enquiry(40, "cannot be more than 400 Tickets!"); }, "40"},
      {"a class sum without a second class",
       [] {
         return charts::classSumTool(
             {.id = titledWindow("frmbad", "Bad"), .firstClass = [](int) { return true; }, .spacerWidths = {}});
       },
       "second class"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    try {
      c.build();
      ADD_FAILURE() << "not refused";
    } catch (const std::logic_error &e) {
      const std::string what = e.what();
      EXPECT_EQ(what.rfind("frmbad: ", 0), 0u) << what;
      EXPECT_NE(what.find(c.fault), std::string::npos) << what;
    }
  }
  // The members as the program describes them are all taken.
  EXPECT_NO_THROW(enquiry(70, "The Box Number you want to enquire cannot be more than 70 Tickets!"));
  EXPECT_NO_THROW(tickets({"037", "027", "055", "045"}, TicketMatch::SortedKey, "AB", 3));
}
