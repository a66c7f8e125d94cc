#pragma once
#include "core/atomicwrite.h"

#include <QString>
#include <optional>

namespace corvessa {

// The settings file holds one record: the current lottery's file name in
// double quotes, then CR LF.
QByteArray currentLotteryRecord(const QString &fileName);

// The settings file holds one name; a file longer than this is not read.
constexpr qint64 kMaxSettingsFileBytes = qint64(64) << 10;

// Replaces the settings file atomically. On failure returns what failed and
// leaves the old file as it was.
std::optional<QString> writeCurrentLotteryName(const QString &fileName);

// "Lottery:" and the file name up to and including its last dot.
QString lotteryLabelText(const QString &fileName);

// A start without the settings file (or without the folders) makes the data
// and settings folders, a first empty lottery and the settings file. Returns
// what failed, if anything; the program goes on either way.
std::optional<QString> prepareProgramFolders();
extern const char *const kFirstLotteryName;

// The current lottery at a start: the folders prepared, then the settings
// file's name, checked as Select Lottery and New Lottery check theirs. A name
// that cannot be used (or a settings file that cannot be read) is never
// opened: the start goes on as a first start does, with the first lottery,
// and `problem` says once what was wrong.
struct StartLottery {
  QString fileName;  // in the data folder
  std::optional<QString> problem;
};
StartLottery startCurrentLottery();

// The one rule for a lottery's name, whichever way it comes: typed for New
// Lottery, or as its file name NAME.txt from the settings file or from Select
// Lottery, which is accepted when NAME is. So what New Lottery makes can
// always be selected and started again.
// Why a trimmed name cannot become a lottery file, or nothing when it can: no
// path separator, double quote, control, invisible format or unpaired
// surrogate character (read by code point), no blank at its start (the
// settings file gives names back trimmed), not dots only, and short enough
// that the file and the temporary file of its saves fit the data folder's
// file system. Dots elsewhere are plain characters: with no separator a name
// cannot leave the data folder.
std::optional<QString> lotteryNameProblem(const QString &trimmedName);

// The same for a lottery's file name: NAME.txt (".txt" in any letter case, as
// the dialog lists them) in the data folder. Ending in .txt, it is never a
// save's temporary file (NAME.txt.~ and five letters or figures) nor any other
// file that a save keeps beside NAME.txt under a longer name.
std::optional<QString> lotteryFileNameProblem(const QString &fileName);

using CreateResult = NewFileResult;
struct CreateOutcome {
  CreateResult result;
  QString path;
  QString error;  // what failed, for Failed
};
// Creates the empty file <data>/<name>.txt without ever truncating an
// existing file or creating one through a symbolic link.
CreateOutcome createLotteryFile(const QString &trimmedName);

// Removes the empty file that createLotteryFile made when New Lottery cannot
// make it current after all, so a retry finds the folder as it was. A file
// that holds bytes by now (another program wrote to it) is kept; the reason
// is returned when anything is left.
std::optional<QString> removeNewLotteryFile(const QString &path);

}  // namespace corvessa
