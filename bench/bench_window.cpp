// --window: a fresh process starts the main window on a generated lottery,
// chooses the tool's menu item, and drives the tool window with the mouse as
// a user does (the enquiry typed and "Enquire" pressed; a press, a click and
// a double-click on a cell in the middle of the grid). Each step is timed
// from its event to the end of the last paint that it caused, and the
// sections that the grid's fixed column (the vertical header) painted are
// counted, against the sections in view.
#include "bench_window.h"

#include "bench_child.h"

#include "core/lottery.h"
#include "gui/frame/gridview.h"
#include "gui/frame/toolwindow.h"
#include "gui/mainwindow.h"
#include "gui/platform/platform.h"
#include "gui/toolwindows.h"
#include "tools/menus.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace corvessa::bench {

namespace {

// Counts the paint events of every widget.
class PaintCounter final : public QObject {
 public:
  long paints = 0;

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint)
      ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// The header's style, counting the sections it draws (each is one header face).
class SectionCounter final : public QProxyStyle {
 public:
  long sections = 0;
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                   const QWidget *widget) const override {
    if (element == CE_Header)
      ++const_cast<SectionCounter *>(this)->sections;
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

// Runs the event loop until nothing has painted for a while; returns the
// milliseconds from `since` to the end of the last paint (or to now when
// nothing painted). What an event makes the window paint follows it with no
// pause: the handlers run in the event, the toolkit's own layouts in timers
// of no delay. Later paints are the toolkit's delayed ones (a press scrolls
// its cell into view after the double-click interval), which nothing waits
// for: they are let run before the next step, not counted in this one.
double untilLastPaint(const QElapsedTimer &since, const PaintCounter &counter) {
  constexpr int kPauseMs = 150, kSettleMs = 800;
  double last = double(since.nsecsElapsed()) / 1e6;
  long seen = counter.paints;
  QElapsedTimer quiet;
  quiet.start();
  bool measuring = true;
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (counter.paints != seen) {
      seen = counter.paints;
      if (measuring)
        last = double(since.nsecsElapsed()) / 1e6;
      quiet.restart();
    } else {
      QThread::usleep(200);
    }
    if (quiet.elapsed() < (measuring ? kPauseMs : kSettleMs))
      continue;
    if (!measuring)
      return last;
    measuring = false;
    quiet.restart();
  }
}

const char *menuItemOf(const QString &windowName) {
  for (const ToolMenu &menu : toolMenus())
    for (const ToolMenuItem &item : menu.items)
      if (!item.isSeparator() && item.windowName() == windowName)
        return item.name;
  return nullptr;
}

// The header's sections that show in its viewport.
int sectionsInView(QHeaderView *header) {
  if (!header->isVisible() || header->count() == 0)
    return 0;
  const int first = header->visualIndexAt(0);
  int last = header->visualIndexAt(header->viewport()->height() - 1);
  if (first < 0)
    return 0;
  if (last < 0)
    last = header->count() - 1;
  return last - first + 1;
}

constexpr int kFields = 11;
const char *const kFieldNames[kFields] = {
    "open_ms",  "open_sections", "enquire_ms",     "enquire_sections", "footer_in_view",  "press_ms",
    "click_ms", "double_ms",     "cell_sections", "sections_in_view", "scroll_ms"};

}  // namespace

int windowChild(const QString &windowName, const QString &programFolder, int entries) {
  Q_UNUSED(programFolder);  // CORVESSA_HOME names it
  const char *item = menuItemOf(windowName);
  if (!item) {
    std::fprintf(stderr, "corvessa-bench: no menu item opens %s\n", qPrintable(windowName));
    return 2;
  }
  PaintCounter counter;
  qApp->installEventFilter(&counter);
  // A message or other dialog would wait for a press that never comes: the
  // run stops at once and says what showed.
  QTimer dialogWatch;
  QObject::connect(&dialogWatch, &QTimer::timeout, [&] {
    if (QWidget *dialog = QApplication::activeModalWidget()) {
      const auto *box = qobject_cast<QMessageBox *>(dialog);
      std::fprintf(stderr, "%s showed a dialog, \"%s\": %s\n", qPrintable(windowName),
                   qPrintable(dialog->windowTitle()), box ? qPrintable(box->text()) : "");
      std::_Exit(3);
    }
  });
  dialogWatch.start(100);
  QtPlatform platform;
  MainWindow *main = MainWindow::showMain(platform);
  QElapsedTimer timer;
  timer.start();
  untilLastPaint(timer, counter);  // the toolkit started, as in a running program
  QAction *action = main->findChild<QAction *>(QString::fromLatin1(item));
  if (!action) {
    std::fprintf(stderr, "corvessa-bench: no action %s\n", item);
    return 2;
  }

  double figures[kFields] = {};
  // The grid's vertical header counts the sections it paints from the first
  // paint on: its style is set before the window shows.
  auto *sections = new SectionCounter;
  const auto countSections = [&](ToolWindow *window) {
    if (window && window->gridView()->verticalHeader()->style() != sections)
      window->gridView()->verticalHeader()->setStyle(sections);
  };
  // The window is made by the menu item; its header's style is set at its first show.
  struct ShowWatcher final : QObject {
    std::function<void(QObject *)> onShow;
    bool eventFilter(QObject *watched, QEvent *event) override {
      if (event->type() == QEvent::Show)
        onShow(watched);
      return false;
    }
  } watcher;
  watcher.onShow = [&](QObject *object) {
    if (auto *window = qobject_cast<ToolWindow *>(object))
      countSections(window);
  };
  qApp->installEventFilter(&watcher);

  timer.restart();
  action->trigger();
  figures[0] = untilLastPaint(timer, counter);
  qApp->removeEventFilter(&watcher);
  auto *window = qobject_cast<ToolWindow *>(ToolWindows::instance().openInstance(windowName));
  if (!window) {
    std::fprintf(stderr, "corvessa-bench: %s did not open\n", qPrintable(windowName));
    return 2;
  }
  countSections(window);
  figures[1] = double(sections->sections);
  GridView *view = window->gridView();
  QHeaderView *down = view->verticalHeader();

  if (entries > 0) {
    const ToolDesign &design = window->design();
    window->textBox(design.control(ControlRole::Input)->name)->setPlainText(enquiryText(entries));
    untilLastPaint(timer, counter);
    QPushButton *enquire = window->button(design.control(ControlRole::Enquiry)->name);
    sections->sections = 0;
    timer.restart();
    QTest::mouseClick(enquire, Qt::LeftButton);
    figures[2] = untilLastPaint(timer, counter);
    figures[3] = double(sections->sections);
    // The footer's last row is the grid's last row, at the bottom of the view.
    const int lastRow = view->model()->rowCount() - 1;
    figures[4] = view->rowAt(view->viewport()->height() - 1) == lastRow ||
                         (view->rowAt(0) <= lastRow && view->rowAt(view->viewport()->height() - 1) < 0)
                     ? 1
                     : 0;
  }

  // A cell in the middle of the grid's view.
  const QPoint at = view->viewport()->rect().center();
  sections->sections = 0;
  timer.restart();
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
  figures[5] = untilLastPaint(timer, counter);
  timer.restart();
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
  figures[6] = untilLastPaint(timer, counter);
  timer.restart();
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
  figures[7] = untilLastPaint(timer, counter);
  figures[8] = double(sections->sections);
  figures[9] = double(sectionsInView(down));
  // One page up: what a scroll repaints.
  timer.restart();
  QTest::keyClick(view, Qt::Key_PageUp);
  figures[10] = untilLastPaint(timer, counter);

  for (int i = 0; i < kFields; ++i)
    std::printf(i == 0 ? "%.3f" : " %.3f", figures[i]);
  std::printf("\n");
  std::fflush(stdout);
  // Quit without the windows' own teardown, which is no user's wait.
  std::_Exit(0);
}

int windowBench(const QList<int> &sizes, const QStringList &onlyTools, int runs, const QString &csvPath,
                const std::function<QByteArray(int)> &history) {
  QStringList tools = onlyTools;
  if (tools.isEmpty())
    for (const ToolEntry &tool : toolRegistry().entries())
      tools << tool.design.windowName;
  QTemporaryDir dir;
  QFile csv(csvPath);
  if (!csv.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "corvessa-bench: cannot write %s\n", qPrintable(csvPath));
    return 1;
  }
  QTextStream out(&csv);
  out << "tool,draws";
  for (const char *name : kFieldNames)
    out << ',' << name;
  out << '\n';
  std::printf("%-18s %8s %9s %6s %10s %6s %6s %8s %8s %9s %6s %6s %9s\n", "tool", "draws", "open ms", "hdr", "enquire",
              "hdr", "footer", "press", "click", "double", "hdr", "view", "page up");
  for (int n : sizes) {
    const QString folder = dir.filePath(QStringLiteral("p%1").arg(n));
    QDir().mkpath(folder + QStringLiteral("/data"));
    QDir().mkpath(folder + QStringLiteral("/Varnel3"));
    QFile data(folder + QStringLiteral("/data/Bench.txt"));
    QFile settings(folder + QStringLiteral("/Varnel3/shujuwenjian.ini"));
    const QByteArray file = history(n);
    if (!data.open(QIODevice::WriteOnly) || data.write(file) != file.size() ||
        !settings.open(QIODevice::WriteOnly) || settings.write(currentLotteryRecord(QStringLiteral("Bench.txt"))) < 0) {
      std::fprintf(stderr, "corvessa-bench: cannot write the program folder %s\n", qPrintable(folder));
      return 1;
    }
    data.close();
    settings.close();
    for (const QString &tool : tools) {
      const ToolEntry *entry = toolRegistry().find(tool);
      if (!entry)
        continue;
      const int entries = enquiryEntries(*entry);
      std::vector<std::vector<double>> measured(kFields);
      for (int run = 0; run < runs; ++run) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CORVESSA_HOME"), folder);
        const auto parts = childFigures({QStringLiteral("--window-child"), tool, folder, QString::number(entries)},
                                        kFields, QStringLiteral("window run of ") + tool, env);
        if (!parts)
          continue;
        for (int i = 0; i < kFields; ++i)
          measured[std::size_t(i)].push_back((*parts)[i].toDouble());
      }
      if (measured[0].empty())
        continue;
      double median[kFields];
      for (int i = 0; i < kFields; ++i) {
        std::vector<double> &values = measured[std::size_t(i)];
        std::sort(values.begin(), values.end());
        median[i] = values[values.size() / 2];
      }
      std::printf("%-18s %8d %9.1f %6.0f %10.1f %6.0f %6.0f %8.2f %8.2f %9.2f %6.0f %6.0f %9.2f\n",
                  qPrintable(tool), n, median[0], median[1], median[2], median[3], median[4], median[5], median[6],
                  median[7], median[8], median[9], median[10]);
      std::fflush(stdout);
      out << tool << ',' << n;
      for (double value : median)
        out << ',' << QString::number(value, 'f', 3);
      out << '\n';
    }
  }
  std::printf("CSV written to %s\n", qPrintable(QFileInfo(csvPath).absoluteFilePath()));
  return runResult();
}

}  // namespace corvessa::bench
