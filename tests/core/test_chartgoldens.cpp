// The chart dumper's output is the contract of every tool: for each draw file
// in tests/fixtures/draws and each chart kept in tests/fixtures/charts, the
// dump with colours is byte for byte the one kept. The 1000-draw history is
// kept as SHA-256 digests, one line per window.
//
// The window around the chart is kept too: tests/fixtures/designs holds each
// window's design lines (--design) after its load on cases.txt.
//
// Each comparison names the kept text first, so a failure's diff reads from
// the golden to what the tool shows now. A new tool, or an intended change
// of what tools show, writes them again once checked by hand:
// devtools/chartdump/goldens.sh CORVESSA_CHART, which says what changed.
#include "chartdump/commandline.h"
#include "tools/menus.h"
#include "charts/framework/chartdump.h"
#include "charts/framework/tool.h"
#include "support/core/menuitems.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <sstream>

#include <gtest/gtest.h>

using namespace corvessa;

namespace {

const QString kFixtures = QStringLiteral(CORVESSA_FIXTURES_DIR);

std::string dumpOf(const QString &window, const QString &drawFile, const char *what = "--colors") {
  std::ostringstream out, err;
  const int status = runChartDump(toolRegistry(), {what, window.toStdString(), drawFile.toStdString()}, out, err);
  EXPECT_EQ(status, 0) << err.str();
  return out.str();
}

QByteArray readAll(const QString &path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

// Every window name of the program's registry, sorted.
QStringList registeredWindows() {
  QStringList names;
  for (const ToolEntry &tool : toolRegistry().entries())
    names << tool.design.windowName;
  names.sort();
  return names;
}

// The names of the fixture draw files, without ".txt", sorted.
QStringList drawFiles() {
  QStringList names;
  for (const QString &file : QDir(kFixtures + "/draws").entryList({"*.txt"}, QDir::Files))
    names << file.chopped(4);
  return names;
}

// The window names before ".txt" of the files kept in a folder, sorted.
QStringList keptWindows(const QString &folder) {
  QStringList names;
  for (const QString &kept : QDir(folder).entryList({"*.txt"}, QDir::Files, QDir::Name))
    names << kept.chopped(4);
  return names;
}

}  // namespace

// Each draw file keeps the charts of exactly the registered tools: a folder of
// dumps, or (the long history) one file of digests.
TEST(ChartGoldens, EveryRegisteredToolOnEveryDrawFileIsKept) {
  const QDir charts(kFixtures + "/charts");
  QStringList keptFor = charts.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString &digests : charts.entryList({"*.sha256"}, QDir::Files))
    keptFor << digests.chopped(7);
  keptFor.sort();
  ASSERT_EQ(keptFor, drawFiles());
  EXPECT_GE(keptFor.size(), 6);
  const QStringList tools = registeredWindows();
  ASSERT_EQ(tools.size(), test::menuToolCount());
  for (const QString &fixture : charts.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    EXPECT_EQ(keptWindows(charts.filePath(fixture)), tools) << fixture.toStdString();
  QStringList digested;
  for (const QByteArray &line : readAll(charts.filePath("every1000.sha256")).split('\n'))
    if (!line.isEmpty())
      digested << QString::fromLatin1(line.split(' ').last());
  digested.sort();
  EXPECT_EQ(digested, tools);
  EXPECT_EQ(keptWindows(kFixtures + "/designs"), tools);
}

TEST(ChartGoldens, EveryKeptChartIsDumpedByteForByte) {
  const QDir charts(kFixtures + "/charts");
  int compared = 0;
  for (const QString &fixture : charts.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString drawFile = kFixtures + "/draws/" + fixture + ".txt";
    ASSERT_TRUE(QFile::exists(drawFile)) << drawFile.toStdString();
    for (const QString &kept : QDir(charts.filePath(fixture)).entryList({"*.txt"}, QDir::Files)) {
      const QString window = kept.chopped(4);
      SCOPED_TRACE((fixture + "/" + window).toStdString());
      ASSERT_NE(toolRegistry().find(window), nullptr);
      EXPECT_EQ(readAll(charts.filePath(fixture + "/" + kept)).toStdString(), dumpOf(window, drawFile));
      ++compared;
    }
  }
  EXPECT_EQ(compared, registeredWindows().size() * charts.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST(ChartGoldens, EveryNumberOnceAsDigests) {
  const QString drawFile = kFixtures + "/draws/every1000.txt";
  const QList<QByteArray> lines = readAll(kFixtures + "/charts/every1000.sha256").split('\n');
  int compared = 0;
  for (const QByteArray &line : lines) {
    if (line.isEmpty())
      continue;
    const QList<QByteArray> fields = line.split(' ');
    const QString window = QString::fromLatin1(fields.last());
    const std::string dump = dumpOf(window, drawFile);
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(dump.data(), qsizetype(dump.size())), QCryptographicHash::Sha256)
            .toHex();
    EXPECT_EQ(fields.first(), digest) << window.toStdString();
    ++compared;
  }
  EXPECT_EQ(compared, registeredWindows().size());
}

TEST(ChartGoldens, EveryKeptDesign) {
  const QDir designs(kFixtures + "/designs");
  int compared = 0;
  for (const QString &kept : designs.entryList({"*.txt"}, QDir::Files)) {
    const QString window = kept.chopped(4);
    EXPECT_EQ(readAll(designs.filePath(kept)).toStdString(), dumpOf(window, kFixtures + "/draws/cases.txt", "--design"))
        << window.toStdString();
    ++compared;
  }
  EXPECT_EQ(compared, registeredWindows().size());
}
