#include "gui/startwindow.h"

#include "core/programstate.h"
#include "gui/mainwindow.h"
#include "gui/platform/platform.h"
#include "gui/sitepages.h"
#include "gui/widgetdesign.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace corvessa {

StartWindow::StartWindow(Platform &platform, QWidget *parent) : QWidget(parent), platform_(platform) {
  setObjectName(QStringLiteral("Form2shuoming"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Welcome to use this software."));
  setClientSizeTwips(this, 4200, 1680);

  Option1 = new QRadioButton(QStringLiteral("Pick3 Daily3 Cash3 Play3"), this);
  placeTwips(Option1, 480, 263, 3255, 375);
  Option1->setChecked(true);
  Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Home Page"), 240, 720, 1575, 375);
  Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Start"), 2040, 720, 1575, 375);
  Label2 = makeLabel(this, QStringLiteral("Label2"), QString::fromLatin1(kVersionText), 3480, 1320, 465, 225);
  // Two small decorative icons beside the version text.
  const QStyle::StandardPixmap icons[] = {QStyle::SP_DesktopIcon, QStyle::SP_FileDialogDetailedView};
  int left = 240;
  for (QStyle::StandardPixmap icon : icons) {
    auto *image = new QLabel(this);
    image->setPixmap(style()->standardIcon(icon).pixmap(16, 16));
    placeTwips(image, left, 1260, 240, 240);
    left += 360;
  }

  connect(Option1, &QRadioButton::clicked, this, &StartWindow::Option1_Click);
  connect(Command1, &QPushButton::clicked, this, &StartWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &StartWindow::Command2_Click);
  programState().GameType = 0;
}

void StartWindow::Option1_Click() { programState().GameType = 0; }

void StartWindow::Command1_Click() { openPage(platform_, this, homePageAddress()); }

void StartWindow::Command2_Click() {
  if (!Option1->isChecked())
    return;
  // Gone before the main window's load says what it found wrong, so that no
  // welcome window waits behind that message.
  hide();
  MainWindow::showMain(platform_);
  close();
}

}  // namespace corvessa
