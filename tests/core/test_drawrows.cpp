// Draw rows in a tool's grid: label texts, the digits, the box key, the
// spare row, and the stop rule as the grid shows it.
#include "tools/menus.h"
#include "charts/drawrows.h"
#include "charts/framework/tool.h"
#include "support/core/qtprint.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

DrawHistory historyOf(const QByteArray &file) { return parseDrawHistory(file); }

QStringList row(const ResultGrid &grid, int r) {
  QStringList cells;
  for (int c = 0; c < grid.cols(); ++c)
    cells << grid.text(r, c);
  return cells;
}

}  // namespace

TEST(DrawRows, LabelDigitsAndBoxKey) {
  struct Case {
    QByteArray record;
    QStringList cells;  // columns 0 to 4
  };
  const Case cases[] = {
      {"125 1 2 3", {" 125:123", "1", "2", "3", "123"}},
      {"0042 1 2 3", {" 42:123", "1", "2", "3", "123"}},
      {"-5 3 2 1", {"-5:321", "3", "2", "1", "123"}},
      {"7 0 0 9", {" 7:009", "0", "0", "9", "09"}},
      {"8 4 4 4", {" 8:444", "4", "4", "4", "4"}},
      {"9 9 0 4", {" 9:904", "9", "0", "4", "049"}},
      {"10 5 5 5", {" 10:555", "5", "5", "5", "5"}},
      {"11 7 2 7", {" 11:727", "7", "2", "7", "27"}},
      {"12 3 3 8", {" 12:338", "3", "3", "8", "38"}},
      {"20260812001 8 3 3", {" 20260812001:833", "8", "3", "3", "38"}},
  };
  for (const Case &c : cases) {
    const DrawHistory history = historyOf(c.record + "\r\n");
    ResultGrid grid(1, 5);
    resetGridRows(grid, int(history.draws.size()), 4);
    fillDrawRowsWithBoxKey(grid, history, 4);
    EXPECT_EQ(row(grid, 1), c.cells) << c.record.toStdString();
  }
}

TEST(DrawRows, SortAndBoxKeyOfEveryDraw) {
  for (int code = 0; code < 1000; ++code) {
    const Digits draw{code / 100, code / 10 % 10, code % 10};
    Digits sorted = draw;
    sortDigitsAscending(sorted);
    Digits expected = draw;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected) << code;

    Digits keyed = draw;
    const std::set<int> distinct(draw.begin(), draw.end());
    std::string key;
    for (int d : distinct)
      key += char('0' + d);
    EXPECT_EQ(makeBoxKey(keyed), key) << code;
    EXPECT_EQ(keyed, expected) << "the key sorts the digits in place, " << code;
  }
}

TEST(DrawRows, OffsetFillAndOwnKeyRoutine) {
  const DrawHistory history = historyOf("1 9 0 4\r\n2 1 1 2\r\n");
  ResultGrid offset(1, 8);
  resetGridRows(offset, 2, 0);
  offset.setText(1, 1, "kept");
  fillDrawRowsOffset(offset, history, 4);
  EXPECT_EQ(row(offset, 1), (QStringList{" 1:904", "kept", "", "", "", "9", "0", "4"}));
  EXPECT_EQ(row(offset, 2), (QStringList{" 2:112", "", "", "", "", "1", "1", "2"}));

  // Another menu's key in another column: the digits as drawn, sum last.
  ResultGrid keyed(1, 7);
  resetGridRows(keyed, 2, 0);
  fillDrawRowsWithBoxKey(keyed, history, 6, [](Digits &d) { return std::to_string(d[0] + d[1] + d[2]); });
  EXPECT_EQ(row(keyed, 1), (QStringList{" 1:904", "9", "0", "4", "", "", "13"}));
  EXPECT_EQ(row(keyed, 2), (QStringList{" 2:112", "1", "1", "2", "", "", "4"}));
}

TEST(DrawRows, ResetBlanksTheSpareRowUpToK) {
  ResultGrid grid(6, 8);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 8; ++c)
      grid.setText(r, c, "x");
  resetGridRows(grid, 3, 5);  // N = 3: rows 0..4, spare row 4
  EXPECT_EQ(grid.rows(), 5);
  EXPECT_EQ(row(grid, 4), (QStringList{"", "", "", "", "", "", "x", "x"}));
  EXPECT_EQ(row(grid, 3).join(""), "xxxxxxxx");

  resetGridRowsLong(grid, 1);  // rows N + 5; cells 0..4 of the spare row 2
  EXPECT_EQ(grid.rows(), 6);
  EXPECT_EQ(row(grid, 2), (QStringList{"", "", "", "", "", "x", "x", "x"}));
}

TEST(DrawRows, StopRuleAsTheGridShowsIt) {
  struct Case {
    const char *name;
    QByteArray file;
    int draws;
  };
  const Case cases[] = {
      {"trailing line break", "1 1 2 3\r\n2 4 5 6\r\n", 2},
      {"one more blank line", "1 1 2 3\r\n2 4 5 6\r\n\r\n", 2},
      {"0 label in the middle", "1 1 2 3\r\n0 4 5 6\r\n3 7 8 9\r\n", 1},
      {"blank line in the middle", "1 1 2 3\r\n\r\n3 7 8 9\r\n", 1},
      {"non-numeric label", "1 1 2 3\r\n2 4 5 6\r\nx 7 8 9\r\n4 1 1 1\r\n", 2},
      {"empty file", "", 0},
  };
  const ToolEntry *tool = toolRegistry().find("frmgaopin6ma");
  ASSERT_NE(tool, nullptr);
  for (const Case &c : cases) {
    const ResultGrid grid = computeChart(*tool, historyOf(c.file));
    EXPECT_EQ(grid.rows(), c.draws + 6) << c.name;  // header, draws, spare row, four footer rows
    EXPECT_EQ(grid.text(c.draws + 2, 0), "Amount") << c.name;
    EXPECT_EQ(grid.text(c.draws, 0).isEmpty(), c.draws == 0) << c.name;
  }
}

TEST(DrawRows, LabelForms) {
  struct Case {
    LabelForm form;
    QByteArray record;
    QStringList labels;  // column 0 of the draw's rows
  };
  const Case cases[] = {
      {LabelForm::Standard, "105 1 2 3", {" 105:123"}},
      {LabelForm::NoBlank, "105 1 2 3", {"105:123"}},
      {LabelForm::LabelOnly, "105 1 2 3", {" 105"}},
      {LabelForm::Ticket, "105 1 2 3", {"105|123"}},
      {LabelForm::Tagged, "105 1 2 3", {" 105:123(H\u00b1T)", " 105:123(H\u00b1U)", " 105:123(T\u00b1U)"}},
      {LabelForm::NoBlank, "-7 0 0 9", {"-7:009"}},
      {LabelForm::Ticket, "0042 9 0 4", {"42|904"}},
      {LabelForm::LabelOnly, "-20260812001 5 5 5", {"-20260812001"}},
      // A label cell is made from the label and digits when it is read, up
      // to 48 bits of label; a longer label is kept as its text.
      {LabelForm::Tagged, "140737488355327 0 9 0", {" 140737488355327:090(H\u00b1T)", " 140737488355327:090(H\u00b1U)",
                                                    " 140737488355327:090(T\u00b1U)"}},
      {LabelForm::Standard, "140737488355328 9 9 9", {" 140737488355328:999"}},
      {LabelForm::Standard, "-140737488355328 1 0 0", {"-140737488355328:100"}},
      {LabelForm::Ticket, "-140737488355329 0 0 1", {"-140737488355329|001"}},
      {LabelForm::NoBlank, "9223372036854775807 7 8 9", {"9223372036854775807:789"}},
      {LabelForm::LabelOnly, "-9223372036854775808 7 8 9", {"-9223372036854775808"}},
  };
  for (const Case &c : cases) {
    const DrawHistory history = historyOf(c.record + "\r\n" + c.record + "\r\n");
    const int perDraw = int(c.labels.size());
    ResultGrid grid(2 * perDraw + 2, 8);
    fillDrawRowsOffset(grid, history, 4, c.form);
    for (int draw = 0; draw < 2; ++draw)
      for (int k = 0; k < perDraw; ++k) {
        const int r = 1 + draw * perDraw + k;
        EXPECT_EQ(grid.text(r, 0), c.labels[k]) << c.record.toStdString();
        EXPECT_EQ(grid.textView(r, 0), c.labels[k].toStdString()) << c.record.toStdString();
        // The digits go on every row of the draw, from the record's integer digits.
        const DrawRecord &d = history.draws[0];
        EXPECT_EQ((QStringList{grid.text(r, 5), grid.text(r, 6), grid.text(r, 7)}),
                  (QStringList{QString::number(d.h), QString::number(d.t), QString::number(d.u)}));
        EXPECT_EQ(grid.text(r, 1), "");
      }
    EXPECT_EQ(grid.text(2 * perDraw + 1, 0), "");
  }
}
