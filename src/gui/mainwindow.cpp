#include "gui/mainwindow.h"

#include "core/lottery.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/editor/draweditor.h"
#include "gui/platform/platform.h"
#include "gui/sitepages.h"
#include "gui/toolwindows.h"
#include "gui/widgetdesign.h"
#include "gui/windowlife.h"
#include "tools/menus.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <utility>

namespace corvessa {

namespace {
QPointer<MainWindow> theMainWindow;
const QString kTitle = QStringLiteral("Corvessa");
const QString kTip = QStringLiteral("Friendship Tip:");
const QString kError = QStringLiteral("Error:");
}  // namespace

MainWindow *MainWindow::instance() { return theMainWindow.data(); }

MainWindow *MainWindow::showMain(Platform &platform) { return showMain(platform, ToolWindows::instance()); }

MainWindow *MainWindow::showMain(Platform &platform, ToolWindows &toolWindows) {
  if (!theMainWindow) {
    theMainWindow = new MainWindow(platform, toolWindows);
    theMainWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  theMainWindow->show();
  theMainWindow->raise();
  // What the start found wrong with the settings file shows over the window
  // once the desktop has placed it, not before it nor where it was first put.
  if (theMainWindow->startProblem_)
    whenOnScreen(theMainWindow, [main = theMainWindow.data()] {
      if (const std::optional<QString> problem = std::exchange(main->startProblem_, std::nullopt))
        main->platform_.message(main, *problem, MessageStyle::OkInformation, kError);
    });
  return theMainWindow.data();
}

MainWindow::MainWindow(Platform &platform, ToolWindows &toolWindows, QWidget *parent)
    : QWidget(parent), platform_(platform), toolWindows_(toolWindows) {
  setObjectName(QStringLiteral("Form1xingc"));
  setWindowTitle(kTitle);
  setClientSizeTwips(this, 10035, 4620);

  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameShape(QFrame::Box);
  Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: #eef2f8; border: 1px solid #8796b0; }"));
  placeTwips(Shape1, 120, 240, 4545, 4095);

  Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Lottery:"), 360, 360);

  struct Category {
    QPushButton **button;
    int top;
  };
  const std::map<QString, Category> categories = {
      {QStringLiteral("Command3"), {&Command3, 960}}, {QStringLiteral("Command4"), {&Command4, 1320}},
      {QStringLiteral("Command5"), {&Command5, 1680}}, {QStringLiteral("Command6"), {&Command6, 2040}},
      {QStringLiteral("Command7"), {&Command7, 2400}}, {QStringLiteral("Command8"), {&Command8, 2760}},
      {QStringLiteral("Command2"), {&Command2, 3120}}, {QStringLiteral("Command9"), {&Command9, 3480}},
  };
  buildMenus();
  for (const ToolMenu &toolMenu : toolMenus()) {
    const QString buttonName = QString::fromLatin1(toolMenu.buttonName);
    const Category &category = categories.at(buttonName);
    QPushButton *button =
        makeButton(this, buttonName, QString::fromUtf8(toolMenu.buttonCaption), 240, category.top, 2055, 255);
    *category.button = button;
    QMenu *popup = menu(QString::fromLatin1(toolMenu.name));
    connect(button, &QPushButton::clicked, this, [this, popup] { ShowCategoryMenu(popup); });
  }

  Command11 = makeButton(this, QStringLiteral("Command11"), QStringLiteral("Help"), 2400, 2040, 2055, 255);
  Command12 = makeButton(this, QStringLiteral("Command12"), QStringLiteral("New Lottery"), 2400, 2400, 2055, 255);
  Command13 = makeButton(this, QStringLiteral("Command13"), QStringLiteral("Select Lottery"), 2400, 2760, 2055, 255);
  Command14 = makeButton(this, QStringLiteral("Command14"), QStringLiteral("Drawings"), 2400, 3120, 2055, 255);
  Command15 = makeButton(this, QStringLiteral("Command15"), QStringLiteral("Exit"), 2400, 3480, 2055, 255);

  WebBrowser1 = new QTextBrowser(this);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  WebBrowser1->setOpenExternalLinks(false);
  WebBrowser1->setOpenLinks(true);
  placeTwips(WebBrowser1, 4800, 240, 4455, 4095);

  Label1 = makeLabel(this, QStringLiteral("Label1"), QString::fromLatin1(kVersionText), 9400, 2880, 465, 225);
  Command16 = makeButton(this, QStringLiteral("Command16"), QStringLiteral("New"), 9360, 3240, 605, 495);
  Command16->setToolTip(QStringLiteral("Click here,You may get the newest information about this software."));
  Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Exit"), 9360, 3840, 605, 495);

  connect(Command11, &QPushButton::clicked, this,
          [this] { openPage(platform_, this, helpPagePath(QStringLiteral("\\help\\Corvessa.htm"))); });
  connect(Command12, &QPushButton::clicked, this, [this] { ShowCategoryMenu(menu(QStringLiteral("caixinjian"))); });
  connect(Command13, &QPushButton::clicked, this, &MainWindow::Command13_Click);
  connect(Command14, &QPushButton::clicked, this, [this] { showDrawEditor(this, platform_); });
  connect(Command15, &QPushButton::clicked, this, &QWidget::close);
  connect(Command1, &QPushButton::clicked, this, &QWidget::close);
  connect(Command16, &QPushButton::clicked, this,
          [this] { WebBrowser1->setSource(QUrl::fromLocalFile(newsPageAddress())); });

  Form_Load();
}

QMenu *MainWindow::menu(const QString &name) const {
  const auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::buildMenus() {
  for (const ToolMenu &toolMenu : toolMenus()) {
    auto *popup = new QMenu(this);
    popup->setObjectName(QString::fromLatin1(toolMenu.name));
    for (const ToolMenuItem &item : toolMenu.items) {
      if (item.isSeparator()) {
        popup->addSeparator()->setObjectName(QString::fromLatin1(item.name));
        continue;
      }
      QAction *action = popup->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromLatin1(item.name));
      action->setEnabled(toolWindows_.isAvailable(item.windowName()));
      connect(action, &QAction::triggered, this, [this, &item] { runMenuItem(item); });
    }
    menus_[popup->objectName()] = popup;
  }
  auto *lottery = new QMenu(this);
  lottery->setObjectName(QStringLiteral("caixinjian"));
  lottery->setTitle(QStringLiteral("New Lottery"));
  QAction *create = lottery->addAction(QStringLiteral("New Lottery"));
  create->setObjectName(QStringLiteral("caixinjiancaipiao"));
  QAction *help = lottery->addAction(QStringLiteral("New Lottery Help"));
  help->setObjectName(QStringLiteral("caixinjiancaipiaobzh"));
  connect(create, &QAction::triggered, this, &MainWindow::caixinjiancaipiao_Click);
  connect(help, &QAction::triggered, this, &MainWindow::caixinjiancaipiaobzh_Click);
  menus_[lottery->objectName()] = lottery;
}

void MainWindow::ShowCategoryMenu(QMenu *popup) {
  if (popup)
    popup->popup(QCursor::pos());
}

void MainWindow::runMenuItem(const ToolMenuItem &item) {
  const QString window = item.windowName();
  if (item.opening == Opening::WithWait)
    OpenToolFormWithWait(window);
  else
    OpenToolForm(window);
}

void MainWindow::OpenToolFormWithWait(const QString &windowName) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  setWindowTitle(QStringLiteral("Loading......Please wait......"));
  toolWindows_.open(windowName, platform_);
  QApplication::restoreOverrideCursor();
  // The tool window may have closed the main window meanwhile; guard the title.
  setWindowTitle(kTitle);
}

void MainWindow::OpenToolForm(const QString &windowName) { toolWindows_.open(windowName, platform_); }

void MainWindow::Form_Load() {
  ReadCurrentLottery();
  programState().HelpPagePath = helpPagePath(QStringLiteral("\\help\\Quillaro.htm"));
  WebBrowser1->setSource(QUrl::fromLocalFile(programState().HelpPagePath));
}

void MainWindow::setLotteryLabel(const QString &text) {
  Label2->setText(text);
  Label2->adjustSize();
}

void MainWindow::ReadCurrentLottery() {
  // A first start (or one without the settings file) makes the folders, a
  // first lottery and the settings file, and goes on; so does a start whose
  // settings file names a lottery that cannot be used.
  const StartLottery start = startCurrentLottery();
  startProblem_ = start.problem;
  programState().DataFilePath = dataFolder() + start.fileName;
  setLotteryLabel(lotteryLabelText(start.fileName));
}

void MainWindow::caixinjiancaipiao_Click() {
  const QString name = platform_.input(this, QStringLiteral("Please enter a valid file name."),
                                       QStringLiteral("New Lottery:"), QString())
                           .trimmed();
  if (name.isEmpty()) {
    platform_.message(this, QStringLiteral("You have not entered a name."), MessageStyle::OkInformation, kTip);
    return;
  }
  if (const std::optional<QString> problem = lotteryNameProblem(name)) {
    platform_.message(this, *problem + QStringLiteral("\r\nPlease enter a valid file name."),
                      MessageStyle::OkInformation, kTip);
    return;
  }
  const CreateOutcome made = createLotteryFile(name);
  if (made.result == CreateResult::AlreadyExists) {
    platform_.message(this, QStringLiteral("This lottery already exists.Please rename."), MessageStyle::OkInformation,
                      kTip);
    return;
  }
  if (made.result == CreateResult::Failed) {
    platform_.message(this, made.error, MessageStyle::OkInformation, kError);
    return;
  }
  if (const std::optional<QString> problem = writeCurrentLotteryName(name + QStringLiteral(".txt"))) {
    // Not made current, so not made at all: the folder says what the message says.
    QString said = *problem + QStringLiteral("\r\nThe current lottery stays as it was.");
    if (const std::optional<QString> left = removeNewLotteryFile(made.path))
      said += QStringLiteral("\r\n") + *left;
    platform_.message(this, said, MessageStyle::OkInformation, kError);
    return;
  }
  programState().DataFilePath = made.path;
  setLotteryLabel(lotteryLabelText(name + QStringLiteral(".txt")));
  platform_.message(this,
                    QStringLiteral("Lottery have been created and selected.Next, you can click Drawings button to edit it."),
                    MessageStyle::OkInformation, kTip);
}

void MainWindow::caixinjiancaipiaobzh_Click() {
  openPage(platform_, this, helpPagePath(QStringLiteral("\\help\\New_Lottery.htm")));
}

void MainWindow::Command13_Click() {
  if (platform_.message(this, QStringLiteral("Are you sure you want to select lottery?"), MessageStyle::YesNoWarning,
                        kTip) != MessageAnswer::Yes)
    return;
  FileDialogRequest request;
  request.title = QStringLiteral("Select Lottery");
  request.filter = QStringLiteral("Lottery file|*.txt");
  request.initialFolder = programFolder() + QStringLiteral("/data");
  // A lottery named with a leading dot is listed like any other.
  request.showHiddenFiles = true;
  const std::optional<QString> chosen = platform_.openFileName(this, request);
  if (!chosen)
    return;
  const QString path = *chosen;
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  // The folders as the file system resolves them, so that a relative or
  // roundabout program folder (home, /x/../x) still finds its data folder.
  // The file itself is not resolved: it need not exist yet.
  const QString folder = QFileInfo(path.left(slash + 1)).canonicalFilePath();
  if (folder.isEmpty() || folder != QFileInfo(dataFolder()).canonicalFilePath()) {
    platform_.message(this,
                      QStringLiteral("You must select lottery of the ") + dataFolder() +
                          QStringLiteral("\r\nPlease select again!"),
                      MessageStyle::OkInformation, kError);
    return;
  }
  const QString fileName = path.mid(slash + 1);
  // What the next start would refuse is not taken now.
  if (const std::optional<QString> problem = lotteryFileNameProblem(fileName)) {
    platform_.message(this, *problem + QStringLiteral("\r\nPlease select again!"), MessageStyle::OkInformation,
                      kError);
    return;
  }
  if (const std::optional<QString> problem = writeCurrentLotteryName(fileName)) {
    platform_.message(this, *problem + QStringLiteral("\r\nThe current lottery stays as it was."),
                      MessageStyle::OkInformation, kError);
    return;
  }
  programState().DataFilePath = dataFolder() + fileName;
  setLotteryLabel(lotteryLabelText(fileName));
  platform_.message(this, QStringLiteral("You have selected ") + fileName, MessageStyle::OkInformation,
                    QStringLiteral("OK:"));
}

}  // namespace corvessa
