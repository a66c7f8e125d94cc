// The draw editor's figures: opening "Drawings" on a generated history in a
// fresh process (the file read, the rows made, the window shown and
// painted), and the memory that the open takes beyond the file's own bytes.
// See README.md.
#include "bench_editor.h"

#include "bench_child.h"

#include "core/programstate.h"
#include "gui/editor/draweditor.h"
#include "gui/platform/platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace corvessa::bench {

namespace {

// Answers every dialog with No or cancel, and says nothing: a benchmark
// never waits on a box. An open that had anything to say is reported.
class SilentPlatform final : public Platform {
 public:
  int messages = 0;
  MessageAnswer message(QWidget *, const QString &text, MessageStyle, const QString &) override {
    ++messages;
    std::fprintf(stderr, "corvessa-bench: the editor said: %s\n", qPrintable(text.left(200)));
    return MessageAnswer::No;
  }
  QString input(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
  std::optional<QString> openFileName(QWidget *, const FileDialogRequest &) override { return std::nullopt; }
  std::optional<QString> saveFileName(QWidget *, const FileDialogRequest &) override { return std::nullopt; }
  bool openInBrowser(QWidget *, const QString &) override { return false; }
  void setClipboardText(const QString &) override {}
  QString clipboardText() override { return {}; }
};

// A figure of /proc/self/status in kB ("VmRSS:", "VmHWM:").
long statusKb(const char *field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return 0;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith(field))
      return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
  return 0;
}

// From here on the peak resident memory counts from what is resident now.
void resetPeak() {
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  if (clear.open(QIODevice::WriteOnly))
    clear.write("5");
}

struct EditorRun {
  double openMs = 0;
  long baseKb = 0, peakKb = 0;  // resident before the open, and the peak of the open
  long growthKb() const { return peakKb - baseKb; }
};

double msSince(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

void showAndPaint(Platform &platform) {
  DrawEditor editor(platform);
  editor.show();
  editor.grab();
}

}  // namespace

// The child: the toolkit started by an editor on an empty lottery, as a
// running program has it, then one open of the lottery "Bench". Prints the
// open's time in ms, the resident kB before it and the peak kB of it.
int editorChild(const QString &home) {
  qputenv("CORVESSA_HOME", QFile::encodeName(home));
  SilentPlatform platform;
  programState().DataFilePath = home + QStringLiteral("/data/Empty.txt");
  showAndPaint(platform);

  programState().DataFilePath = home + QStringLiteral("/data/Bench.txt");
  EditorRun run;
  resetPeak();
  run.baseKb = statusKb("VmRSS:");
  QElapsedTimer timer;
  timer.start();
  {
    DrawEditor editor(platform);
    editor.show();
    editor.grab();
    run.openMs = msSince(timer);
    run.peakKb = statusKb("VmHWM:");
  }
  if (platform.messages > 0)
    return 1;
  std::printf("%.3f %ld %ld\n", run.openMs, run.baseKb, run.peakKb);
  std::fflush(stdout);
  return 0;
}

int editorBench(const QList<int> &sizes, int runs, const QString &csvPath,
                const std::function<QByteArray(int)> &history) {
  QTemporaryDir home;
  QDir(home.path()).mkpath(QStringLiteral("data"));
  QDir(home.path()).mkpath(QStringLiteral("Varnel3"));
  QFile empty(home.filePath(QStringLiteral("data/Empty.txt")));
  if (!empty.open(QIODevice::WriteOnly))
    return 1;
  empty.close();

  QFile csv(csvPath);
  if (!csv.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "corvessa-bench: cannot write %s\n", qPrintable(csvPath));
    return 1;
  }
  QTextStream out(&csv);
  out << "draws,file_bytes,open_ms,base_kb,peak_kb,growth_kb,bytes_per_draw_beyond_file\n";
  std::printf("%-10s %12s %10s %10s %10s %14s\n", "draws", "file bytes", "open ms", "peak kB", "growth kB",
              "B/draw beyond");
  for (int n : sizes) {
    qint64 fileBytes = 0;
    {
      const QByteArray bytes = history(n);
      fileBytes = bytes.size();
      QFile file(home.filePath(QStringLiteral("data/Bench.txt")));
      if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "corvessa-bench: cannot write the history of %d draws\n", n);
        return 1;
      }
    }
    std::vector<EditorRun> measured;
    for (int i = 0; i < runs; ++i) {
      const auto parts = childFigures({QStringLiteral("--editor-child"), home.path()}, 3,
                                      QStringLiteral("editor's run at %1 draws").arg(n));
      if (parts)
        measured.push_back(EditorRun{(*parts)[0].toDouble(), (*parts)[1].toLong(), (*parts)[2].toLong()});
    }
    if (measured.empty())
      continue;
    std::sort(measured.begin(), measured.end(),
              [](const EditorRun &a, const EditorRun &b) { return a.openMs < b.openMs; });
    const EditorRun &run = measured[measured.size() / 2];
    const double beyond = (double(run.growthKb()) * 1024 - double(fileBytes)) / n;
    std::printf("%-10d %12lld %10.1f %10ld %10ld %14.1f\n", n, static_cast<long long>(fileBytes), run.openMs,
                run.peakKb, run.growthKb(), beyond);
    std::fflush(stdout);
    out << n << ',' << fileBytes << ',' << QString::number(run.openMs, 'f', 3) << ',' << run.baseKb << ','
        << run.peakKb << ',' << run.growthKb() << ',' << QString::number(beyond, 'f', 1) << '\n';
  }
  std::printf("CSV written to %s\n", qPrintable(QFileInfo(csvPath).absoluteFilePath()));
  return runResult();
}

}  // namespace corvessa::bench
