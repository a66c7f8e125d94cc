#include "gui/editor/draweditor.h"

#include "core/drawfile.h"
#include "core/drawsave.h"
#include "core/editorrows.h"
#include "core/lottery.h"
#include "core/paths.h"
#include "core/programstate.h"
#include "gui/editor/drawingsmodel.h"
#include "gui/frame/gridview.h"
#include "gui/platform/platform.h"
#include "gui/sitepages.h"
#include "gui/widgetdesign.h"
#include "gui/windowlife.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <new>

namespace corvessa {

namespace {

// ---- The window's design (twips) ----

constexpr int kClientWidth = 10740, kClientHeight = 6870;
constexpr int kTabLeft = 0, kTabTop = 0, kTabWidth = 10725, kTabHeight = 6135;
const char *const kTabCaption = " Drawings";

struct ButtonDesign {
  QPushButton *DrawEditor::*member;
  const char *name;
  const char *caption;
  int left, top;
};
constexpr int kButtonWidth = 2175, kButtonHeight = 375;
// On the tab, top to bottom.
const ButtonDesign kTabButtons[] = {
    {&DrawEditor::Command12, "Command12", "Delete current row ", 7440, 915},
    {&DrawEditor::Command3, "Command3", "Add at the end ", 7440, 1335},
    {&DrawEditor::Command11, "Command11", "Add before current row ", 7440, 1755},
    {&DrawEditor::Command16, "Command16", "Export", 7440, 2280},
    {&DrawEditor::Command17, "Command17", "Import", 7440, 2680},
    {&DrawEditor::Command13, "Command13", "Save", 7440, 3100},
    {&DrawEditor::Command18, "Command18", "Edit Drawings Help", 7440, 3623},
    {&DrawEditor::Command14, "Command14", "Download", 7440, 4440},
    {&DrawEditor::Command15, "Command15", "Data Download Help", 7440, 4860},
};
// Under the tab.
const ButtonDesign kExitButton = {&DrawEditor::Command10, "Command10", "Exit", 7440, 6240};

// Labels whose design gives no font take Arial 8.25, the size of the window's other texts.
constexpr double kPlainPoints = 8.25;

struct LabelDesign {
  QLabel *DrawEditor::*member;
  const char *name;
  const char *caption;
  int left, top, width, height;  // 0 x 0: sized to its text
  QRgb colour;
  bool bold;
  double points;
};
const LabelDesign kLabels[] = {
    {&DrawEditor::Label3, "Label3", "Please select one of the following methods", 1080, 120, 3645, 225,
     qRgb(0, 0, 128), true, 9},
    {&DrawEditor::Label4, "Label4", "1:Edit Drawings(You can edit after click on a cell)", 1080, 600, 4590, 180,
     qRgb(128, 0, 128), false, kPlainPoints},
    {&DrawEditor::Label6, "Label6", "", 1080, 3720, 0, 0, qRgb(0, 0, 0), false, kPlainPoints},
    {&DrawEditor::Label5, "Label5", "2:Data Download (Note:You must be connected to the internet to download data.)",
     1080, 4680, 5805, 195, qRgb(128, 0, 128), false, kPlainPoints},
};

constexpr QRect kBandPlace{0, 0, 10695, 495};                 // the plain picture band
constexpr int kSeparatorTops[] = {4305, 5400};                // etched lines across the tab, 15 twips high
constexpr QRect kGridPlace{1080, 840, 6045, 2685};
constexpr QRect kEditBoxPlace{7440, 600, 2175, 315};          // until a cell is entered
constexpr QRgb kEditBoxColour = qRgb(255, 224, 192);
const QRgb kBandColour = qRgb(226, 232, 242);

// The grid: widths fit the design's header texts in Arial 8.25 pt.
constexpr int kEditorColumns = 4;
constexpr double kGridPoints = 8.25;
constexpr int kColumnWidths[4] = {1200, 540, 540, 540};
constexpr int kRowHeight = 240;
const std::array<QString, 4> kHeadersOnOpen = {QStringLiteral("---- Date ----"), QStringLiteral("--H--"),
                                               QStringLiteral("--T--"), QStringLiteral("--U--")};
const std::array<QString, 4> kHeadersAfterReload = {QStringLiteral("-- Date --"), QStringLiteral("--H--"),
                                                    QStringLiteral("--T--"), QStringLiteral("--U--")};

// ---- Captions and messages ----

const QString kCaption = QStringLiteral("Drawings");
const QString kTip = QStringLiteral("Friendship Tip:");
const QString kError = QStringLiteral("Error:");
const QString kCrLf = QStringLiteral("\r\n");
const QString kDataFilter = QStringLiteral("data file|*.txt");

// A grid without keyboard search: typing into the grid itself does nothing,
// since every text goes into the edit box over the current cell.
class DrawingsView final : public QTableView {
 public:
  using QTableView::QTableView;
  void keyboardSearch(const QString &) override {}

 protected:
  void keyPressEvent(QKeyEvent *event) override {
    QTableView::keyPressEvent(event);
    showCurrentCellAfterKey(this, event);
  }
};

// Hourglass until restored or destroyed.
class WaitCursor {
 public:
  WaitCursor() { set(); }
  ~WaitCursor() { restore(); }
  void set() {
    if (!on_)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    on_ = true;
  }
  void restore() {
    if (on_)
      QApplication::restoreOverrideCursor();
    on_ = false;
  }

 private:
  bool on_ = false;
};

class BusyFlag {
 public:
  explicit BusyFlag(bool &flag) : flag_(flag) { flag_ = true; }
  ~BusyFlag() { flag_ = false; }

 private:
  bool &flag_;
};

QRect pixels(const QRect &twips) {
  return QRect(twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
               twipsToPixels(twips.height()));
}

}  // namespace

void showDrawEditor(QWidget *owner, Platform &platform) {
  DrawEditor editor(platform, owner);
  editor.exec();
}

DrawEditor::DrawEditor(Platform &platform, QWidget *owner) : QDialog(owner), platform_(platform) {
  buildDesign();
  Form_Load();
}

DrawEditor::~DrawEditor() = default;

void DrawEditor::buildDesign() {
  setObjectName(QStringLiteral("Form1gxghzhu"));
  setWindowTitle(kCaption);
  setModal(true);
  // The window keeps the size it opened with.
  setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));

  SSTab1 = new QTabWidget(this);
  SSTab1->setObjectName(QStringLiteral("SSTab1"));
  SSTab1->setTabPosition(QTabWidget::South);
  placeTwips(SSTab1, kTabLeft, kTabTop, kTabWidth, kTabHeight);
  page_ = new QWidget;
  SSTab1->addTab(page_, QString::fromLatin1(kTabCaption));

  auto onTab = [this](QWidget *widget, const QRect &twips) {
    designPlaces_.emplace_back(widget, twips);
    widget->setGeometry(pixels(twips));
  };

  auto *band = new QFrame(page_);
  band->setObjectName(QStringLiteral("bandPicture"));
  band->setAutoFillBackground(true);
  QPalette bandPalette = band->palette();
  bandPalette.setColor(QPalette::Window, QColor(kBandColour));
  band->setPalette(bandPalette);
  onTab(band, kBandPlace);
  for (int top : kSeparatorTops) {
    auto *line = new QFrame(page_);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    onTab(line, QRect(0, top, kTabWidth, 30));
  }

  for (const LabelDesign &design : kLabels) {
    QLabel *label = makeLabel(page_, QString::fromLatin1(design.name), QString::fromLatin1(design.caption),
                              design.left, design.top, design.width, design.height);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(design.colour));
    label->setPalette(palette);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    label->setFont(font);
    // A caption is never clipped: where the font runs wider than the design's
    // width, the label takes the width its text needs.
    const int width = std::max(design.width, pixelsToTwips(label->sizeHint().width()));
    designPlaces_.emplace_back(label, QRect(design.left, design.top, design.width ? width : 0, design.height));
    this->*design.member = label;
  }

  model_ = new DrawingsModel(this);
  model_->setHeaderTexts(kHeadersOnOpen);
  MSFlexGrid1 = new DrawingsView(page_);
  MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
  MSFlexGrid1->setModel(model_);
  QFont gridFont(QStringLiteral("Arial"));
  gridFont.setPointSizeF(kGridPoints);
  MSFlexGrid1->setFont(gridFont);
  QPalette gridPalette = MSFlexGrid1->palette();
  // Beyond the last column and row, as in every grid.
  gridPalette.setColor(QPalette::Base, QColor(kGridBeyondColour));
  MSFlexGrid1->setPalette(gridPalette);
  MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
  MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MSFlexGrid1->setTabKeyNavigation(false);
  MSFlexGrid1->setWordWrap(false);
  QHeaderView *rowsHeader = MSFlexGrid1->verticalHeader();
  rowsHeader->hide();  // no fixed column
  rowsHeader->setMinimumSectionSize(0);
  rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
  rowsHeader->setDefaultSectionSize(twipsToPixels(kRowHeight));
  QHeaderView *header = MSFlexGrid1->horizontalHeader();
  header->setMinimumSectionSize(0);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setFixedHeight(twipsToPixels(kRowHeight));
  for (int c = 0; c < 4; ++c)
    MSFlexGrid1->setColumnWidth(c, twipsToPixels(kColumnWidths[c]));
  onTab(MSFlexGrid1, kGridPlace);

  Text1 = new QLineEdit(page_);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setFont(gridFont);
  Text1->setFrame(false);
  QPalette boxPalette = Text1->palette();
  boxPalette.setColor(QPalette::Base, QColor(kEditBoxColour));
  Text1->setPalette(boxPalette);
  Text1->setMouseTracking(true);
  Text1->installEventFilter(this);
  onTab(Text1, kEditBoxPlace);

  for (const ButtonDesign &design : kTabButtons) {
    QPushButton *button = makeButton(page_, QString::fromLatin1(design.name), QString::fromLatin1(design.caption),
                                     design.left, design.top, kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);  // Enter in the edit box must not press a button
    designPlaces_.emplace_back(button, QRect(design.left, design.top, kButtonWidth, kButtonHeight));
    this->*design.member = button;
  }
  Command18->setToolTip(QStringLiteral("Edit Drawings Help"));
  Command15->setToolTip(QStringLiteral("Data Download Help"));
  Command10 = makeButton(this, QString::fromLatin1(kExitButton.name), QString::fromLatin1(kExitButton.caption),
                         kExitButton.left, kExitButton.top, kButtonWidth, kButtonHeight);
  Command10->setAutoDefault(false);
  QFont exitFont(QStringLiteral("Arial"));
  exitFont.setPointSizeF(9);
  Command10->setFont(exitFont);

  downloadAddress = new QLabel(downloadPageAddress(), page_);
  downloadAddress->setObjectName(QStringLiteral("downloadAddress"));
  downloadAddress->hide();

  connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex &current) { onCurrentChanged(current); });
  connect(MSFlexGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { followCell(); });
  connect(MSFlexGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { followCell(); });
  MSFlexGrid1->viewport()->installEventFilter(this);

  connect(Command12, &QPushButton::clicked, this, &DrawEditor::Command12_Click);
  connect(Command3, &QPushButton::clicked, this, &DrawEditor::Command3_Click);
  connect(Command11, &QPushButton::clicked, this, &DrawEditor::Command11_Click);
  connect(Command13, &QPushButton::clicked, this, &DrawEditor::SaveDrawings);
  connect(Command16, &QPushButton::clicked, this, &DrawEditor::ExportDrawings);
  connect(Command17, &QPushButton::clicked, this, &DrawEditor::ImportDrawings);
  connect(Command14, &QPushButton::clicked, this, &DrawEditor::OpenDownloadPage);
  connect(Command18, &QPushButton::clicked, this, [this] {
    if (!busy_)
      openPage(platform_, this, helpPagePath(QStringLiteral("\\help\\Edit_Drawings.htm")));
  });
  connect(Command15, &QPushButton::clicked, this, [this] {
    if (!busy_)
      openPage(platform_, this, helpPagePath(QStringLiteral("\\help\\Data_Download-Data_Import.htm")));
  });
  connect(Command10, &QPushButton::clicked, this, &DrawEditor::reject);
}

// ---- Loading ----

void DrawEditor::Form_Load() {
  LoadReport report;
  setWindowTitle(QStringLiteral("Loading......"));
  {
    WaitCursor wait;
    report = LoadDrawingsGrid();
  }
  setWindowTitle(kCaption);
  enterSpareRow();
  Label6->setText(lotteryLabelText(QFileInfo(programState().DataFilePath).fileName()));
  Label6->adjustSize();
  // Said over the window once it is on the screen.
  if (report.failure || !report.endNote.isEmpty())
    reportOnScreen_ = report;
}

// The caller says what the load found once the window is no longer busy, so
// the message is read with the normal pointer.
DrawEditor::LoadReport DrawEditor::LoadDrawingsGrid() {
  const QString path = programState().DataFilePath;
  LoadReport report;
  // Every allocation of the load is in here: a file too large for the memory
  // left leaves the editor as a file it could not read does.
  try {
    FileContent file = readWholeFile(path);
    fileRead_ = file.stamp;
    if (file.error) {
      loaded_ = file.missing ? LoadedFile::Missing : LoadedFile::Unreadable;
      report.failure = file.error;
      EditorRows spare;
      spare.insertBlankRow(0);
      model_->setRows(std::move(spare));
    } else {
      addContentHashIfNeeded(fileRead_, file.data);
      EditorRows rows(std::move(file.data));
      // The editor shows every line, but the charts may stop early: where is said.
      report.endNote = drawHistoryEndNote(rows.chartNotes(), path);
      rows.insertBlankRow(rows.rowCount());  // the spare row for the next draw
      if (!viewHasRoomFor(rows.rowCount(), kEditorColumns))
        throw std::bad_alloc();
      model_->setRows(std::move(rows));
      loaded_ = LoadedFile::Read;
    }
  } catch (const std::bad_alloc &) {
    loaded_ = LoadedFile::Unreadable;
    report = LoadReport{QStringLiteral("There is not enough memory to show its draws."), {}};
    EditorRows spare;
    spare.insertBlankRow(0);
    model_->setRows(std::move(spare));
  }
  setCurrentCell(model_->rowCount() - 1, kLabelColumn);
  return report;
}

void DrawEditor::showLoadReport(const LoadReport &report) {
  if (report.failure)
    showError(QStringLiteral("Cannot read the draw file %1: %2%3The editor opens with no draws; nothing was created.")
                  .arg(programState().DataFilePath, *report.failure, kCrLf));
  else if (!report.endNote.isEmpty())
    showError(report.endNote);
}

std::optional<QString> DrawEditor::unreadFileRefusal(const QString &what) const {
  if (loaded_ != LoadedFile::Unreadable)
    return std::nullopt;
  return QStringLiteral("The draw file %1 could not be read when the editor opened, so %2 is refused: the file was "
                        "left as it was.%3Close the editor and open it again once the file can be read, or replace "
                        "the file with Import.")
      .arg(programState().DataFilePath, what, kCrLf);
}

DrawEditor::LoadReport DrawEditor::InitDrawingsGrid() {
  MSFlexGrid1->hide();
  model_->setRows({});
  Text1->hide();
  Text1->clear();
  boxPlaced_ = false;
  boxCell_ = QPersistentModelIndex();
  setWindowTitle(QStringLiteral("Loading......"));
  LoadReport report;
  {
    WaitCursor wait;
    model_->setHeaderTexts(kHeadersAfterReload);
    QCoreApplication::processEvents();
    report = LoadDrawingsGrid();
    MSFlexGrid1->show();
  }
  setWindowTitle(kCaption);
  enterSpareRow();
  return report;
}

// The last row, then column 1, then column 0: the edit box ends over the
// spare row's label cell, however the load left the current cell.
void DrawEditor::enterSpareRow() {
  const int last = model_->rowCount() - 1;
  setCurrentCell(last, kHColumn);
  setCurrentCell(last, kLabelColumn);
  MSFlexGrid1->scrollTo(model_->index(last, kLabelColumn));
  followCell();
}

void DrawEditor::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (!placedOnTab_) {
    placedOnTab_ = true;
    // The design places controls relative to the tab control; its page sits inside the tab's frame.
    const QPoint offset = page_->mapTo(SSTab1, QPoint(0, 0));
    for (const auto &[widget, twips] : designPlaces_) {
      QRect place = pixels(twips);
      if (twips.width() == 0)  // sized to its text
        place.setSize(widget->size());
      widget->setGeometry(place.translated(-offset));
    }
    if (const QScreen *screen = this->screen())
      move(screen->availableGeometry().center() - rect().center());
  }
  if (MSFlexGrid1->currentIndex().isValid())
    MSFlexGrid1->scrollTo(MSFlexGrid1->currentIndex());
  followCell();
  if (reportOnScreen_)
    whenOnScreen(this, [this] {
      if (const std::optional<LoadReport> report = std::exchange(reportOnScreen_, std::nullopt))
        showLoadReport(*report);
    });
}

// ---- The current cell and the edit box ----

int DrawEditor::currentRow() const { return MSFlexGrid1->currentIndex().row(); }

int DrawEditor::currentColumn() const { return MSFlexGrid1->currentIndex().column(); }

void DrawEditor::setCurrentCell(int row, int column) {
  const QModelIndex cell = model_->index(row, column);
  if (cell.isValid())
    MSFlexGrid1->setCurrentIndex(cell);
}

void DrawEditor::onCurrentChanged(const QModelIndex &current) {
  StoreCellEditor();
  if (current.isValid())
    PlaceCellEditor(current);
}

void DrawEditor::PlaceCellEditor(const QModelIndex &cell) {
  boxCell_ = cell;
  Text1->clear();
  boxPlaced_ = true;
  followCell();
}

void DrawEditor::StoreCellEditor() {
  if (Text1->text().isEmpty())
    return;  // the cell keeps its text; the box moves on at once
  if (boxCell_.isValid())
    model_->setText(boxCell_.row(), boxCell_.column(), Text1->text());
  Text1->clear();
  Text1->hide();
  boxPlaced_ = false;
}

void DrawEditor::FocusCellEditor() {
  if (Text1->isVisible() && !Text1->hasFocus())
    Text1->setFocus(Qt::MouseFocusReason);
}

// The box keeps the text over its cell, so what was typed stays in view;
// leaving the cell stores it again, which changes nothing.
void DrawEditor::storePendingText() {
  if (Text1->text().isEmpty() || !boxCell_.isValid())
    return;
  model_->setText(boxCell_.row(), boxCell_.column(), Text1->text());
}

void DrawEditor::followCell() {
  if (!boxPlaced_ || !boxCell_.isValid() || MSFlexGrid1->isHidden()) {
    Text1->hide();
    return;
  }
  const QRect cell = MSFlexGrid1->visualRect(boxCell_);
  const QWidget *viewport = MSFlexGrid1->viewport();
  // A cell scrolled out of sight hides the box (with its text) until it comes back.
  const bool inSight = !cell.isEmpty() && viewport->rect().contains(cell);
  if (inSight)
    Text1->setGeometry(QRect(viewport->mapTo(page_, cell.topLeft()), cell.size()));
  Text1->setVisible(inSight);
}

bool DrawEditor::eventFilter(QObject *watched, QEvent *event) {
  if (watched == Text1) {
    switch (event->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
        FocusCellEditor();
        break;
      default:
        break;
    }
  } else if (watched == MSFlexGrid1->viewport() && event->type() == QEvent::Resize) {
    followCell();
  }
  return QDialog::eventFilter(watched, event);
}

// ---- Row buttons ----

template <typename Change>
void DrawEditor::changeRows(Change change) {
  if (busy_)
    return;
  storePendingText();
  try {
    change();
  } catch (const std::bad_alloc &) {
    showError(QStringLiteral("There is not enough memory for another row. The rows were left as they were."));
  }
}

// The view's table of rows grows with a row, into a block of its own.
void DrawEditor::makeRoomInViewForRow() const {
  if (!viewHasRoomFor(std::int64_t(model_->rowCount()) + 1, kEditorColumns))
    throw std::bad_alloc();
}

void DrawEditor::Command3_Click() {
  changeRows([this] {
    makeRoomInViewForRow();
    model_->insertBlankRow(model_->rowCount());
    // The view learns of the new row in its next layout: lay it out now, so
    // the scroll reaches the new last row.
    MSFlexGrid1->doItemsLayout();
    MSFlexGrid1->scrollTo(model_->index(model_->rowCount() - 1, 0), QAbstractItemView::PositionAtTop);
    followCell();
  });
}

void DrawEditor::Command11_Click() {
  changeRows([this] {
    const int row = currentRow(), column = currentColumn();
    if (row < 0)
      return;
    makeRoomInViewForRow();
    model_->insertBlankRow(row);
    // The current cell stays at its place, now in the new blank row.
    setCurrentCell(row, column);
    PlaceCellEditor(MSFlexGrid1->currentIndex());
  });
}

void DrawEditor::Command12_Click() {
  changeRows([this] {
    const int row = currentRow(), column = currentColumn();
    if (row < 0)
      return;
    if (model_->rowCount() == 1)
      model_->clearRow(row);  // the grid keeps one row under the header
    else
      model_->removeRowAt(row);
    setCurrentCell(std::min(row, model_->rowCount() - 1), column);
    PlaceCellEditor(MSFlexGrid1->currentIndex());
  });
}

// ---- Save, Import, Export, Download ----

void DrawEditor::showError(const QString &text) { platform_.message(this, text, MessageStyle::OkInformation, kError); }

std::optional<ReplaceOutcome> DrawEditor::replaceIfStillTheFileRead(const QByteArray &bytes, const QString &caption,
                                                                     const QString &replacement,
                                                                     const QString &nothingDone) {
  const QString path = programState().DataFilePath;
  FileStamp expected = fileRead_;
  for (;;) {
    setWindowTitle(caption);
    std::optional<ReplaceOutcome> outcome;
    {
      WaitCursor wait;
      outcome = replaceFileIfUnchanged(path, bytes, expected);
    }
    setWindowTitle(kCaption);
    if (outcome->result == ReplaceOutcome::Result::Written)
      fileRead_ = outcome->stamp;
    QString question;
    if (outcome->result == ReplaceOutcome::Result::Changed)
      question = QStringLiteral("The draw file %1 has changed on disk since the editor read it: another program, or "
                                "Corvessa in another window, has written it.%2Yes replaces those changes with %3; No "
                                "%4 and keeps your edits.")
                     .arg(path, kCrLf, replacement, nothingDone);
    else if (outcome->result == ReplaceOutcome::Result::Unverified)
      question = QStringLiteral("Corvessa cannot tell whether the draw file %1 has changed on disk since the editor "
                                "read it: it had changed moments before the editor read it, so its bytes have to be "
                                "compared, and reading it again failed: %2%3Yes replaces the file as it is now with "
                                "%4; No %5 and keeps your edits.")
                     .arg(path, outcome->error, kCrLf, replacement, nothingDone);
    else
      return outcome;
    if (platform_.message(this, question, MessageStyle::YesNoWarning, QStringLiteral("Query:")) != MessageAnswer::Yes)
      return std::nullopt;
    // Yes replaces the file as it is now; should it change again meanwhile, the question comes again.
    expected = outcome->stamp;
  }
}

void DrawEditor::SaveDrawings() {
  if (busy_)
    return;
  BusyFlag busy(busy_);
  storePendingText();
  if (const std::optional<QString> refusal = unreadFileRefusal(QStringLiteral("Save"))) {
    showError(*refusal);
    return;
  }
  const QString saving = QStringLiteral("Saving,Please wait......");
  setWindowTitle(saving);
  const QString path = programState().DataFilePath;
  DrawFileBuild build;
  {
    WaitCursor wait;
    QCoreApplication::processEvents();
    try {
      build = buildDrawFile(model_->rows());
    } catch (const std::bad_alloc &) {
      wait.restore();
      setWindowTitle(kCaption);
      showError(QStringLiteral("There is not enough memory to save the draws to %1.%2The file was left as it was.")
                    .arg(path, kCrLf));
      return;
    }
  }
  setWindowTitle(kCaption);
  if (build.problem) {
    setCurrentCell(build.problem->row, build.problem->column);
    PlaceCellEditor(MSFlexGrid1->currentIndex());
    MSFlexGrid1->scrollTo(MSFlexGrid1->currentIndex());
    platform_.message(this, build.problem->message, MessageStyle::OkInformation, kTip);
    return;
  }
  const std::optional<ReplaceOutcome> outcome = replaceIfStillTheFileRead(
      build.bytes, saving, QStringLiteral("the draws shown here"), QStringLiteral("saves nothing"));
  if (!outcome)
    return;
  if (outcome->result == ReplaceOutcome::Result::Failed) {
    showError(QStringLiteral("Cannot save the draws to %1: %2%3The file was left as it was.")
                  .arg(path, outcome->error, kCrLf));
    return;
  }
  loaded_ = LoadedFile::Read;  // the file holds what the grid shows
  setWindowTitle(QStringLiteral("OK!"));
  platform_.message(this, QStringLiteral("OK!"), MessageStyle::OkInformation, kTip);
  setWindowTitle(kCaption);
}

void DrawEditor::ImportDrawings() {
  if (busy_)
    return;
  BusyFlag busy(busy_);
  if (platform_.message(this,
                        QStringLiteral("The program overwrites the contents of the table with the imported data.") +
                            kCrLf + QStringLiteral("Are you sure you want to import?"),
                        MessageStyle::YesNoWarning, kTip) != MessageAnswer::Yes)
    return;
  FileDialogRequest request;
  request.title = QStringLiteral("Please locate the valid data file.");
  request.filter = kDataFilter;
  request.initialFolder = dialogFolder_;  // the folder Export last set, if any
  const std::optional<QString> chosen = platform_.openFileName(this, request);
  if (!chosen)
    return;

  const QString path = programState().DataFilePath;
  const FileContent source = readWholeFile(*chosen);
  if (source.error) {
    showError(QStringLiteral("Cannot read the file %1: %2%3The draws were left as they were.")
                  .arg(*chosen, *source.error, kCrLf));
    return;
  }
  if (const std::optional<QString> problem = drawHistoryContentProblem(source.data)) {
    showError(QStringLiteral("The file %1 is not a draw history: %2%3The draws were left as they were.")
                  .arg(*chosen, *problem, kCrLf));
    return;
  }
  const std::optional<ReplaceOutcome> outcome = replaceIfStillTheFileRead(
      source.data, kCaption, QStringLiteral("the imported file"), QStringLiteral("imports nothing"));
  if (!outcome)
    return;
  if (outcome->result == ReplaceOutcome::Result::Failed) {
    showError(QStringLiteral("Cannot import into the draw file %1: %2%3The file was left as it was.")
                  .arg(path, outcome->error, kCrLf));
    return;
  }
  const LoadReport reread = InitDrawingsGrid();
  if (reread.failure) {
    // One message for what happened: the file was replaced, but cannot be shown.
    showError(QStringLiteral("The file %1 was imported into the draw file %2, but the editor cannot read it back: "
                             "%3%4The editor shows no draws, and Save and Export are refused until it has read the "
                             "file; close it and open it again.")
                  .arg(*chosen, path, *reread.failure, kCrLf));
    return;
  }
  showLoadReport(reread);
  platform_.message(this, QStringLiteral("The program has been imported."), MessageStyle::OkInformation, kTip);
}

QString DrawEditor::lotteryName() const {
  // "Lottery:NY." gives NY.
  const QString caption = Label6->text().trimmed();
  if (caption.size() <= 9 || !caption.endsWith(QLatin1Char('.')))
    return {};
  return caption.mid(8, caption.size() - 9);
}

void DrawEditor::ExportDrawings() {
  if (busy_)
    return;
  storePendingText();
  if (loaded_ == LoadedFile::Unreadable) {
    showError(*unreadFileRefusal(QStringLiteral("Export")));
    return;
  }
  FileDialogRequest request;
  request.title = QStringLiteral("Please specify a folder.");
  request.fileName = lotteryName();
  request.filter = kDataFilter;
  request.initialFolder = dialogFolder_ = QDir::homePath();
  const std::optional<QString> chosen = platform_.saveFileName(this, request);
  if (!chosen)
    return;

  // The file as last saved, not the grid.
  const QString path = programState().DataFilePath;
  const FileContent source = readWholeFile(path);
  std::optional<QString> failure = source.error;
  if (!failure)
    failure = replaceChosenFileAtomically(*chosen, source.data);
  if (failure) {
    showError(QStringLiteral("Cannot export the draw file %1 to %2: %3%4Nothing was exported.")
                  .arg(path, *chosen, *failure, kCrLf));
    return;
  }
  platform_.message(this, QStringLiteral("The program has been exported.The store path:") + *chosen +
                              QLatin1Char('.'),
                    MessageStyle::OkInformation, kTip);
}

void DrawEditor::OpenDownloadPage() {
  if (busy_)
    return;
  if (platform_.message(this,
                        QStringLiteral("Before starting the download, make sure you have connected to the Internet. ") +
                            kCrLf + QStringLiteral("Are you sure you want to download?"),
                        MessageStyle::YesNoWarning, kTip) != MessageAnswer::Yes)
    return;
  openPage(platform_, this, downloadAddress->text().trimmed());
}

// ---- Leaving ----

void DrawEditor::reject() {
  if (busy_)
    return;
  if (platform_.message(this,
                        QStringLiteral("If you have edited the data,make sure you have saved,Are you sure you want to "
                                       "quit?"),
                        MessageStyle::YesNo, QStringLiteral("Query:")) == MessageAnswer::Yes)
    QDialog::reject();
}

}  // namespace corvessa
