// "3 Way Box Trend": every draw with exactly two equal digits marked in the
// column of its pair, and the pair's digit sorted small or big, by its 012
// route, even or odd, and composite or prime; the third digit plays no part.
// The pair columns count their misses and end in a "Max Miss" row; a
// double-click copies a column's finished miss runs.
#include "tools/three_way_box/tools.h"

#include "charts/digitclasses.h"
#include "charts/families/threewaypairs.h"
#include "charts/palette.h"

namespace corvessa::tools {
namespace {

using namespace charts;

constexpr const char *kLegends[] = {
    "Small:00,11,22,33,44;Big:55,66,77,88,99;Composite:00,44,66,88,99;Prime:11,22,33,55,77.",
    "0Type:00,33,66,99;1Type:11,44,77;2Type:22,55,88."};

// The type columns; 18, 21, 25 and 28 are spacers.
constexpr int kSmallCol = 19, kBigCol = 20;
constexpr int kRouteCol = 22;  // 22..24: "0Type", "1Type", "2Type"
constexpr int kEvenCol = 26, kOddCol = 27;
constexpr int kCompositeCol = 29, kPrimeCol = 30;
constexpr struct {
  int col;
  const char *header;
} kTypeHeaders[] = {{kSmallCol, "Small"}, {kBigCol, "Big"},     {22, "0Type"},          {23, "1Type"},
                    {24, "2Type"},        {kEvenCol, "Even"},   {kOddCol, "Odd"},      {kCompositeCol, "Composite"},
                    {kPrimeCol, "Prime"}};
// The pairs' working columns nearly hidden, narrow spacers between the type groups.
constexpr ColumnWidths kWidths[] = {
    {0, 0, 860},
    {1, 17, 400},
    {kLowPairCol, kEndsCol, 2},
    {kThreeWayYesCol, kThreeWayYesCol, 600},
    {18, 30, 600},
    {18, 18, 50},
    {21, 21, 50},
    {25, 25, 50},
    {28, 28, 50},
};

void writeTypeHeaders(ResultGrid &grid);
void markPairDigitTypes(ResultGrid &grid, int row, int pair);

void writeTypeHeaders(ResultGrid &grid) {
  for (const auto &type : kTypeHeaders)
    grid.setText(0, type.col, type.header);
}

// `pair` is 11 times the pair digit; each group gets one cell.
void markPairDigitTypes(ResultGrid &grid, int row, int pair) {
  const int digit = pair / 11;
  markTypeCell(grid, row, isBigDigit(digit) ? kBigCol : kSmallCol, kRed);
  markTypeCell(grid, row, kRouteCol + digitRoute(digit), kPairTypeLilac);
  markTypeCell(grid, row, isOddDigit(digit) ? kOddCol : kEvenCol, kRed);
  markTypeCell(grid, row, isPrimeDigit(digit) ? kPrimeCol : kCompositeCol, kPairTypeLilac);
}

}  // namespace

ToolEntry Form1zu3zh() {
  return threeWayPairChartTool({.id = titledWindow("Form1zu3zh", "3 Way Box Trend"),
                                .cols = 31,
                                .legends = kLegends,
                                .labelForm = LabelForm::LabelOnly,
                                .widths = kWidths,
                                .writeTypeHeaders = writeTypeHeaders,
                                .markTypes = markPairDigitTypes});
}

}  // namespace corvessa::tools
