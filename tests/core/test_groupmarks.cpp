// Marking the draws whose box key lies inside the digit group of a column's header.
#include "charts/groupmarks.h"
#include "support/core/qtprint.h"

#include <gtest/gtest.h>

using namespace corvessa;
using namespace corvessa::charts;

namespace {

// Draw rows 1.. with their box keys in column 4, groups in the headers of 5...
ResultGrid keyed(const std::vector<const char *> &keys, const std::vector<const char *> &groups) {
  ResultGrid grid(int(keys.size()) + 2, 5 + int(groups.size()));
  for (std::size_t i = 0; i < keys.size(); ++i)
    grid.setText(int(i) + 1, kKeyCol, keys[i]);
  for (std::size_t i = 0; i < groups.size(); ++i)
    grid.setText(0, kFirstGroupCol + int(i), groups[i]);
  return grid;
}

QStringList marks(const ResultGrid &grid, int col) {
  QStringList out;
  for (int r = 1; r < grid.rows() - 1; ++r)
    out << grid.text(r, col) + (grid.backColor(r, col) == rgb(255, 0, 0) ? "/red" : "");
  return out;
}

}  // namespace

TEST(GroupMarks, MatchCountCountsEqualCharacterPairs) {
  ResultGrid grid = keyed({"149", "17", "5", "123"}, {"145789", "11234", "0123456789"});
  EXPECT_EQ(groupMatchCount(grid, 1, 5), 3);
  EXPECT_EQ(groupMatchCount(grid, 2, 5), 2);
  EXPECT_EQ(groupMatchCount(grid, 3, 5), 1);
  EXPECT_EQ(groupMatchCount(grid, 4, 6), 4);  // a repeated group digit counts twice
  EXPECT_EQ(groupMatchCount(grid, 4, 7), 3);
}

TEST(GroupMarks, SeveralGroupsLengthAndMarker) {
  ResultGrid grid = keyed({"012", "013", "12", "4", "234", "123"}, {"01234", "1234", "0123"});
  markGroupHits(grid, 6, 7, "****");
  // Each group is read whole, whatever its length: 234 lies inside "01234", not inside "0123".
  EXPECT_EQ(marks(grid, 5), (QStringList{"****", "****", "", "", "****", "****"}));
  EXPECT_EQ(marks(grid, 6), (QStringList{"", "", "", "", "****", "****"}));
  EXPECT_EQ(marks(grid, 7), (QStringList{"****", "****", "", "", "", "****"}));

  ResultGrid any = keyed({"149", "17", "5", "146", "38", "14"}, {"145789"});
  markGroupHits(any, 6, 5, "*****", true);  // the winning sets of any box
  EXPECT_EQ(marks(any, 5), (QStringList{"*****", "*****/red", "", "", "", "*****/red"}));
  ResultGrid sixWay = keyed({"149", "17", "5", "146", "38", "14"}, {"145789"});
  markGroupHits(sixWay, 6, 5, "*****");
  EXPECT_EQ(marks(sixWay, 5), (QStringList{"*****", "", "", "", "", ""}));
}
