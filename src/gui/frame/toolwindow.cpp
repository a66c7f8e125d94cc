#include "gui/frame/toolwindow.h"

#include "charts/toolframe.h"
#include "core/drawfile.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/frame/gridview.h"
#include "gui/platform/platform.h"
#include "gui/toolwindows.h"
#include "gui/widgetdesign.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

namespace corvessa {

namespace {
const QString kLoadingCaption = QStringLiteral("Loading......");
const QString kErrorTitle = QStringLiteral("Error:");
}  // namespace

ToolWindow::ToolWindow(const ToolEntry &tool, Platform &platform, QWidget *parent)
    : QWidget(parent), tool_(tool), platform_(platform) {
  const ToolDesign &d = tool_.design;
  setObjectName(d.windowName);
  setAttribute(Qt::WA_DeleteOnClose);
  state_.caption = d.caption;
  setWindowTitle(d.caption);

  model_ = new GridModel(this);
  model_->setGrid(&state_.grid);
  view_ = new GridView(this);
  view_->setGridModel(model_);
  controls_[kGridName] = view_;
  connect(view_, &QAbstractItemView::pressed, this,
          [this](const QModelIndex &index) { cellEvent(tool_.design.onCellPress, index, true); });
  connect(view_, &QAbstractItemView::clicked, this,
          [this](const QModelIndex &index) { cellEvent(tool_.design.onCellClick, index, false); });
  connect(view_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex &index) { cellEvent(tool_.design.onCellDoubleClick, index, false); });

  if (d.resetButton) {
    QPushButton *reset = addButton(resetButtonName(d), *d.resetButton);
    connect(reset, &QPushButton::clicked, this, &ToolWindow::Command1_Click);
  }
  QPushButton *exit = addButton(exitButtonName(d), d.exitButton);
  connect(exit, &QPushButton::clicked, this, &ToolWindow::CloseForm);
  if (d.helpButton) {
    QPushButton *help = addButton(helpButtonName(d), *d.helpButton);
    // A "Help" without a page is never shown and does nothing.
    if (d.helpPage.isEmpty())
      help->setVisible(false);
    else
      connect(help, &QPushButton::clicked, this, &ToolWindow::OpenHelpPage);
  }
  for (const ToolButton &own : d.ownButtons) {
    QPushButton *button = addButton(own.design.name, own.design);
    state_.controls[own.design.name] = ControlState{own.design.caption, own.design.visible};
    const ToolAction action = own.action;
    connect(button, &QPushButton::clicked, this, [this, action] {
      if (action)
        runHandler([this, action] { action(state_); });
    });
  }
  for (const TextPanelDesign &panel : d.textPanels) {
    auto *text = new QPlainTextEdit(this);
    text->setObjectName(panel.name);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(panel.fontPoints);
    text->setFont(font);
    text->setVisible(panel.visible);
    controls_[panel.name] = text;
    state_.controls[panel.name] = ControlState{QString(), panel.visible};
  }

  geometry_ = charts::designGeometry(d);
  applyGeometry();
  setClientSizeTwips(this, d.clientWidth, d.clientHeight);
}

ToolWindow::~ToolWindow() { view_->setModel(nullptr); }

QPushButton *ToolWindow::addButton(const QString &name, const ButtonDesign &design) {
  QPushButton *button = makeButton(this, name, design.caption, design.left, design.top, design.width, design.height);
  button->setVisible(design.visible);
  controls_[name] = button;
  return button;
}

QPushButton *ToolWindow::button(const QString &name) const {
  const auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : qobject_cast<QPushButton *>(it->second);
}

QPlainTextEdit *ToolWindow::textPanel(const QString &name) const {
  const auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : qobject_cast<QPlainTextEdit *>(it->second);
}

void ToolWindow::load() {
  const ToolDesign &d = tool_.design;
  if (d.showsLoadingCaption) {
    setWindowTitle(kLoadingCaption);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  // The window reads the current lottery once; counting and filling use
  // the same parsed history.
  const QString path = programState().DataFilePath;
  const DrawHistory history = readDrawHistory(path);
  showChart(computeChart(tool_, history), int(history.draws.size()));
  if (d.showsLoadingCaption)
    QApplication::restoreOverrideCursor();
  if (!d.title.isEmpty())
    state_.caption = d.title;
  setWindowTitle(state_.caption);

  if (const QString problem = drawHistoryProblem(history, path); !problem.isEmpty()) {
    // The menu's busy pointer is still set while the window loads; the
    // message is read with the normal one.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    platform_.message(this, problem, MessageStyle::OkInformation, kErrorTitle);
    QApplication::restoreOverrideCursor();
  }
}

void ToolWindow::showChart(ResultGrid grid, int drawCount) {
  model_->beginGridReset();
  state_.grid = std::move(grid);
  state_.drawCount = drawCount;
  model_->endGridReset();
  view_->applyGridSizes();
  view_->setVisible(state_.grid.isVisible());
  scrollPending_ = true;
  if (isVisible()) {
    view_->scrollToTopRow();
    scrollPending_ = false;
  }
}

void ToolWindow::CloseForm() { close(); }

void ToolWindow::OpenHelpPage() { openPage(platform_, this, helpPagePath(tool_.design.helpPage)); }

void ToolWindow::Command1_Click() {
  if (const ResetRows reset = tool_.design.resetRows)
    runHandler([this, reset] { reset(state_.grid, state_.drawCount); });
}

void ToolWindow::cellEvent(CellAction action, const QModelIndex &index, bool press) {
  if (!index.isValid())
    return;
  const Rgb highlight = press ? tool_.design.highlight : 0;
  if (!action && highlight == 0)
    return;
  const int row = model_->gridRow(index.row()), col = model_->gridCol(index.column());
  runHandler([this, action, highlight, row, col] {
    state_.grid.setCurrentCell(row, col);
    if (highlight != 0)
      charts::gridCellToggleHighlight(state_.grid, highlight);
    if (action)
      action(state_, row, col);
  });
}

void ToolWindow::runHandler(const std::function<void()> &handler) {
  for (auto &[name, control] : state_.controls)
    if (QPlainTextEdit *text = textPanel(name))
      control.text = text->toPlainText();
  state_.clipboardText.clear();
  const int rows = state_.grid.rows(), cols = state_.grid.cols();
  handler();
  showState(rows, cols);
}

void ToolWindow::showState(int rowsBefore, int colsBefore) {
  if (state_.grid.rows() != rowsBefore || state_.grid.cols() != colsBefore) {
    // The handler has changed the grid's shape already; the view starts over.
    model_->beginGridReset();
    model_->endGridReset();
  } else {
    model_->refresh();
  }
  view_->applyGridSizes();
  view_->setVisible(state_.grid.isVisible());
  setWindowTitle(state_.caption);
  for (const auto &[name, control] : state_.controls) {
    const auto it = controls_.find(name);
    if (it == controls_.end())
      continue;
    if (auto *button = qobject_cast<QPushButton *>(it->second))
      button->setText(control.text);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(it->second); text && text->toPlainText() != control.text)
      text->setPlainText(control.text);
    it->second->setVisible(control.visible);
  }
  if (!state_.clipboardText.isEmpty())
    platform_.setClipboardText(state_.clipboardText);
}

void ToolWindow::applyGeometry() {
  for (const auto &[name, rect] : geometry_) {
    const auto it = controls_.find(name);
    if (it != controls_.end())
      placeTwips(it->second, rect.left, rect.top, rect.width, rect.height);
  }
}

void ToolWindow::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  charts::formResizeLayout(tool_.design, geometry_, pixelsToTwips(event->size().width()),
                           pixelsToTwips(event->size().height()));
  applyGeometry();
}

void ToolWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (scrollPending_) {
    view_->scrollToTopRow();
    scrollPending_ = false;
  }
}

QWidget *createStandardToolWindow(const ToolEntry &tool, Platform &platform) {
  auto *window = new ToolWindow(tool, platform);
  window->load();
  return window;
}

}  // namespace corvessa
