#include "app/commandline.h"
#include "core/largearray.h"
#include "gui/platform/platform.h"
#include "gui/startwindow.h"
#include "gui/windowlife.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
  if (const std::optional<int> status = corvessa::answerCommandLine(argc, argv))
    return *status;
  corvessa::keepFreedHeapForNextCharts();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Corvessa"));
  // The desktop entry's id, so a desktop matches the windows to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.corvessa.Corvessa"));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/org.corvessa.Corvessa-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8.25);
  QApplication::setFont(font);
  corvessa::EndWithTheLastWindow endWithTheLastWindow;
  corvessa::QtPlatform platform;
  auto *start = new corvessa::StartWindow(platform);
  start->show();
  return app.exec();
}
