// Miss counts between the hits of a mark column and the footer under the draws.
#include "charts/missstats.h"
#include "support/core/qtprint.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

constexpr int kCol = 5;

// A grid of six columns whose column 5 holds the marks: '*' a hit "*****",
// '4' the text "****", '.' an empty cell; draw rows 1..N, spare row N + 1.
ResultGrid markColumn(const std::string &marks) {
  const int n = int(marks.size());
  ResultGrid grid(n + 2, kCol + 1);
  for (int r = 1; r <= n; ++r) {
    if (marks[std::size_t(r - 1)] == '*')
      grid.setText(r, kCol, "*****");
    else if (marks[std::size_t(r - 1)] == '4')
      grid.setText(r, kCol, "****");
  }
  return grid;
}

QStringList column(const ResultGrid &grid, int from, int to) {
  QStringList cells;
  for (int r = from; r <= to; ++r)
    cells << grid.text(r, kCol);
  return cells;
}

struct Footer {
  QString amount, maxMiss, currentMiss, average;
  bool operator==(const Footer &) const = default;
};
void PrintTo(const Footer &f, std::ostream *os) {
  *os << "{" << f.amount.toStdString() << ", " << f.maxMiss.toStdString() << ", " << f.currentMiss.toStdString()
      << ", " << f.average.toStdString() << "}";
}
Footer footer(const ResultGrid &grid, int n) {
  return {grid.text(n + 2, kCol), grid.text(n + 3, kCol), grid.text(n + 4, kCol), grid.text(n + 5, kCol)};
}

}  // namespace

// The footer's worked cases; Max Miss runs over every draw row, so it never
// sits below Current Miss.
TEST(MissStatistics, WorkedCases) {
  struct Case {
    const char *name;
    std::string marks;
    QStringList counts;
    Footer footer;
  };
  const Case cases[] = {
      {"hits in rows 3 and 7", "..*...*...", {"1", "2", "*****", "1", "2", "3", "*****", "1", "2", "3"}, {"2", "3", "3", "5"}},
      {"single hit in row 10", ".........*", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "*****"}, {"1", "9", "0", "10"}},
      {"single hit in row 2", ".*........", {"1", "*****", "1", "2", "3", "4", "5", "6", "7", "8"}, {"1", "8", "8", "10"}},
      {"hits in rows 1 and 2 of 7", "**.....", {"*****", "*****", "1", "2", "3", "4", "5"}, {"2", "5", "5", "3"}},
      {"N = 1 without a hit", ".", {"1"}, {"0", "1", "1", ""}},
      {"a column without hits", "....", {"1", "2", "3", "4"}, {"0", "4", "4", ""}},
      // Another marker is neither a hit nor a count; the run starts again after it.
      {"a \"****\" in a \"*****\" column", "..4..*", {"1", "2", "****", "1", "2", "*****"}, {"1", "2", "0", "6"}},
  };
  for (const Case &c : cases) {
    ResultGrid grid = markColumn(c.marks);
    const int n = int(c.marks.size());
    fillMissCounts(grid, n, kCol, kCol);
    EXPECT_EQ(column(grid, 1, n), c.counts) << c.name;
    appendFooter(grid, n, {.firstCol = 5, .lastCol = kCol, .mark = "*****"});
    EXPECT_EQ(footer(grid, n), c.footer) << c.name;
  }
}

TEST(MissStatistics, FullAverageForm) {
  struct Case {
    std::string marks;
    QString average;
  };
  for (const Case &c : {Case{"....", "4"}, Case{".*.*..", "3"}, Case{"", "0"}}) {
    ResultGrid grid = markColumn(c.marks);
    const int n = int(c.marks.size());
    fillMissCounts(grid, n, kCol, kCol);
    appendFooter(grid, n, {.firstCol = 5, .lastCol = kCol, .mark = "*****", .average = AverageForm::DrawCount});
    EXPECT_EQ(grid.text(n + 5, kCol), c.average) << c.marks;
  }
}

TEST(MissStatistics, EmptyHistoryShowsZeros) {
  ResultGrid grid(2, kCol + 1);
  grid.setText(0, kCol, "145789");  // a header the footer must not copy
  fillMissCounts(grid, 0, kCol, kCol);
  appendFooter(grid, 0, {.firstCol = 5, .lastCol = kCol, .mark = "*****"});
  EXPECT_EQ(grid.rows(), 6);
  EXPECT_EQ(footer(grid, 0), (Footer{"0", "0", "0", ""}));
  EXPECT_EQ(grid.text(1, kCol), "");
}

TEST(MissStatistics, FooterRowsLabelsColoursAndScroll) {
  // Three mark columns 5..7; the footer always starts at column 5.
  ResultGrid grid(5, 8);
  grid.setText(1, 6, "***");
  grid.setText(2, 7, "***");
  grid.setText(1, 4, "***");  // left of column 5: never counted
  fillMissCounts(grid, 3, 5, 7);
  appendFooter(grid, 3, {.firstCol = 5, .lastCol = 7, .mark = "***"});
  EXPECT_EQ(grid.rows(), 9);
  EXPECT_EQ(grid.topRow(), 8);
  EXPECT_TRUE(grid.isVisible());
  const QStringList labels{"", "Amount", "Max Miss", "Current Miss", "Average"};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(grid.text(4 + i, 0), labels[i]);
  EXPECT_EQ(grid.text(5, 4), "");
  for (int c = 5; c <= 7; ++c)
    EXPECT_EQ(grid.text(5, c), c == 5 ? "0" : "1") << c;
  EXPECT_EQ(grid.text(7, 6), "2");  // Current Miss of column 6
  EXPECT_EQ(grid.text(7, 7), "1");

  for (int r = 0; r < grid.rows(); ++r)
    for (int c = 0; c < grid.cols(); ++c) {
      const bool tinted = r >= 5 && r <= 8 && c >= 1;
      EXPECT_EQ(grid.backColor(r, c), tinted ? rgb(231, 225, 239) : 0) << r << "," << c;
      EXPECT_EQ(grid.foreColor(r, c), tinted ? rgb(0, 0, 255) : 0) << r << "," << c;
    }
}

TEST(MissStatistics, LeadingNumber) {
  EXPECT_EQ(leadingNumber("12"), 12);
  EXPECT_EQ(leadingNumber(" 7:123"), 7);
  EXPECT_EQ(leadingNumber("****"), 0);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("99999999999999999999999"), std::numeric_limits<long long>::max());
}

namespace {

// The form with footer rows of its own. (Given in the form's initializer in
// an array of cases, they make GCC 12's Release build warn, wrongly, that a
// vector of the array may be destroyed uninitialized.)
FooterForm withRows(FooterForm form, std::vector<FooterRow> rows) {
  form.rows = std::move(rows);
  return form;
}

}  // namespace

// The footer's forms on one column whose run is left open at the end: hits
// in rows 2 and 5 of 10, then five draws without one.
TEST(MissStatistics, FooterForms) {
  const std::string marks = ".*..*.....";
  const int n = int(marks.size());
  struct Case {
    const char *name;
    FooterForm form;
    QStringList rows;  // column 5 of rows N + 2 on, then "|", then the labels
  };
  const Case cases[] = {
      {"largest count: Max Miss reaches the open run",
       {.lastCol = kCol, .mark = "*****"},
       {"2", "5", "5", "5", "|", "Amount", "Max Miss", "Current Miss", "Average"}},
      {"longest run a hit ended: the open run shows only in Current Miss",
       {.lastCol = kCol, .mark = "*****", .maxMiss = MaxMissRule::LongestClosedRun},
       {"2", "2", "5", "5", "|", "Amount", "Max Miss", "Current Miss", "Average"}},
      {"three rows and a blank one",
       withRows({.lastCol = kCol, .mark = "*****", .maxMiss = MaxMissRule::LongestClosedRun},
                {FooterRow::Amount, FooterRow::MaxMiss, FooterRow::CurrentMiss, FooterRow::Blank}),
       {"2", "2", "5", "", "|", "Amount", "Max Miss", "Current Miss", ""}},
      {"one Max Miss row under two blank ones",
       withRows({.lastCol = kCol, .mark = "*****", .maxMiss = MaxMissRule::LongestClosedRun, .tinted = false,
                 .valueFore = rgb(188, 194, 182)},
                {FooterRow::Blank, FooterRow::Blank, FooterRow::MaxMiss}),
       {"", "", "2", "|", "", "", "Max Miss"}},
  };
  for (const Case &c : cases) {
    ResultGrid grid = markColumn(marks);
    fillMissCounts(grid, n, kCol, kCol);
    appendFooter(grid, n, c.form);
    QStringList shown;
    for (int r = n + 2; r < grid.rows(); ++r)
      shown << grid.text(r, kCol);
    shown << "|";
    for (int r = n + 2; r < grid.rows(); ++r)
      shown << grid.text(r, 0);
    EXPECT_EQ(shown, c.rows) << c.name;
    EXPECT_EQ(grid.topRow(), grid.rows() - 1) << c.name;
    EXPECT_EQ(grid.backColor(n + 2, 1), c.form.tinted ? kFooterBack : 0) << c.name;
    EXPECT_EQ(grid.foreColor(grid.rows() - 1, kCol), c.form.tinted ? kFooterFore : c.form.valueFore) << c.name;
  }
}

TEST(MissStatistics, HitsByBackColourAndGreyCounts) {
  // Hits marked by a red back colour, each with its own text, as pair columns are.
  ResultGrid grid(12, kCol + 1);
  for (int r : {3, 4, 9}) {
    grid.setText(r, kCol, "55");
    grid.setBackColor(r, kCol, rgb(255, 0, 0));
  }
  const Rgb grey = rgb(188, 194, 182);
  fillMissCounts(grid, 10, kCol, kCol, grey);
  EXPECT_EQ(column(grid, 1, 10), (QStringList{"1", "2", "55", "55", "1", "2", "3", "4", "55", "1"}));
  EXPECT_EQ(grid.foreColor(1, kCol), grey);
  EXPECT_EQ(grid.foreColor(3, kCol), 0u);
  appendFooter(grid, 10,
               {.lastCol = kCol, .hitBack = rgb(255, 0, 0), .rows = {FooterRow::Amount, FooterRow::MaxMiss,
                                                                     FooterRow::CurrentMiss},
                .maxMiss = MaxMissRule::LongestClosedRun});
  EXPECT_EQ((QStringList{grid.text(12, kCol), grid.text(13, kCol), grid.text(14, kCol)}),
            (QStringList{"3", "4", "1"}));
}

// The one walk that writes the counts and gathers the footer leaves the grid
// exactly as the counts and then the footer written in two walks do: texts,
// colours, rows, scroll and current cell, for every footer form on columns
// of marks, other texts, red cells and numbers, with or without draws.
TEST(MissStatistics, OneWalkWritesWhatTwoWalksWrite) {
  // Per cell: '*' the mark, '4' "****", 'r' "55" on red, 'R' empty on red, '7' the text "7", '.' empty.
  const char kinds[] = "*...4..r.R7....*.*..r.";
  std::uint32_t seed = 7;
  const auto nextKind = [&] {
    seed = seed * 1664525u + 1013904223u;
    return kinds[(seed >> 16) % (sizeof kinds - 1)];
  };
  const Rgb red = rgb(255, 0, 0);
  const auto makeGrid = [&](int n, int cols) {
    ResultGrid grid(n + 2, cols);
    grid.setCurrentCell(0, 1);
    for (int r = 1; r <= n; ++r)
      for (int c = 5; c < cols; ++c)
        switch (nextKind()) {
          case '*':
            grid.setText(r, c, "*****");
            break;
          case '4':
            grid.setText(r, c, "****");
            break;
          case 'r':
            grid.setText(r, c, "55");
            [[fallthrough]];
          case 'R':
            grid.setBackColor(r, c, red);
            break;
          case '7':
            grid.setText(r, c, "7");
            break;
        }
    return grid;
  };
  const auto sameGrids = [](const ResultGrid &a, const ResultGrid &b) {
    if (a.rows() != b.rows() || a.cols() != b.cols() || a.topRow() != b.topRow() ||
        a.currentRow() != b.currentRow() || a.currentCol() != b.currentCol())
      return false;
    for (int r = 0; r < a.rows(); ++r)
      for (int c = 0; c < a.cols(); ++c)
        if (a.textView(r, c) != b.textView(r, c) || a.foreColor(r, c) != b.foreColor(r, c) ||
            a.backColor(r, c) != b.backColor(r, c))
          return false;
    return true;
  };
  struct Case {
    const char *name;
    FooterForm form;
  };
  const std::vector<FooterRow> allRows{FooterRow::Amount, FooterRow::MaxMiss, FooterRow::CurrentMiss,
                                       FooterRow::Average};
  const Case cases[] = {
      {"largest count", {.firstCol = 5, .lastCol = 9, .mark = "*****"}},
      {"longest closed run", {.firstCol = 5, .lastCol = 9, .mark = "*****", .maxMiss = MaxMissRule::LongestClosedRun}},
      {"draw count average", {.firstCol = 6, .lastCol = 8, .mark = "****", .average = AverageForm::DrawCount}},
      {"a count's text as the mark", {.firstCol = 5, .lastCol = 9, .mark = "1"}},
      {"hits by back colour",
       {.firstCol = 5, .lastCol = 9, .hitBack = red,
        .rows = {FooterRow::Blank, FooterRow::Blank, FooterRow::MaxMiss},
        .maxMiss = MaxMissRule::LongestClosedRun, .tinted = false, .valueFore = kShadedMissCount}},
      {"three rows and a blank",
       {.firstCol = 5, .lastCol = 9, .mark = "7",
        .rows = {FooterRow::Amount, FooterRow::MaxMiss, FooterRow::CurrentMiss, FooterRow::Blank}}},
  };
  for (const Case &c : cases)
    for (int n : {0, 1, 2, 40, 300})
      for (const MissCountShade shade : {MissCountShade::Plain, MissCountShade::Shaded}) {
        ResultGrid twoWalks = makeGrid(n, 10);
        ResultGrid oneWalk = twoWalks;
        oneWalk.reserveRows(n + 2 + int(c.form.rows.size()));
        if (shade == MissCountShade::Shaded)
          fillMissCountsShaded(twoWalks, n, c.form.firstCol, c.form.lastCol);
        else
          fillMissCounts(twoWalks, n, c.form.firstCol, c.form.lastCol);
        appendFooter(twoWalks, n, c.form);
        const ResultGrid::TextId *cells = oneWalk.rowTextIds(0).data();
        fillMissCountsAndFooter(oneWalk, n, c.form, shade);
        EXPECT_TRUE(sameGrids(oneWalk, twoWalks)) << c.name << ", " << n << " draws, shade " << int(shade);
        EXPECT_EQ(oneWalk.rowTextIds(0).data(), cells) << "the footer's rows were reserved: " << c.name;
      }
}

// Hits named row by row, written in one pass with their counts, leave the
// grid as the marks written first and then counted and footed do; each hit
// is reported with the row of its column's hit before.
TEST(MissStatistics, HitsNamedByRowWriteWhatMarksAndCountsWrite) {
  constexpr int kFirst = 5, kLast = 9;
  std::uint32_t seed = 11;
  const auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 16;
  };
  for (const MaxMissRule rule : {MaxMissRule::LargestCount, MaxMissRule::LongestClosedRun})
    for (int n : {0, 1, 2, 40, 300}) {
      // Column 9 is never hit, column 5 hit on the first and last draws; a
      // row may name a column twice.
      std::vector<std::vector<int>> hits(std::size_t(n) + 1);
      for (int r = 1; r <= n; ++r) {
        for (int c = 6; c < kLast; ++c)
          if (next() % 5 == 0)
            hits[std::size_t(r)].push_back(c);
        if (r == 1 || r == n || next() % 7 == 0)
          hits[std::size_t(r)].push_back(kFirst);
        if (!hits[std::size_t(r)].empty() && next() % 3 == 0)
          hits[std::size_t(r)].push_back(hits[std::size_t(r)].front());
      }
      const FooterForm form{.firstCol = kFirst, .lastCol = kLast, .mark = "***", .maxMiss = rule};
      ResultGrid expected(n + 2, kLast + 2), oneWalk = expected;
      expected.setText(0, kLast + 1, "beyond");
      oneWalk.setText(0, kLast + 1, "beyond");
      std::vector<int> lastHit(kLast + 1, 0);
      std::vector<std::array<int, 3>> expectedReports;
      for (int r = 1; r <= n; ++r)
        for (int c : hits[std::size_t(r)])
          if (expected.isEmpty(r, c)) {
            expected.setText(r, c, "***");
            expectedReports.push_back({r, c, lastHit[std::size_t(c)]});
            lastHit[std::size_t(c)] = r;
          }
      fillMissCounts(expected, n, kFirst, kLast);
      ResultGrid withoutFooter = expected;
      appendFooter(expected, n, form);

      const RowHits hitsOf = [&](int r) { return std::span<const int>(hits[std::size_t(r)]); };
      markHitsWithMissCountsAndFooter(oneWalk, n, form, hitsOf);
      ASSERT_EQ(oneWalk.rows(), expected.rows());
      for (int r = 0; r < expected.rows(); ++r)
        for (int c = 0; c < expected.cols(); ++c)
          ASSERT_EQ(oneWalk.textView(r, c), expected.textView(r, c))
              << "cell " << r << ", " << c << " of " << n << " draws, rule " << int(rule);

      ResultGrid counted(n + 2, kLast + 2);
      std::vector<std::array<int, 3>> reports;
      markHitsWithMissCounts(counted, n, kFirst, kLast, "***", hitsOf,
                             [&](int r, int c, int before) { reports.push_back({r, c, before}); });
      for (int r = 1; r <= n; ++r)
        for (int c = kFirst; c <= kLast; ++c)
          ASSERT_EQ(counted.textView(r, c), withoutFooter.textView(r, c)) << "cell " << r << ", " << c;
      std::sort(reports.begin(), reports.end());
      std::sort(expectedReports.begin(), expectedReports.end());
      EXPECT_EQ(reports, expectedReports) << n << " draws";
    }

  // A hit outside the mark columns is a mistake in the chart.
  ResultGrid grid(5, 8);
  const std::vector<int> outside{7};
  EXPECT_THROW(markHitsWithMissCounts(grid, 3, 5, 6, "***", [&](int) { return std::span<const int>(outside); }),
               std::out_of_range);
}
