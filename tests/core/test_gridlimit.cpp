// A chart whose grid would not fit in memory: the grid is refused by its shape
// before anything is allocated, and the window opens empty with one message.
// A small limit of the test's own stands in for the computer's memory.
#include "charts/framework/chartdump.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "core/resultgrid.h"
#include "support/core/chartcells.h"
#include "support/core/qtprint.h"

#include <gtest/gtest.h>

using namespace corvessa;
using charts::chartDumpText;
using test::registeredTool;

namespace {

class SmallGridLimit {
 public:
  explicit SmallGridLimit(std::size_t cells) { setGridCellLimit(cells); }
  ~SmallGridLimit() { setGridCellLimit(0); }
  SmallGridLimit(const SmallGridLimit &) = delete;
  SmallGridLimit &operator=(const SmallGridLimit &) = delete;
};

DrawHistory historyOfDraws(int count) {
  QByteArray file;
  for (int i = 1; i <= count; ++i)
    file += QByteArray::number(i) + ' ' + char('0' + i % 10) + ' ' + char('0' + i / 10 % 10) + " 5\r\n";
  return parseDrawHistory(file);
}

}  // namespace

TEST(GridLimit, AShapeBeyondTheLimitIsRefusedAndTheGridStaysAsItWas) {
  const SmallGridLimit limit(1000);
  ResultGrid grid(10, 100);
  grid.setText(9, 99, "kept");
  try {
    grid.setRows(11);
    FAIL() << "no refusal";
  } catch (const GridTooLarge &e) {
    EXPECT_EQ(e.cells(), 1100u);
    EXPECT_EQ(e.limit(), 1000u);
  }
  EXPECT_THROW(grid.setCols(101), GridTooLarge);
  EXPECT_THROW(grid.reserveRows(11), std::length_error);
  EXPECT_THROW(ResultGrid(1001, 1), GridTooLarge);
  EXPECT_EQ(grid.rows(), 10);
  EXPECT_EQ(grid.cols(), 100);
  EXPECT_EQ(grid.text(9, 99), "kept");
  grid.setRows(0);
  grid.setCols(1000);  // no rows, no cells
  grid.setRows(1);
  EXPECT_EQ(grid.cols(), 1000);
}

// "2 digits from 4 digits" has 215 columns: ten million draws would take a
// grid of 12.9 GB. Here 100 draws outgrow a limit of 20,000 cells.
TEST(GridLimit, AChartThatDoesNotFitOpensEmptyWithOneMessage) {
  const ToolEntry &tool = registeredTool("frmdanma4");
  const std::string empty = chartDumpText(computeChart(tool, DrawHistory{}), true);
  const SmallGridLimit limit(20000);
  RecordingHost host;
  ToolSession session(tool, &host);
  session.load(historyOfDraws(100));
  EXPECT_EQ(chartDumpText(session.state().grid, true), empty);
  EXPECT_EQ(session.state().drawCount, 0);
  EXPECT_EQ(session.state().caption, "2 digits from 4 digits");
  ASSERT_EQ(host.messages.size(), 1u);
  const RecordingHost::Message &m = host.messages[0];
  EXPECT_EQ(m.title, "Error:");
  EXPECT_EQ(m.text, "This chart needs a grid of 21930 cells, more than the 20000 cells that fit in this computer's "
                    "memory.\nThe history of 100 draws is not shown; the chart shows no draws.");
  EXPECT_FALSE(m.busy);  // said once the load is over
  EXPECT_EQ(m.caption, "2 digits from 4 digits");

  // The same history under the limit: the whole chart, nothing said.
  host.messages.clear();
  session.load(historyOfDraws(50));
  EXPECT_EQ(session.state().drawCount, 50);
  EXPECT_TRUE(host.messages.empty());
}

// An enquiry widens the grid after the load: one beyond the limit stops with
// the message, and the window stays usable.
TEST(GridLimit, AnEnquiryThatDoesNotFitSaysSo) {
  const SmallGridLimit limit(2000);
  RecordingHost host;
  ToolSession session(registeredTool("frmzhixuanhaocx"), &host);
  session.load(historyOfDraws(100));  // 102 rows of 5 columns
  ASSERT_TRUE(host.messages.empty());
  ASSERT_TRUE(session.enquire("123 456 789 012 345 678 901 234 567 890 111 222 333 444 555"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Error:");
  EXPECT_TRUE(host.messages[0].text.startsWith("This chart needs a grid of 2226 cells, more than the 2000 cells"))
      << host.messages[0].text.toStdString();
  EXPECT_FALSE(host.messages[0].busy);
  EXPECT_EQ(session.state().caption, "Straight Number Enquire");
  host.messages.clear();
  ASSERT_TRUE(session.enquire("123"));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(session.state().grid.text(0, 5), "123");
}
