#include "gui/frame/toolwindow.h"

#include "core/drawfile.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/frame/gridview.h"
#include "gui/platform/platform.h"
#include "gui/widgetdesign.h"
#include "gui/windowlife.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>

namespace corvessa {

namespace {

const QString kErrorTitle = QStringLiteral("Error:");

// A text box of the design. Tab goes on to the next control. Where the
// design limits its text, no paste, drop or typing makes it longer: a paste
// or a drop that would is refused at once, before a long text is laid out,
// and the box stays as it was; typing beyond the limit is not taken.
// A paste reads the pasted text once and inserts that text: the clipboard's
// data may belong to a program that answers one request and quits, and the
// toolkit's own paste would ask it again, through an object gone meanwhile.
class TextBox final : public QPlainTextEdit {
 public:
  TextBox(const QString &text, int maxLength, std::function<void()> refused, QWidget *parent)
      : QPlainTextEdit(text, parent), maxLength_(maxLength), refused_(std::move(refused)) {
    setTabChangesFocus(true);
  }

 protected:
  bool canInsertFromMimeData(const QMimeData *source) const override { return source != nullptr; }

  void insertFromMimeData(const QMimeData *source) override {
    if (!source)
      return;
    const QString text = source->text();  // the one request
    if (text.isEmpty())
      return;
    if (maxLength_ > 0 && lengthWith(text.size()) > maxLength_) {
      refused_();
      return;
    }
    textCursor().insertText(text);
    ensureCursorVisible();
  }

  void keyPressEvent(QKeyEvent *event) override {
    // A key that types text (a character, or Enter a line break) is not taken beyond the limit.
    const QString text = event->text();
    const qsizetype typed = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ? 1
                            : !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\t') ? text.size()
                                                                                               : 0;
    if (maxLength_ > 0 && typed > 0 && lengthWith(typed) > maxLength_) {
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  void inputMethodEvent(QInputMethodEvent *event) override {
    const QString commit = event->commitString();
    if (maxLength_ > 0 && !commit.isEmpty() && lengthWith(commit.size()) > maxLength_) {
      event->setCommitString(QString());
    }
    QPlainTextEdit::inputMethodEvent(event);
  }

 private:
  // The text's length once `inserted` characters replace the selection.
  qsizetype lengthWith(qsizetype inserted) const {
    const QTextCursor cursor = textCursor();
    return document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart()) + inserted;
  }

  int maxLength_;
  std::function<void()> refused_;
};

QColor qcolor(Rgb rgb) { return QColor(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)); }

// Colours and font of the design; 0 keeps the toolkit's own.
void styleControl(QWidget *widget, const ControlDesign &design) {
  if (design.fontPoints > 0) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(design.fontPoints);
    widget->setFont(font);
  }
  if (design.foreColor == 0 && design.backColor == 0)
    return;
  QPalette palette = widget->palette();
  if (design.foreColor != 0)
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      palette.setColor(role, qcolor(design.foreColor));
  if (design.backColor != 0) {
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
      palette.setColor(role, qcolor(design.backColor));
    widget->setAutoFillBackground(true);
  }
  widget->setPalette(palette);
}

}  // namespace

ToolWindow::ToolWindow(const ToolEntry &tool, Platform &platform, QWidget *parent)
    : QWidget(parent), session_(tool, this), platform_(platform) {
  const ToolDesign &d = session_.design();
  setObjectName(d.windowName);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(state().caption);

  for (const ControlDesign &c : d.controls)
    controls_[c.name] = makeControl(c);

  geometry_ = charts::designGeometry(d);
  applyGeometry();
  setClientSizeTwips(this, d.clientWidth, d.clientHeight);
}

ToolWindow::~ToolWindow() { view_->setModel(nullptr); }

QWidget *ToolWindow::makeControl(const ControlDesign &c) {
  QWidget *parent = c.parent.isEmpty() ? static_cast<QWidget *>(this) : controls_.at(c.parent);
  QWidget *widget = nullptr;
  switch (c.kind) {
    case ControlKind::Grid: {
      model_ = new GridModel(this);
      model_->setGrid(&state().grid);
      view_ = new GridView(parent);
      view_->setGridModel(model_);
      connect(view_, &QAbstractItemView::pressed, this,
              [this](const QModelIndex &index) { runCellEvent(&ToolSession::press, cellOf(index)); });
      connect(view_, &QAbstractItemView::clicked, this,
              [this](const QModelIndex &index) { runCellEvent(&ToolSession::clickCell, cellOf(index)); });
      connect(view_, &QAbstractItemView::doubleClicked, this,
              [this](const QModelIndex &index) { runCellEvent(&ToolSession::doubleClick, cellOf(index)); });
      // The fixed row takes no press, but where a double-click acts on a
      // whole column, its header is part of the column.
      if (session_.design().onHeaderDoubleClick)
        connect(view_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int section) {
          if (section >= 0)
            runCellEvent(&ToolSession::doubleClick, {0, model_->gridCol(section)});
        });
      // A key or a click moves the grid's current cell with the view's.
      connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &index) {
        if (!index.isValid())
          return;
        const std::pair<int, int> cell = cellOf(index);
        state().grid.setCurrentCell(cell.first, cell.second);
      });
      widget = view_;
      break;
    }
    case ControlKind::Button: {
      auto *button = new QPushButton(c.caption, parent);
      const QString name = c.name;
      connect(button, &QPushButton::clicked, this, [this, name] { runHandler([&] { session_.click(name); }); });
      widget = button;
      break;
    }
    case ControlKind::Label: {
      auto *label = new QLabel(c.caption, parent);
      label->setTextFormat(Qt::PlainText);  // handlers may show what the user typed or pasted
      widget = label;
      break;
    }
    case ControlKind::TextBox: {
      const int maxLength = c.maxLength;
      auto *text = new TextBox(c.caption, maxLength, [this, maxLength] {
        showMessage(QStringLiteral("The text you want to paste is too long.The box takes at most %1 characters!")
                        .arg(maxLength),
                    QStringLiteral("Information"), MessageStyle::OkInformation);
      }, parent);
      text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      widget = text;
      break;
    }
    case ControlKind::Frame:
      widget = new QGroupBox(c.caption, parent);
      break;
  }
  widget->setObjectName(c.name);
  styleControl(widget, c);
  widget->setVisible(c.visible);
  widget->setEnabled(c.enabled);
  return widget;
}

QWidget *ToolWindow::control(const QString &name) const {
  const auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

QPushButton *ToolWindow::button(const QString &name) const { return qobject_cast<QPushButton *>(control(name)); }
QPlainTextEdit *ToolWindow::textBox(const QString &name) const {
  return qobject_cast<QPlainTextEdit *>(control(name));
}
QLabel *ToolWindow::label(const QString &name) const { return qobject_cast<QLabel *>(control(name)); }
QGroupBox *ToolWindow::frame(const QString &name) const { return qobject_cast<QGroupBox *>(control(name)); }

void ToolWindow::load() {
  // The window reads the current lottery once; counting and filling use
  // the same parsed history.
  const ProgramState &program = programState();
  const QString path = program.DataFilePath;
  const DrawHistory history = readDrawHistory(path);
  session_.load(history, program.GameType);
  showChart();
  if (const QString problem = drawHistoryProblem(history, path); !problem.isEmpty())
    showMessage(problem, kErrorTitle, MessageStyle::OkInformation);
}

void ToolWindow::showChart() {
  // The load has replaced the grid: the view starts over.
  model_->setGrid(&state().grid);
  showState();
  showTopRow();
}

void ToolWindow::showTopRow() {
  // Before the window shows, the view has no size to scroll in.
  scrollPending_ = !isVisible();
  if (!scrollPending_)
    view_->scrollToTopRow();
}

void ToolWindow::runHandler(const std::function<void()> &handler) {
  // What the user typed is the text boxes' text when a handler reads it.
  for (const ControlDesign &c : design().controls)
    if (c.kind == ControlKind::TextBox)
      session_.type(c.name, textBox(c.name)->toPlainText());
  ResultGrid &grid = state().grid;
  // The grid's top row is the one in view, so that a handler which sets it,
  // even to the row the load set, brings that row into view.
  if (!scrollPending_)
    grid.setTopRow(view_->topRow());
  const int topRow = grid.topRow();
  handler();
  // A new shape starts the view over; it keeps the top row all the same.
  if (showState() || grid.topRow() != topRow)
    showTopRow();
}

bool ToolWindow::showState() {
  const ToolWindowState &s = state();
  // The grid's shape may have changed already: the view is told what came
  // and went (an enquiry's columns), then that any cell may have changed.
  const bool reshaped = model_->showShape();
  model_->refresh();
  view_->applyGridSizes();
  view_->setVisible(s.grid.isVisible());
  view_->showCurrentCell();
  setWindowTitle(s.caption);
  for (const auto &[name, control] : s.controls) {
    QWidget *widget = controls_.at(name);
    if (auto *button = qobject_cast<QPushButton *>(widget))
      button->setText(control.text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
      label->setText(control.text);
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
      box->setTitle(control.text);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(widget); text && text->toPlainText() != control.text)
      text->setPlainText(control.text);
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
  }
  return reshaped;
}

void ToolWindow::showMessage(const QString &text, const QString &title, MessageStyle style) {
  // What the load says is said over the window, once it is on the screen.
  if (!isVisible()) {
    messagesOnScreen_.push_back({text, title, style});
    return;
  }
  // A message is read with the normal pointer, whatever pointer is set.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  platform_.message(this, text, style, title);
  QApplication::restoreOverrideCursor();
}

void ToolWindow::showBusy(bool busy, const QString &caption) {
  setWindowTitle(caption);
  if (busy && !busyCursor_)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else if (!busy && busyCursor_)
    QApplication::restoreOverrideCursor();
  busyCursor_ = busy;
}

void ToolWindow::setClipboardText(const QString &text) { platform_.setClipboardText(text); }

void ToolWindow::closeWindow() { close(); }

void ToolWindow::openHelpPage(const QString &page) { openPage(platform_, this, helpPagePath(page)); }

bool ToolWindow::hasRoomToShow(const ResultGrid &grid) const { return viewHasRoomFor(grid.rows(), grid.cols()); }

void ToolWindow::applyGeometry() {
  for (const auto &[name, rect] : geometry_)
    placeTwips(controls_.at(name), rect.left, rect.top, rect.width, rect.height);
}

void ToolWindow::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  charts::formResizeLayout(design(), geometry_, pixelsToTwips(event->size().width()),
                           pixelsToTwips(event->size().height()));
  applyGeometry();
}

void ToolWindow::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  if (scrollPending_) {
    view_->scrollToTopRow();
    scrollPending_ = false;
  }
  if (!messagesOnScreen_.empty())
    whenOnScreen(this, [this] {
      for (const PendingMessage &m : std::exchange(messagesOnScreen_, {}))
        showMessage(m.text, m.title, m.style);
    });
}

std::pair<int, int> ToolWindow::cellOf(const QModelIndex &index) const {
  return {model_->gridRow(index.row()), model_->gridCol(index.column())};
}

void ToolWindow::runCellEvent(void (ToolSession::*event)(int row, int col), std::pair<int, int> cell) {
  runHandler([this, event, cell] { (session_.*event)(cell.first, cell.second); });
}

}  // namespace corvessa
