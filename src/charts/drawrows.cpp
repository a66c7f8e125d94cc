#include "charts/drawrows.h"

#include <charconv>
#include <utility>

namespace corvessa::charts {

namespace {

constexpr const char *kTags[3] = {"(H\u00b1T)", "(H\u00b1U)", "(T\u00b1U)"};

unsigned long long magnitudeOf(std::int64_t label) {
  return label < 0 ? 0ULL - static_cast<unsigned long long>(label) : static_cast<unsigned long long>(label);
}

// The label text into buf (at least 40 bytes); returns its length.
std::size_t writeLabelText(const DrawRecord &draw, LabelForm form, int row, char *buf) {
  char *p = buf;
  const bool signPlace = form == LabelForm::Standard || form == LabelForm::LabelOnly || form == LabelForm::Tagged;
  if (draw.label < 0)
    *p++ = '-';
  else if (signPlace)
    *p++ = ' ';
  p = std::to_chars(p, buf + 28, magnitudeOf(draw.label)).ptr;
  if (form == LabelForm::LabelOnly)
    return std::size_t(p - buf);
  *p++ = form == LabelForm::Ticket ? '|' : ':';
  *p++ = char('0' + draw.h);
  *p++ = char('0' + draw.t);
  *p++ = char('0' + draw.u);
  if (form == LabelForm::Tagged)
    for (const char *tag = kTags[row]; *tag; ++tag)
      *p++ = *tag;
  return std::size_t(p - buf);
}

// A label cell holds a made text: the grid writes it from a code when it is
// read, so a long history's labels cost 8 bytes a row and no text each. The
// code holds the label in its top 48 bits, then the digits as one number
// 0..999, the form and the tag row; a label beyond 48 bits is kept as text.
constexpr std::int64_t kCodedLabelLimit = std::int64_t(1) << 47;

bool labelFitsCode(std::int64_t label) { return label >= -kCodedLabelLimit && label < kCodedLabelLimit; }

std::uint64_t labelCode(const DrawRecord &draw, LabelForm form, int row) {
  return std::uint64_t(draw.label) << 16 | std::uint64_t(draw.h * 100 + draw.t * 10 + draw.u) << 5 |
         std::uint64_t(form) << 2 | std::uint64_t(row);
}

std::size_t makeLabelText(std::uint64_t code, char *out) {
  static_assert(ResultGrid::kMadeTextMax >= 40);
  DrawRecord draw;
  draw.label = std::int64_t(code) >> 16;
  const int digits = int(code >> 5 & 1023);
  draw.h = std::uint8_t(digits / 100);
  draw.t = std::uint8_t(digits / 10 % 10);
  draw.u = std::uint8_t(digits % 10);
  return writeLabelText(draw, LabelForm(code >> 2 & 7), int(code & 3), out);
}

// The exact length of the label text, so a long fill reserves its texts once.
std::size_t labelTextLength(const DrawRecord &draw, LabelForm form) {
  unsigned long long magnitude = magnitudeOf(draw.label);
  std::size_t length = 1;
  while (magnitude >= 10) {
    magnitude /= 10;
    ++length;
  }
  if (draw.label < 0 || form == LabelForm::Standard || form == LabelForm::LabelOnly || form == LabelForm::Tagged)
    ++length;  // the sign place
  if (form != LabelForm::LabelOnly)
    length += 4;  // the separator and three digits
  if (form == LabelForm::Tagged)
    length += std::char_traits<char>::length(kTags[0]);
  return length;
}

void blankSpareRow(ResultGrid &grid, int drawCount, int lastCol) {
  for (int c = 0; c <= lastCol && c < grid.cols(); ++c)
    grid.clearText(drawCount + 1, c);
}

// Each draw's rows: the label text in column 0 and the digits in digitCol..digitCol + 2.
void fillRows(ResultGrid &grid, const DrawHistory &history, int digitCol, LabelForm form) {
  ResultGrid::TextId digitIds[10];
  for (int d = 0; d < 10; ++d)
    digitIds[d] = grid.internNumber(d);
  const int perDraw = rowsPerDraw(form);
  std::size_t labelTexts = 0, labelBytes = 0;
  for (const DrawRecord &draw : history.draws)
    if (!labelFitsCode(draw.label)) {
      labelTexts += std::size_t(perDraw);
      labelBytes += labelTextLength(draw, form) * std::size_t(perDraw);
    }
  grid.reserveMadeTexts(history.draws.size() * std::size_t(perDraw) - labelTexts);
  if (labelTexts > 0)
    grid.reserveTexts(labelTexts, labelBytes);
  int row = 1;
  char label[40];
  for (const DrawRecord &draw : history.draws)
    for (int k = 0; k < perDraw; ++k, ++row) {
      grid.setTextId(row, 0,
                     labelFitsCode(draw.label)
                         ? grid.addMadeText(makeLabelText, labelCode(draw, form, k))
                         : grid.addUnique(std::string_view(label, writeLabelText(draw, form, k, label))));
      grid.setTextId(row, digitCol, digitIds[draw.h]);
      grid.setTextId(row, digitCol + 1, digitIds[draw.t]);
      grid.setTextId(row, digitCol + 2, digitIds[draw.u]);
    }
}

}  // namespace

void resetGridRows(ResultGrid &grid, int drawCount, int k) {
  grid.setRows(drawCount + 2);
  blankSpareRow(grid, drawCount, k);
}

void resetGridRowsLong(ResultGrid &grid, int drawCount) {
  grid.setRows(drawCount + 5);
  blankSpareRow(grid, drawCount, 4);
}

void startOffsetDrawRows(ResultGrid &grid, int drawCount, const DrawHistory &history, int offset) {
  grid.setRows(drawCount + 3);
  fillDrawRowsOffset(grid, history, offset);
}

void showSpareRow(ResultGrid &grid, int drawCount) {
  grid.setCurrentCell(drawCount + 1, 1);
  grid.setTopRow(grid.rows() - 1);
}

void fillDrawRows(ResultGrid &grid, const DrawHistory &history, LabelForm form) { fillRows(grid, history, 1, form); }

void fillDrawRowsOffset(ResultGrid &grid, const DrawHistory &history, int offset, LabelForm form) {
  fillRows(grid, history, offset + 1, form);
}

void writeDigitHeaders(ResultGrid &grid) {
  grid.setText(0, 1, "H");
  grid.setText(0, 2, "T");
  grid.setText(0, 3, "U");
}

void sortDigitsAscending(Digits &d) {
  if (d[1] < d[0])
    std::swap(d[0], d[1]);
  if (d[2] < d[1])
    std::swap(d[1], d[2]);
  if (d[1] < d[0])
    std::swap(d[0], d[1]);
}

std::string makeBoxKey(Digits &d) {
  sortDigitsAscending(d);
  std::string key;
  key.push_back(char('0' + d[0]));
  if (d[1] != d[0])
    key.push_back(char('0' + d[1]));
  if (d[2] != d[1])
    key.push_back(char('0' + d[2]));
  return key;
}

void fillDrawRowsWithBoxKey(ResultGrid &grid, const DrawHistory &history, int keyCol, KeyRoutine key,
                            LabelForm form) {
  if (!key)
    key = makeBoxKey;
  fillRows(grid, history, 1, form);
  const int perDraw = rowsPerDraw(form);
  // A key depends on the three digits only, so each of the 1000 draws is keyed once.
  ResultGrid::TextId cache[1000] = {};
  bool known[1000] = {};
  int row = 1;
  for (const DrawRecord &draw : history.draws) {
    const int code = draw.h * 100 + draw.t * 10 + draw.u;
    if (!known[code]) {
      Digits digits{draw.h, draw.t, draw.u};
      cache[code] = grid.intern(key(digits));
      known[code] = true;
    }
    for (int k = 0; k < perDraw; ++k)
      grid.setTextId(row++, keyCol, cache[code]);
  }
}

}  // namespace corvessa::charts
