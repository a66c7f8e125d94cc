// A family member is one description, and its tool's load runs long after
// the function that wrote the description has returned. These members keep
// their tables inside that function, where a maintainer may well move them:
// the charts still show those tables.
#include "charts/families/groupform.h"
#include "charts/families/ticketform.h"
#include "charts/families/winningtickets.h"
#include "core/drawfile.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

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
  const charts::ColumnRange shaded[] = {{7, 7}};
  return charts::winningTicketTool(
      {.id = titledWindow("frmlocalwins", "Local wins"), .tickets = tickets, .shadedColumns = shaded});
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
