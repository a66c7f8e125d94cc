#include "charts/families/enquiryform.h"

#include "charts/drawrows.h"
#include "charts/missstats.h"
#include "charts/tickets.h"
#include "charts/framework/toolframe.h"

#include <QRegularExpression>
#include <string>
#include <vector>

namespace corvessa::charts {

namespace {

constexpr int kNumberCol = 4;      // the draw's number or sorted digits
constexpr int kFirstEntryCol = 5;  // one column per entry from here, then "Gather"
constexpr std::string_view kMark = "***";
constexpr const char *kFrame = "Frame1";
constexpr const char *kInput = "Text1";
// The longest text the input box takes: 400 numbers with any separators fit
// many times over, and a paste beyond it is refused before it is laid out.
constexpr int kInputMaxLength = 65536;

// A key routine: the draw's digits in draw order, 505 for 5 0 5.
std::string drawNumberKey(Digits &d) { return {char('0' + d[0]), char('0' + d[1]), char('0' + d[2])}; }

// Command1: the rows of the draws and the spare row; no cell is emptied.
void resetEnquiryGrid(ToolWindowState &state) { state.grid.setRows(state.drawCount + 2); }

void load(ToolWindowState &state, const DrawHistory &history, EnquiryKey key) {
  ResultGrid &grid = state.grid;
  resetEnquiryGrid(state);
  fillDrawRowsWithBoxKey(grid, history, kNumberCol, key == EnquiryKey::DrawNumber ? drawNumberKey : makeSortedDrawKey);
  writeDigitHeaders(grid);
  showSpareRow(grid, state.drawCount);
}

// The characters '0' to '9' of the text, in order; everything else is a
// separator, digits of other scripts too. The whole text is read, however long.
std::string asciiDigits(const QString &text) {
  std::string digits;
  for (const QChar ch : text)
    if (ch.unicode() >= u'0' && ch.unicode() <= u'9')
      digits.push_back(char(ch.unicode()));
  return digits;
}

// A draw is a hit for an entry when the number in its column 4 equals the
// entry's number: the entry is compared as typed, never reordered. Each
// number's hits are its entries' columns and "Gather".
RowHits enquiryHits(const ResultGrid &grid, int gatherCol, std::vector<std::vector<int>> &columnsOf) {
  columnsOf.assign(1000, {});
  for (int c = kFirstEntryCol; c < gatherCol; ++c)
    columnsOf[std::size_t(leadingNumber(grid.textView(0, c)))].push_back(c);
  for (std::vector<int> &columns : columnsOf)
    if (!columns.empty())
      columns.push_back(gatherCol);
  return [&grid, &columnsOf](int r) -> std::span<const int> {
    const long long number = leadingNumber(grid.textView(r, kNumberCol));
    if (number < 0 || number > 999)
      return {};
    return columnsOf[std::size_t(number)];
  };
}

void enquire(ToolWindowState &state, const EnquiryForm &form) {
  const std::string digits = asciiDigits(state.control(kInput).text);
  if (digits.empty()) {
    state.message(QString::fromUtf8(form.noEntryMessage));
    return;
  }
  if (digits.size() % 3 != 0) {
    state.message(QStringLiteral("There are errors in the input.Please check the input and try again!"));
    return;
  }
  const std::size_t entries = digits.size() / 3;
  if (entries > std::size_t(form.maxEntries)) {
    state.message(QString::fromUtf8(form.tooManyMessage));
    return;
  }
  state.beginBusy();
  ResultGrid &grid = state.grid;
  const int n = state.drawCount;
  const int gatherCol = kFirstEntryCol + int(entries);
  // The columns of the enquiry before go with their texts; the grid takes
  // its columns and the footer's rows at once, so it is copied once. The
  // entries' widths are known only now.
  grid.setShape(n + 6, gatherCol + 1, kFirstEntryCol);
  grid.setColWidths(kFirstEntryCol, gatherCol, 372);
  grid.setColWidth(gatherCol, 620);
  grid.setText(0, gatherCol, "Gather");
  for (std::size_t i = 0; i < entries; ++i)
    grid.setText(0, kFirstEntryCol + int(i), std::string_view(digits).substr(3 * i, 3));
  std::vector<std::vector<int>> columnsOf;
  markHitsWithMissCountsAndFooter(grid, n,
                                  FooterForm{.firstCol = kFirstEntryCol,
                                             .lastCol = gatherCol,
                                             .mark = kMark,
                                             .maxMiss = MaxMissRule::LongestClosedRun},
                                  enquiryHits(grid, gatherCol, columnsOf));
  state.endBusy(form.id.title);
}

ControlDesign inFrame(ControlDesign control) {
  control.parent = kFrame;
  return control;
}

// The message that refuses too many numbers names the limit the enquiry keeps.
void checkLimitMessage(const EnquiryForm &form) {
  static const QRegularExpression number(QStringLiteral("\\d+"));
  const QString message = QString::fromUtf8(form.tooManyMessage);
  for (const QRegularExpressionMatch &m : number.globalMatch(message))
    if (m.captured() == QString::number(form.maxEntries))
      return;
  descriptionFault(form.id, QStringLiteral("the limit is %1 numbers, but its message says \"%2\"")
                                .arg(form.maxEntries)
                                .arg(message));
}

}  // namespace

ToolEntry enquiryTool(const EnquiryForm &form) {
  checkLimitMessage(form);
  ToolDesign d{form.id};
  d.clientWidth = 12960;
  d.clientHeight = 8085;
  d.cols = kFirstEntryCol;
  d.colWidths = {{0, 0, 1218}, {1, 3, 300}, {kNumberCol, kNumberCol, 600}};
  d.controls = {
      gridControl(d.clientWidth - 210, d.clientHeight - 3300),
      ControlDesign{.kind = ControlKind::Frame,
                    .name = kFrame,
                    .caption = QString::fromUtf8(form.frameCaption),
                    .place = {120, 4920, 12615, 2655}},
      ControlDesign{.kind = ControlKind::TextBox,
                    .name = kInput,
                    .place = {240, 240, 12255, 1815},
                    .parent = kFrame,
                    .maxLength = kInputMaxLength,
                    .role = ControlRole::Input},
      ControlDesign{.name = QStringLiteral("Command2"),
                    .caption = QStringLiteral("Enquire"),
                    .place = {240, 2160, 1215, 375},
                    .parent = kFrame,
                    .role = ControlRole::Enquiry,
                    .action = [form](ToolWindowState &state) { enquire(state, form); }},
      inFrame(helpButton(form.helpPlace)),
      inFrame(exitButton(form.exitPlace, QStringLiteral("Command4"))),
      inFrame(resetButton(resetEnquiryGrid, {11160, 2160, 1335, 375})),
  };
  d.layout = {layout::Grid{3300, 210}, layout::FrameUnderGrid{kFrame}};
  const EnquiryKey key = form.key;
  return ToolEntry{std::move(d), [key](ToolWindowState &state, const DrawHistory &history) {
                     load(state, history, key);
                   }};
}

}  // namespace corvessa::charts
