#include "support/core/chartcells.h"

#include "charts/framework/chartdump.h"
#include "tools/menus.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace corvessa::test {

QByteArray history(const QStringList &draws, int firstLabel) {
  QByteArray file;
  int label = firstLabel;
  for (const QString &d : draws)
    file += QByteArray::number(label++) + ' ' + d.toLatin1() + "\r\n";
  return file;
}

QByteArray drawFile(const std::vector<std::string> &draws) {
  QByteArray file;
  int label = 1;
  for (const std::string &d : draws)
    file += QByteArray::number(label++) + ' ' + d[0] + ' ' + d[1] + ' ' + d[2] + "\r\n";
  return file;
}

QByteArray draws(int count) {
  QByteArray file;
  for (int i = 1; i <= count; ++i)
    file += QByteArray::number(i) + ' ' + QByteArray::number(i % 10) + ' ' + QByteArray::number(i / 10 % 10) + ' ' +
            QByteArray::number(i / 100 % 10) + "\r\n";
  return file;
}

std::vector<std::string> everyNumber() {
  std::vector<std::string> numbers;
  for (int n = 0; n < 1000; ++n)
    numbers.push_back({char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10)});
  return numbers;
}

DrawHistory everyNumberOnce() {
  QFile file(QStringLiteral(CORVESSA_FIXTURES_DIR "/draws/every1000.txt"));
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("cannot read " + file.fileName().toStdString());
  return parseDrawHistory(file.readAll());
}

const ToolEntry &registeredTool(const char *window) {
  const ToolEntry *entry = toolRegistry().find(window);
  if (!entry)
    throw std::invalid_argument(std::string("not registered: ") + window);
  return *entry;
}

QString menuCaption(const char *window) {
  for (const ToolMenu &menu : toolMenus())
    for (const ToolMenuItem &item : menu.items)
      if (!item.isSeparator() && item.windowName() == QLatin1String(window))
        return QString::fromUtf8(item.caption);
  return QStringLiteral("<no menu item>");
}

ResultGrid chart(const char *window, const QByteArray &file, int gameType) {
  return computeChart(registeredTool(window), parseDrawHistory(file), gameType);
}

ResultGrid chartOfDraws(const char *window, const std::vector<std::string> &draws) {
  return chart(window, drawFile(draws));
}

QStringList cellTexts(const ResultGrid &grid, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    out << grid.text(row, c);
  return out;
}

QString rowTexts(const ResultGrid &grid, int row, int first, int last) {
  return cellTexts(grid, row, first, last).join(QLatin1Char(' '));
}

QStringList written(const ResultGrid &grid, int row, int first, int last) {
  QStringList out;
  for (int c = first; c <= last; ++c)
    if (!grid.isEmpty(row, c))
      out << QStringLiteral("%1=%2").arg(c).arg(grid.text(row, c));
  return out;
}

int markedCol(const ResultGrid &grid, int row, int first, int last, Rgb back) {
  int found = -1;
  for (int c = first; c <= last; ++c) {
    if (grid.isEmpty(row, c)) {
      EXPECT_EQ(grid.backColor(row, c), 0u) << "row " << row << " column " << c;
      continue;
    }
    EXPECT_EQ(found, -1) << "row " << row << ": a second mark in column " << c;
    EXPECT_EQ(grid.backColor(row, c), back) << "row " << row << " column " << c;
    found = c;
  }
  return found;
}

void expectWidths(const ResultGrid &grid, std::initializer_list<std::pair<int, int>> widths) {
  for (const auto &[col, twips] : widths)
    EXPECT_EQ(grid.colWidth(col), twips) << "column " << col;
}

std::vector<std::vector<std::string>> dumpedCells(const ResultGrid &grid) {
  std::istringstream dump(charts::chartDumpText(grid, true));
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(dump, line);) {
    std::vector<std::string> &cells = rows.emplace_back();
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
      cells.push_back(line.substr(from, tab - from));
    cells.push_back(line.substr(from));
  }
  return rows;
}

}  // namespace corvessa::test
