#include "gui/platform/platform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QStringList>
#include <QUrl>

namespace corvessa {

QString qtNameFilter(const QString &filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  return filters.join(QStringLiteral(";;"));
}

void openPage(Platform &platform, QWidget *owner, const QString &pageOrUrl) {
  if (!platform.openInBrowser(owner, pageOrUrl))
    platform.message(owner, QStringLiteral("No web browser could be started for the page\r\n") + pageOrUrl,
                     MessageStyle::OkWarning, QStringLiteral("Error:"));
}

namespace {

// Room in a title bar beside its text: the frame's icon and its three
// buttons, about 24 pixels each, and a margin each side.
constexpr int kTitleBarButtons = 4 * 24 + 16;

// A desktop's title bar shortens a title it cannot show whole ("Friendship
// Tip:" reads "..." over a box just wide enough for "OK!"), and the toolkit
// sizes a box for its text only: the box is made as wide as its title needs
// in the desktop's bold text beside the frame's buttons.
void keepTitleWhole(QMessageBox &box) {
  QFont titleFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  titleFont.setBold(true);
  const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
  // The box sets its own size from its layout whenever it shows.
  if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

MessageAnswer QtPlatform::message(QWidget *parent, const QString &text, MessageStyle style, const QString &title) {
  // On the heap: a box goes with its window, should the window be destroyed while it is up.
  const QPointer<QMessageBox> box = new QMessageBox(parent);
  box->setWindowTitle(title);
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // the texts keep CR LF line breaks
  // A name, a path or a file's text is shown as it is, never as markup.
  box->setTextFormat(Qt::PlainText);
  box->setText(shown);
  switch (style) {
    case MessageStyle::YesNo:
      box->setIcon(QMessageBox::NoIcon);
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageStyle::YesNoWarning:
      box->setIcon(QMessageBox::Warning);
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageStyle::OkWarning:
      box->setIcon(QMessageBox::Warning);
      box->setStandardButtons(QMessageBox::Ok);
      break;
    case MessageStyle::OkInformation:
      box->setIcon(QMessageBox::Information);
      box->setStandardButtons(QMessageBox::Ok);
      break;
  }
  keepTitleWhole(*box);
  const int result = box->exec();
  delete box.data();
  if (style == MessageStyle::OkInformation || style == MessageStyle::OkWarning)
    return MessageAnswer::Ok;
  return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
  return ok ? text : QString();
}

namespace {
void prepare(QFileDialog &dialog, const FileDialogRequest &request) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setWindowTitle(request.title);
  if (!request.initialFolder.isEmpty())
    dialog.setDirectory(request.initialFolder);
  if (!request.filter.isEmpty())
    dialog.setNameFilter(qtNameFilter(request.filter));
  if (!request.fileName.isEmpty())
    dialog.selectFile(request.fileName);
  if (request.showHiddenFiles)
    dialog.setFilter(dialog.filter() | QDir::Hidden);
}

// The chosen file, or nothing when cancelled. On the heap, as a message box.
std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request,
                                     QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode) {
  const QPointer<QFileDialog> dialog = new QFileDialog(parent);
  prepare(*dialog, request);
  dialog->setAcceptMode(acceptMode);
  dialog->setFileMode(fileMode);
  std::optional<QString> chosen;
  if (dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty())
    chosen = dialog->selectedFiles().first();
  delete dialog.data();
  return chosen;
}

}  // namespace

std::optional<QString> QtPlatform::openFileName(QWidget *parent, const FileDialogRequest &request) {
  return runFileDialog(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const FileDialogRequest &request) {
  return runFileDialog(parent, request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

bool QtPlatform::openInBrowser(QWidget *, const QString &pageOrUrl) {
  const QUrl url = QFileInfo(pageOrUrl).isAbsolute() ? QUrl::fromLocalFile(pageOrUrl) : QUrl(pageOrUrl);
  return QDesktopServices::openUrl(url);
}

void QtPlatform::setClipboardText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

QString QtPlatform::clipboardText() { return QGuiApplication::clipboard()->text(); }

}  // namespace corvessa
