// The floors of src/ stay in order, core below charts below tools below gui:
// no file includes a header of a floor above its own. The three below gui
// stay free of widgets and of Qt Gui: no file of them includes a header of
// either module. The build cannot stop either, since every floor's headers
// lie under one include folder, and Qt's under another.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QStringList kForbiddenModules = {"QtGui", "QtWidgets", "QtOpenGL", "QtOpenGLWidgets", "QtPrintSupport"};

// The include lines of a text that name a header of a forbidden module.
QStringList forbiddenIncludes(const QString &text) {
  static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])"),
                                          QRegularExpression::MultilineOption);
  const QDir headers(QLibraryInfo::path(QLibraryInfo::HeadersPath));
  QStringList found;
  for (auto it = include.globalMatch(text); it.hasNext();) {
    const QString header = it.next().captured(1);
    const QString module = header.section(QLatin1Char('/'), 0, 0);
    bool forbidden = header.contains(QLatin1Char('/')) && kForbiddenModules.contains(module);
    if (!header.contains(QLatin1Char('/')) && !QFileInfo::exists(headers.filePath("QtCore/" + header)))
      for (const QString &m : kForbiddenModules)
        forbidden = forbidden || QFileInfo::exists(headers.filePath(m + "/" + header));
    if (forbidden)
      found << header;
  }
  return found;
}

// The floors of src/, lowest first.
const QStringList kFloors = {"core", "charts", "tools", "gui"};

// The project headers that a text of the floor includes from a floor above it.
QStringList includesFromAbove(const QString &text, const QString &floor) {
  static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"),
                                          QRegularExpression::MultilineOption);
  QStringList found;
  for (auto it = include.globalMatch(text); it.hasNext();) {
    const QString header = it.next().captured(1);
    if (kFloors.indexOf(header.section(QLatin1Char('/'), 0, 0)) > kFloors.indexOf(floor))
      found << header;
  }
  return found;
}

// Every header and source file of the floor, by path.
QStringList filesOf(const QString &floor) {
  QStringList files;
  QDirIterator it(QStringLiteral(CORVESSA_SOURCE_DIR "/src/") + floor, {"*.h", "*.cpp"}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext())
    files << it.next();
  return files;
}

QString textOf(const QString &path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromUtf8(file.readAll());
}

}  // namespace

TEST(Layers, TheCheckFindsIncludesFromAFloorAbove) {
  const QString text = "#include \"core/resultgrid.h\"\n#include \"tools/menus.h\"\n"
                       "  #  include \"gui/toolwindows.h\"\n#include \"charts/framework/tool.h\"\n#include <QString>\n";
  EXPECT_EQ(includesFromAbove(text, "core"),
            (QStringList{"tools/menus.h", "gui/toolwindows.h", "charts/framework/tool.h"}));
  EXPECT_EQ(includesFromAbove(text, "charts"), (QStringList{"tools/menus.h", "gui/toolwindows.h"}));
  EXPECT_EQ(includesFromAbove(text, "tools"), QStringList{"gui/toolwindows.h"});
  EXPECT_EQ(includesFromAbove(text, "gui"), QStringList());
}

TEST(Layers, NoFloorIncludesAHeaderOfAFloorAbove) {
  for (const QString &floor : kFloors) {
    const QStringList files = filesOf(floor);
    EXPECT_GT(files.size(), 5) << floor.toStdString();
    for (const QString &path : files)
      EXPECT_EQ(includesFromAbove(textOf(path), floor), QStringList()) << path.toStdString();
  }
}

TEST(Layers, TheCheckFindsGuiAndWidgetHeaders) {
  ASSERT_TRUE(QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::HeadersPath)).filePath("QtWidgets/QWidget")));
  EXPECT_EQ(forbiddenIncludes("#include <QtWidgets/QWidget>\n#include <QColor>\n#include <QString>\n"
                              "#include \"core/resultgrid.h\"\n  #  include <QPushButton>\n#include <QtCore/QMap>\n"),
            (QStringList{"QtWidgets/QWidget", "QColor", "QPushButton"}));
}

TEST(Layers, CoreIncludesNoGuiOrWidgetsHeader) {
  int files = 0;
  for (const char *floor : {"core", "charts", "tools"})
    for (const QString &path : filesOf(floor)) {
      EXPECT_EQ(forbiddenIncludes(textOf(path)), QStringList()) << path.toStdString();
      ++files;
    }
  EXPECT_GT(files, 30);
}
