#pragma once
#include "core/filestamp.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace corvessa {
class Platform;
class DrawingsModel;
struct ReplaceOutcome;

// Shows the draw editor modal over `owner` ("Drawings").
void showDrawEditor(QWidget *owner, Platform &platform);

// The draw editor `Form1gxghzhu`: the current lottery's draws in a grid, an
// edit box laid over the current cell, the row buttons, and Save, Import,
// Export and Download. Loads the draw file when it is made, and says what
// the load found once the window is on the screen.
class DrawEditor final : public QDialog {
  Q_OBJECT
 public:
  explicit DrawEditor(Platform &platform, QWidget *owner = nullptr);
  ~DrawEditor() override;

  DrawingsModel &model() const { return *model_; }

  // The current cell (grid rows counted from 0 under the header).
  int currentRow() const;
  int currentColumn() const;
  void setCurrentCell(int row, int column);

  QTabWidget *SSTab1 = nullptr;
  QLabel *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
  QLabel *Label6 = nullptr;  // the current lottery
  QTableView *MSFlexGrid1 = nullptr;
  QLineEdit *Text1 = nullptr;  // the cell edit box
  QPushButton *Command10 = nullptr;  // "Exit"
  QPushButton *Command12 = nullptr;  // "Delete current row "
  QPushButton *Command3 = nullptr;   // "Add at the end "
  QPushButton *Command11 = nullptr;  // "Add before current row "
  QPushButton *Command16 = nullptr;  // "Export"
  QPushButton *Command17 = nullptr;  // "Import"
  QPushButton *Command13 = nullptr;  // "Save"
  QPushButton *Command18 = nullptr;  // "Edit Drawings Help"
  QPushButton *Command14 = nullptr;  // "Download"
  QPushButton *Command15 = nullptr;  // "Data Download Help"
  QLabel *downloadAddress = nullptr;  // never shown: the data-download page

  void Command3_Click();   // add at the end
  void Command11_Click();  // add before the current row
  void Command12_Click();  // delete the current row
  void SaveDrawings();
  void ImportDrawings();
  void ExportDrawings();
  void OpenDownloadPage();

  // "Exit", the close box and Escape all ask before the window closes.
  void reject() override;

 protected:
  void showEvent(QShowEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  // What a load found to say: the file could not be read (why), or the
  // charts' reading of it ends before its last line.
  struct LoadReport {
    std::optional<QString> failure;
    QString endNote;
  };
  void buildDesign();
  void Form_Load();
  LoadReport LoadDrawingsGrid();
  LoadReport InitDrawingsGrid();
  void showLoadReport(const LoadReport &report);
  void enterSpareRow();
  void PlaceCellEditor(const QModelIndex &cell);
  void StoreCellEditor();
  void FocusCellEditor();
  // Stores the text still in the edit box into its cell (Save, Export, rows).
  void storePendingText();
  // Keeps the edit box over its cell while the grid scrolls or resizes.
  void followCell();
  void onCurrentChanged(const QModelIndex &current);
  void showError(const QString &text);
  QString lotteryName() const;
  // The refusal of Save or Export (`what`) after a load that could not read
  // the file: writing the grid would replace draws the editor never showed.
  std::optional<QString> unreadFileRefusal(const QString &what) const;
  // Replaces the lottery's file with `bytes` while it is still the file the
  // editor read (or last wrote); when it has changed on disk since, or that
  // cannot be told, only once the user says Yes to a question that says so
  // (Yes replaces the file with `replacement`; No `nothingDone`). Nothing
  // when the user said No. The caption and pointer show the work meanwhile.
  std::optional<ReplaceOutcome> replaceIfStillTheFileRead(const QByteArray &bytes, const QString &caption,
                                                          const QString &replacement, const QString &nothingDone);
  // Runs a row button's change; a change that finds no memory says so.
  template <typename Change>
  void changeRows(Change change);
  // Throws std::bad_alloc when the view could not take one more row.
  void makeRoomInViewForRow() const;

  Platform &platform_;
  DrawingsModel *model_ = nullptr;
  QWidget *page_ = nullptr;
  QPersistentModelIndex boxCell_;  // the cell the edit box lies over
  bool boxPlaced_ = false;         // the box is shown over boxCell_ (while it is in sight)
  std::vector<std::pair<QWidget *, QRect>> designPlaces_;  // twips, relative to the tab control
  bool placedOnTab_ = false;
  bool busy_ = false;  // a save or import is running
  QString dialogFolder_;  // the file dialog's folder, once Export has set it
  // What the last load found: the file read, nothing at its path, or a file it could not read.
  enum class LoadedFile { Read, Missing, Unreadable };
  LoadedFile loaded_ = LoadedFile::Read;
  FileStamp fileRead_;  // the file as the editor read it or, after a save, wrote it
  std::optional<LoadReport> reportOnScreen_;  // what the first load found, said once the window shows
};

}  // namespace corvessa
