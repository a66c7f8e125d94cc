// Times every registered tool on generated draw histories: reading, the chart
// computation, showing the window offscreen, the grid's memory, and the same
// grid filled into a QStandardItemModel as the reference. See README.md.
#include "charts/tool.h"
#include "charts/toolsession.h"
#include "core/drawfile.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/platform/platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

using namespace corvessa;

namespace {

// A history of `count` draws: labels 2000001, 2000002, ... and digits from a
// fixed pseudo-random sequence, so every run times the same data.
QByteArray generatedHistory(int count) {
  QByteArray file;
  file.reserve(qsizetype(count) * 16);
  std::uint32_t state = 12345;
  const auto digit = [&state] {
    state = state * 1664525u + 1013904223u;
    return char('0' + (state >> 16) % 10);
  };
  for (int i = 1; i <= count; ++i) {
    file += QByteArray::number(2000000 + i);
    for (int k = 0; k < 3; ++k) {
      file += ' ';
      file += digit();
    }
    file += "\r\n";
  }
  return file;
}

double medianMs(int runs, const std::function<void()> &body) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    body();
    times.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

QBrush brush(Rgb rgb) { return QColor(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)); }

// The same grid as a widget-item model: one item per cell, shown the same way.
void showReference(const ResultGrid &grid) {
  QStandardItemModel model(grid.rows() - 1, grid.cols() - 1);
  for (int c = 1; c < grid.cols(); ++c)
    model.setHorizontalHeaderItem(c - 1, new QStandardItem(grid.text(0, c)));
  for (int r = 1; r < grid.rows(); ++r) {
    model.setVerticalHeaderItem(r - 1, new QStandardItem(grid.text(r, 0)));
    for (int c = 1; c < grid.cols(); ++c) {
      auto *item = new QStandardItem(grid.text(r, c));
      if (grid.foreColor(r, c))
        item->setForeground(brush(grid.foreColor(r, c)));
      if (grid.backColor(r, c))
        item->setBackground(brush(grid.backColor(r, c)));
      model.setItem(r - 1, c - 1, item);
    }
  }
  QTableView view;
  view.resize(775, 393);
  view.setModel(&model);
  for (int c = 1; c < grid.cols(); ++c)
    view.setColumnWidth(c - 1, twipsToPixels(grid.colWidth(c) < 0 ? kDefaultColumnTwips : grid.colWidth(c)));
  view.show();
  view.scrollToBottom();
  view.grab();
}

// An enquiry's text: `count` numbers of three digits, "000 001 002 ...".
QString enquiryText(int count) {
  QString text;
  for (int i = 0; i < count; ++i)
    text += QStringLiteral("%1 ").arg(i % 1000, 3, 10, QLatin1Char('0'));
  return text;
}

bool hasInputBox(const ToolEntry &tool) {
  return std::any_of(tool.design.controls.begin(), tool.design.controls.end(),
                     [](const ControlDesign &c) { return c.role == ControlRole::Input; });
}

// The most numbers, up to 400, that the window's enquiry takes: a window
// refuses too many with a message.
int enquiryEntries(const ToolEntry &tool) {
  for (int count = 400; count > 1; --count) {
    RecordingHost host;
    ToolSession session(tool, &host);
    session.load(DrawHistory{});
    session.enquire(enquiryText(count));
    if (host.messages.empty())
      return count;
  }
  return 1;
}

// The tool's chart as its window computes it; a window with an input box
// then runs an enquiry of that many numbers.
ResultGrid runTool(const ToolEntry &tool, const DrawHistory &history, const QString &enquiry) {
  if (enquiry.isEmpty())
    return computeChart(tool, history);
  ToolSession session(tool);
  session.load(history);
  session.enquire(enquiry);
  return std::move(session.state().grid);
}

struct Row {
  QString tool;
  int draws = 0, rows = 0, cols = 0;
  double readMs = 0, computeMs = 0, showMs = 0, referenceMs = 0, bytesPerCell = 0;
  double cells() const { return double(rows) * cols; }
  double nsPerCell() const { return computeMs * 1e6 / cells(); }
  double totalMs() const { return computeMs + showMs; }
  double ratio() const { return referenceMs / totalMs(); }
};

QList<int> parseList(const QString &text) {
  QList<int> out;
  for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
    out << part.toInt();
  return out;
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QList<int> sizes{1000, 10000, 100000};
  QStringList onlyTools;
  QString csvPath;
  const QStringList args = app.arguments().mid(1);
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--sizes") && i + 1 < args.size())
      sizes = parseList(args[++i]);
    else if (args[i] == QLatin1String("--tools") && i + 1 < args.size())
      onlyTools = args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
    else if (args[i].startsWith(QLatin1String("--"))) {
      std::fprintf(stderr, "usage: corvessa-bench [--sizes 1000,10000,100000] [--tools NAME,...] [CSV_PATH]\n");
      return 2;
    } else
      csvPath = args[i];
  }
  if (csvPath.isEmpty()) {
    QDir().mkpath(QStringLiteral("bench-results"));
    csvPath = QStringLiteral("bench-results/tools-%1.csv")
                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
  }

  std::map<int, QByteArray> files;
  std::map<int, DrawHistory> histories;
  for (int n : sizes) {
    files[n] = generatedHistory(n);
    histories[n] = parseDrawHistory(files[n]);
  }

  QtPlatform platform;
  std::vector<Row> results;
  std::printf("%-18s %7s %9s %9s %8s %9s %9s %8s %10s %7s\n", "tool", "draws", "read ms", "compute", "ns/cell",
              "show ms", "total ms", "B/cell", "ref ms", "ratio");
  for (const ToolEntry &tool : ToolRegistry::instance().entries()) {
    if (!onlyTools.isEmpty() && !onlyTools.contains(tool.design.windowName))
      continue;
    const QString enquiry = hasInputBox(tool) ? enquiryText(enquiryEntries(tool)) : QString();
    for (int n : sizes) {
      const DrawHistory &history = histories[n];
      const int runs = n >= 100000 ? 7 : n >= 10000 ? 11 : 21;
      Row row;
      row.tool = tool.design.windowName;
      row.draws = n;
      row.readMs = medianMs(runs, [&] { (void)parseDrawHistory(files[n]); });
      runTool(tool, history, enquiry);  // warm-up
      row.computeMs = medianMs(runs, [&] { (void)runTool(tool, history, enquiry); });
      const ResultGrid grid = runTool(tool, history, enquiry);
      row.rows = grid.rows();
      row.cols = grid.cols();
      row.bytesPerCell = double(grid.memoryBytes()) / row.cells();

      std::vector<double> shows;
      for (int i = 0; i < std::min(runs, 5); ++i) {
        ResultGrid copy = grid;
        auto *window = new ToolWindow(tool, platform);
        QElapsedTimer timer;
        timer.start();
        window->showChart(std::move(copy), n);
        window->show();
        window->grab();  // the first paint of the whole window
        shows.push_back(double(timer.nsecsElapsed()) / 1e6);
        delete window;
      }
      std::sort(shows.begin(), shows.end());
      row.showMs = shows[shows.size() / 2];
      row.referenceMs = medianMs(n >= 100000 ? 3 : 5, [&] { showReference(grid); });
      results.push_back(row);
      std::printf("%-18s %7d %9.2f %9.2f %8.1f %9.2f %9.2f %8.2f %10.1f %7.1f\n", qPrintable(row.tool), n, row.readMs,
                  row.computeMs, row.nsPerCell(), row.showMs, row.totalMs(), row.bytesPerCell, row.referenceMs,
                  row.ratio());
      std::fflush(stdout);
    }
  }

  // How much more each size costs than the size before it (compute and show).
  std::map<std::pair<QString, int>, const Row *> byKey;
  for (const Row &r : results)
    byKey[{r.tool, r.draws}] = &r;
  QFile csv(csvPath);
  if (!csv.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "corvessa-bench: cannot write %s\n", qPrintable(csvPath));
    return 1;
  }
  QTextStream out(&csv);
  out << "tool,draws,rows,cols,read_ms,compute_ms,ns_per_cell,show_ms,compute_show_ms,bytes_per_cell,"
         "reference_ms,reference_ratio,compute_growth_vs_previous_size,growth_vs_previous_size\n";
  for (const Row &r : results) {
    QString computeGrowth, growth;
    const auto it = std::find(sizes.begin(), sizes.end(), r.draws);
    if (it != sizes.begin() && it != sizes.end())
      if (const Row *previous = byKey[{r.tool, *(it - 1)}]) {
        computeGrowth = QString::number(r.computeMs / previous->computeMs, 'f', 2);
        growth = QString::number(r.totalMs() / previous->totalMs(), 'f', 2);
      }
    out << r.tool << ',' << r.draws << ',' << r.rows << ',' << r.cols << ',' << QString::number(r.readMs, 'f', 3)
        << ',' << QString::number(r.computeMs, 'f', 3) << ',' << QString::number(r.nsPerCell(), 'f', 2) << ','
        << QString::number(r.showMs, 'f', 3) << ',' << QString::number(r.totalMs(), 'f', 3) << ','
        << QString::number(r.bytesPerCell, 'f', 2) << ',' << QString::number(r.referenceMs, 'f', 2) << ','
        << QString::number(r.ratio(), 'f', 1) << ',' << computeGrowth << ',' << growth << '\n';
  }
  std::printf("CSV written to %s\n", qPrintable(QFileInfo(csvPath).absoluteFilePath()));
  return 0;
}
