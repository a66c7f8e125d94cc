// The core library (src/core, src/charts, src/tools) stays free of widgets
// and of Qt Gui: no file of it includes a header of either module. The build
// cannot stop it, since Qt's headers all lie under one include folder.
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

}  // namespace

TEST(Layers, TheCheckFindsGuiAndWidgetHeaders) {
  ASSERT_TRUE(QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::HeadersPath)).filePath("QtWidgets/QWidget")));
  EXPECT_EQ(forbiddenIncludes("#include <QtWidgets/QWidget>\n#include <QColor>\n#include <QString>\n"
                              "#include \"core/resultgrid.h\"\n  #  include <QPushButton>\n#include <QtCore/QMap>\n"),
            (QStringList{"QtWidgets/QWidget", "QColor", "QPushButton"}));
}

TEST(Layers, CoreIncludesNoGuiOrWidgetsHeader) {
  int files = 0;
  for (const char *folder : {"core", "charts", "tools"}) {
    QDirIterator it(QStringLiteral(CORVESSA_SOURCE_DIR "/src/") + folder, {"*.h", "*.cpp"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile file(it.next());
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
      EXPECT_EQ(forbiddenIncludes(QString::fromUtf8(file.readAll())), QStringList()) << file.fileName().toStdString();
      ++files;
    }
  }
  EXPECT_GT(files, 30);
}
