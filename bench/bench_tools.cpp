// Times every registered tool on generated draw histories: reading, the chart
// computation, showing the window offscreen, the grid's memory, and the same
// grid filled into a QStandardItemModel as the reference; with --cold also
// each tool opened once in a fresh process, as a user meets it. See README.md.
#include "bench_editor.h"
#include "bench_child.h"
#include "bench_window.h"
#include "charts/framework/tool.h"
#include "charts/framework/toolsession.h"
#include "core/drawfile.h"
#include "core/largearray.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/platform/platform.h"
#include "history/generatedhistory.h"
#include "tools/menus.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

using namespace corvessa;
using bench::childFigures;
using bench::enquiryEntries;
using bench::enquiryText;

namespace {

// The benchmark's history of `count` draws (devtools/history): every run
// times the same data.
QByteArray generatedHistory(int count) { return devtools::generatedHistory(devtools::GeneratedHistory::Bench, count); }

double msSince(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double medianMs(int runs, const std::function<void()> &body) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    body();
    times.push_back(msSince(timer));
  }
  return median(times);
}

// Minor page faults of this process so far: each is a fresh page of memory
// that the kernel hands out on its first touch.
long minorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// The process's peak resident memory in kB (its own: ru_maxrss carries the
// parent's over an exec).
long peakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return 0;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:"))
      return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
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

// One window shown with the grid: model set, scrolled to its end, the first
// paint of the whole window.
double showOnce(const ToolEntry &tool, Platform &platform, ResultGrid grid, int drawCount) {
  auto *window = new ToolWindow(tool, platform);
  QElapsedTimer timer;
  timer.start();
  window->state().grid = std::move(grid);
  window->state().drawCount = drawCount;
  window->showChart();
  window->show();
  window->grab();
  const double ms = msSince(timer);
  delete window;
  return ms;
}

// What one fresh process measured of one open of a tool, and of its second
// open once the first window is closed.
struct ColdRun {
  double readMs = 0, computeMs = 0, showMs = 0;
  long faults = 0;
  long peakKb = 0;
  double secondMs = 0;
  long secondFaults = 0;
  double totalMs() const { return readMs + computeMs + showMs; }
};

// The child of --cold: a fresh process opens the tool as the menu item does
// (the window made, the draw file read, the chart computed and shown,
// painted; the enquiry typed and pressed), after the toolkit has shown a
// small window of another tool, as a running program has; then closes it and
// opens it again, as a second chart of the session. Prints one line: read,
// compute and show in ms, minor faults, peak resident kB of the first open;
// ms and minor faults of the second.
int coldChild(const QString &windowName, const QString &path, int entries) {
  const std::vector<ToolEntry> &tools = toolRegistry().entries();
  const ToolEntry *tool = toolRegistry().find(windowName);
  if (!tool || tools.size() < 2) {
    std::fprintf(stderr, "corvessa-bench: no tool %s\n", qPrintable(windowName));
    return 2;
  }
  QtPlatform platform;
  // The toolkit's own first use (fonts, style, the table view) is not the tool's.
  const ToolEntry &other = tools[0].design.windowName == windowName ? tools[1] : tools[0];
  showOnce(other, platform, ResultGrid(12, other.design.cols), 10);

  const auto open = [&] {
    ColdRun run;
    const long faultsBefore = minorFaults();
    QElapsedTimer timer;
    timer.start();
    auto *window = new ToolWindow(*tool, platform);
    const DrawHistory history = readDrawHistory(path);
    run.readMs = msSince(timer);
    timer.restart();
    window->session().load(history);
    run.computeMs = msSince(timer);
    timer.restart();
    window->showChart();
    window->show();
    window->grab();
    run.showMs = msSince(timer);
    if (entries > 0) {
      window->textBox(tool->design.control(ControlRole::Input)->name)->setPlainText(enquiryText(entries));
      timer.restart();
      window->button(tool->design.control(ControlRole::Enquiry)->name)->click();
      run.computeMs += msSince(timer);
      timer.restart();
      window->grab();
      run.showMs += msSince(timer);
    }
    run.faults = minorFaults() - faultsBefore;
    return std::make_pair(run, window);
  };
  auto [run, window] = open();
  run.peakKb = peakResidentKb();
  delete window;
  const auto [second, secondWindow] = open();
  delete secondWindow;
  std::printf("%.3f %.3f %.3f %ld %ld %.3f %ld\n", run.readMs, run.computeMs, run.showMs, run.faults, run.peakKb,
              second.totalMs(), second.faults);
  std::fflush(stdout);
  return 0;
}

// The median (by total time) of `runs` fresh processes, each after a pause
// of `pauseMs`.
ColdRun coldOpen(const QString &windowName, const QString &path, int entries, int runs, int pauseMs) {
  std::vector<ColdRun> measured;
  for (int i = 0; i < runs; ++i) {
    if (pauseMs > 0)
      QThread::msleep(static_cast<unsigned long>(pauseMs));
    const auto figures = childFigures({QStringLiteral("--cold-child"), windowName, path, QString::number(entries)}, 7,
                                      QStringLiteral("cold run of ") + windowName);
    if (!figures)
      continue;
    const QList<QByteArray> &parts = *figures;
    measured.push_back(ColdRun{parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble(), parts[3].toLong(),
                               parts[4].toLong(), parts[5].toDouble(), parts[6].toLong()});
  }
  if (measured.empty())
    return {};
  std::sort(measured.begin(), measured.end(),
            [](const ColdRun &a, const ColdRun &b) { return a.totalMs() < b.totalMs(); });
  return measured[measured.size() / 2];
}

struct Row {
  QString tool;
  int draws = 0, rows = 0, cols = 0;
  double readMs = 0, computeMs = 0, showMs = 0, referenceMs = 0, bytesPerCell = 0;
  double computeFaults = 0;  // minor faults per warm compute
  double gridPages = 0;      // the grid's memory in pages of 4 KB
  bool cold = false;
  ColdRun coldRun;
  double cells() const { return double(rows) * cols; }
  double nsPerCell() const { return computeMs * 1e6 / cells(); }
  double totalMs() const { return computeMs + showMs; }
  double ratio() const { return referenceMs > 0 ? referenceMs / totalMs() : 0; }
};

QList<int> parseList(const QString &text) {
  QList<int> out;
  for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
    out << part.toInt();
  return out;
}

QString growthText(double now, double before) {
  return before > 0 ? QString::number(now / before, 'f', 2) : QString();
}

// The slowest ten of one history size, by a figure.
void printSlowest(const std::vector<Row> &results, int draws, const char *what,
                  const std::function<double(const Row &)> &figure) {
  std::vector<const Row *> rows;
  for (const Row &r : results)
    if (r.draws == draws)
      rows.push_back(&r);
  std::sort(rows.begin(), rows.end(), [&](const Row *a, const Row *b) { return figure(*a) > figure(*b); });
  std::printf("slowest %s at %d draws:", what, draws);
  for (std::size_t i = 0; i < std::min<std::size_t>(10, rows.size()); ++i)
    std::printf(" %s %.1f", qPrintable(rows[i]->tool), figure(*rows[i]));
  std::printf("\n");
}

}  // namespace

int main(int argc, char **argv) {
  keepFreedHeapForNextCharts();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QList<int> sizes;
  QStringList onlyTools;
  QString csvPath;
  bool cold = false, reference = true, editor = false, window = false;
  int coldRuns = 3, coldPauseMs = 0;
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 4 && args[0] == QLatin1String("--cold-child"))
    return coldChild(args[1], args[2], args[3].toInt());
  if (args.size() == 2 && args[0] == QLatin1String("--editor-child"))
    return bench::editorChild(args[1]);
  if (args.size() == 4 && args[0] == QLatin1String("--window-child"))
    return bench::windowChild(args[1], args[2], args[3].toInt());
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--sizes") && i + 1 < args.size())
      sizes = parseList(args[++i]);
    else if (args[i] == QLatin1String("--editor"))
      editor = true;
    else if (args[i] == QLatin1String("--window"))
      window = true;
    else if (args[i] == QLatin1String("--tools") && i + 1 < args.size())
      onlyTools = args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
    else if (args[i] == QLatin1String("--cold"))
      cold = true;
    else if (args[i] == QLatin1String("--cold-runs") && i + 1 < args.size())
      coldRuns = std::max(args[++i].toInt(), 1);
    else if (args[i] == QLatin1String("--cold-pause") && i + 1 < args.size())
      coldPauseMs = std::max(args[++i].toInt(), 0);
    else if (args[i] == QLatin1String("--child-bound") && i + 1 < args.size())
      bench::setChildBoundMs(std::max(int(args[++i].toDouble() * 1000), 1));
    else if (args[i] == QLatin1String("--no-reference"))
      reference = false;
    else if (args[i].startsWith(QLatin1String("--"))) {
      std::fprintf(stderr,
                   "usage: corvessa-bench [--sizes 1000,10000,100000] [--tools NAME,...]\n"
                   "                      [--cold [--cold-runs 3] [--cold-pause MS]]\n"
                   "                      [--no-reference] [--child-bound SECONDS] [CSV_PATH]\n"
                   "       corvessa-bench --editor [--sizes 1000000,10000000] [--cold-runs 3] [CSV_PATH]\n"
                   "       corvessa-bench --window [--sizes 100000,1000000] [--tools NAME,...] [--cold-runs 3]\n"
                   "                      [CSV_PATH]\n");
      return 2;
    } else
      csvPath = args[i];
  }
  if (csvPath.isEmpty()) {
    QDir().mkpath(QStringLiteral("bench-results"));
    csvPath = QStringLiteral("bench-results/%1-%2.csv")
                  .arg(editor   ? QStringLiteral("editor")
                       : window ? QStringLiteral("window")
                                : QStringLiteral("tools"),
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
  }
  if (sizes.isEmpty())
    sizes = editor   ? QList<int>{1000000, 10000000}
            : window ? QList<int>{100000, 1000000}
                     : QList<int>{1000, 10000, 100000};
  if (editor)
    return bench::editorBench(sizes, coldRuns, csvPath, generatedHistory);
  if (window)
    return bench::windowBench(sizes, onlyTools, coldRuns, csvPath, generatedHistory);

  // The histories as files too: a cold run reads its draw file as the window does.
  QTemporaryDir dir;
  std::map<int, QByteArray> files;
  std::map<int, QString> paths;
  std::map<int, DrawHistory> histories;
  for (int n : sizes) {
    files[n] = generatedHistory(n);
    histories[n] = parseDrawHistory(files[n]);
    paths[n] = dir.filePath(QStringLiteral("h%1.txt").arg(n));
    QFile file(paths[n]);
    if (!file.open(QIODevice::WriteOnly) || file.write(files[n]) != files[n].size()) {
      std::fprintf(stderr, "corvessa-bench: cannot write %s\n", qPrintable(paths[n]));
      return 1;
    }
  }

  QtPlatform platform;
  std::vector<const ToolEntry *> tools;
  for (const ToolEntry &tool : toolRegistry().entries())
    if (onlyTools.isEmpty() || onlyTools.contains(tool.design.windowName))
      tools.push_back(&tool);
  if (tools.empty() || sizes.isEmpty())
    return 0;

  // The process's own first use (code pages, the toolkit's fonts and style,
  // the allocator's first arenas) is nobody's: one whole round on the
  // smallest history before the first figure.
  {
    const ToolEntry &first = *tools.front();
    const int n = *std::min_element(sizes.begin(), sizes.end());
    const QString enquiry = enquiryText(enquiryEntries(first));
    (void)parseDrawHistory(files[n]);
    const ResultGrid grid = runTool(first, histories[n], enquiry);
    showOnce(first, platform, grid, n);
    if (reference)
      showReference(grid);
  }

  std::vector<Row> results;
  std::printf("%-18s %7s %8s %9s %7s %8s %9s %6s %9s %6s %8s %9s %8s\n", "tool", "draws", "read ms", "compute",
              "ns/cell", "show ms", "total ms", "B/cell", "ref ms", "ratio", "faults", "cold ms", "cold flt");
  for (const ToolEntry *toolEntry : tools) {
    const ToolEntry &tool = *toolEntry;
    const int entries = enquiryEntries(tool);
    const QString enquiry = entries > 0 ? enquiryText(entries) : QString();
    for (int n : sizes) {
      const DrawHistory &history = histories[n];
      const int runs = n >= 1000000 ? 3 : n >= 100000 ? 7 : n >= 10000 ? 11 : 21;
      Row row;
      row.tool = tool.design.windowName;
      row.draws = n;
      row.readMs = medianMs(runs, [&] { (void)parseDrawHistory(files[n]); });
      runTool(tool, history, enquiry);  // warm-up
      const long faultsBefore = minorFaults();
      row.computeMs = medianMs(runs, [&] { (void)runTool(tool, history, enquiry); });
      row.computeFaults = double(minorFaults() - faultsBefore) / runs;
      ResultGrid grid = runTool(tool, history, enquiry);
      row.rows = grid.rows();
      row.cols = grid.cols();
      row.bytesPerCell = double(grid.memoryBytes()) / row.cells();
      row.gridPages = std::ceil(double(grid.memoryBytes()) / 4096);

      std::vector<double> shows;
      for (int i = 0; i < std::min(runs, 5); ++i)
        shows.push_back(showOnce(tool, platform, grid, n));
      row.showMs = median(shows);
      if (reference)
        row.referenceMs = medianMs(n >= 100000 ? 3 : 5, [&] { showReference(grid); });
      grid = ResultGrid();  // its memory back before a child takes its own
      if (cold) {
        row.cold = true;
        row.coldRun = coldOpen(row.tool, paths[n], entries, coldRuns, coldPauseMs);
      }
      results.push_back(row);
      std::printf("%-18s %7d %8.2f %9.2f %7.1f %8.2f %9.2f %6.2f %9.1f %6.1f %8.0f", qPrintable(row.tool), n,
                  row.readMs, row.computeMs, row.nsPerCell(), row.showMs, row.totalMs(), row.bytesPerCell,
                  row.referenceMs, row.ratio(), row.computeFaults);
      if (row.cold)
        std::printf(" %9.2f %8ld", row.coldRun.totalMs(), row.coldRun.faults);
      std::printf("\n");
      std::fflush(stdout);
    }
  }

  for (int n : sizes) {
    printSlowest(results, n, "warm (compute + show, ms)", [](const Row &r) { return r.totalMs(); });
    if (cold)
      printSlowest(results, n, "cold (read + compute + show, ms)", [](const Row &r) { return r.coldRun.totalMs(); });
    printSlowest(results, n, "in bytes a cell", [](const Row &r) { return r.bytesPerCell; });
    // A second chart of a process writes memory that the first touched.
    printSlowest(results, n, "second chart (warm compute), faults in % of its grid's pages",
                 [](const Row &r) { return 100 * r.computeFaults / r.gridPages; });
    if (cold)
      printSlowest(results, n, "second window of a fresh process, faults in % of its grid's pages",
                   [](const Row &r) { return 100 * double(r.coldRun.secondFaults) / r.gridPages; });
  }

  // How much more each size costs than the size before it.
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
         "reference_ms,reference_ratio,compute_faults,compute_growth_vs_previous_size,growth_vs_previous_size,"
         "cold_read_ms,cold_compute_ms,cold_show_ms,cold_ms,cold_faults,cold_peak_kb,cold_growth_vs_previous_size,"
         "grid_pages,cold_second_ms,cold_second_faults\n";
  for (const Row &r : results) {
    QString computeGrowth, growth, coldGrowth;
    const auto it = std::find(sizes.begin(), sizes.end(), r.draws);
    if (it != sizes.begin() && it != sizes.end())
      if (const Row *previous = byKey[{r.tool, *(it - 1)}]) {
        computeGrowth = growthText(r.computeMs, previous->computeMs);
        growth = growthText(r.totalMs(), previous->totalMs());
        if (r.cold)
          coldGrowth = growthText(r.coldRun.totalMs(), previous->coldRun.totalMs());
      }
    out << r.tool << ',' << r.draws << ',' << r.rows << ',' << r.cols << ',' << QString::number(r.readMs, 'f', 3)
        << ',' << QString::number(r.computeMs, 'f', 3) << ',' << QString::number(r.nsPerCell(), 'f', 2) << ','
        << QString::number(r.showMs, 'f', 3) << ',' << QString::number(r.totalMs(), 'f', 3) << ','
        << QString::number(r.bytesPerCell, 'f', 2) << ',' << QString::number(r.referenceMs, 'f', 2) << ','
        << QString::number(r.ratio(), 'f', 1) << ',' << QString::number(r.computeFaults, 'f', 0) << ','
        << computeGrowth << ',' << growth << ',';
    if (r.cold)
      out << QString::number(r.coldRun.readMs, 'f', 3) << ',' << QString::number(r.coldRun.computeMs, 'f', 3) << ','
          << QString::number(r.coldRun.showMs, 'f', 3) << ',' << QString::number(r.coldRun.totalMs(), 'f', 3) << ','
          << r.coldRun.faults << ',' << r.coldRun.peakKb << ',' << coldGrowth;
    else
      out << ",,,,,,";
    out << ',' << QString::number(r.gridPages, 'f', 0) << ',';
    if (r.cold)
      out << QString::number(r.coldRun.secondMs, 'f', 3) << ',' << r.coldRun.secondFaults;
    else
      out << ',';
    out << '\n';
  }
  std::printf("CSV written to %s\n", qPrintable(QFileInfo(csvPath).absoluteFilePath()));
  return bench::runResult();
}
