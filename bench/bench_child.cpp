#include "bench_child.h"

#include "charts/framework/toolsession.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

namespace corvessa::bench {

namespace {

int failedChildren = 0;
int childBoundMs = 120000;

}  // namespace

QString enquiryText(int count) {
  QString text;
  for (int i = 0; i < count; ++i)
    text += QStringLiteral("%1 ").arg(i % 1000, 3, 10, QLatin1Char('0'));
  return text;
}

int enquiryEntries(const ToolEntry &tool) {
  if (!tool.design.control(ControlRole::Input))
    return 0;
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

std::optional<QList<QByteArray>> childFigures(const QStringList &args, int fields, const QString &what,
                                              const QProcessEnvironment &env) {
  QProcess child;
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(), args);
  const bool finished = child.waitForFinished(childBoundMs);
  if (!finished && child.state() != QProcess::NotRunning) {
    child.kill();
    child.waitForFinished(-1);
    ++failedChildren;
    std::fprintf(stderr, "corvessa-bench: the %s did not finish within %.1f s and was stopped\n", qPrintable(what),
                 childBoundMs / 1000.0);
    return std::nullopt;
  }
  if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
    ++failedChildren;
    std::fprintf(stderr, "corvessa-bench: the %s failed: %s\n", qPrintable(what),
                 child.readAllStandardError().constData());
    return std::nullopt;
  }
  QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
  if (parts.size() != fields) {
    ++failedChildren;
    std::fprintf(stderr, "corvessa-bench: the %s printed no figures\n", qPrintable(what));
    return std::nullopt;
  }
  return parts;
}

void setChildBoundMs(int ms) { childBoundMs = ms; }

int runResult() { return failedChildren > 0 ? 1 : 0; }

}  // namespace corvessa::bench
