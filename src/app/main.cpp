#include "core/largearray.h"
#include "gui/platform/platform.h"
#include "gui/startwindow.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  corvessa::keepFreedHeapForNextCharts();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Corvessa"));
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8.25);
  QApplication::setFont(font);
  corvessa::QtPlatform platform;
  auto *start = new corvessa::StartWindow(platform);
  start->show();
  return app.exec();
}
