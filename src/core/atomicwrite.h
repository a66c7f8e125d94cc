#pragma once
#include "core/filestamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace corvessa {

// A replace writes its temporary file beside the file, named after it: the
// file's name, ".~" and five letters or figures (NY.txt.~a3Xk9). A name of
// the data folder's file system must leave room for these bytes.
constexpr int kTemporarySuffixBytes = 7;

// True when `name` is exactly the name of a temporary file that a replace of
// `fileName` writes.
bool isTemporaryFileName(QByteArrayView name, QByteArrayView fileName);

// A replace holds a lock for its file while it runs, so that two replaces of
// one file (two Corvessa windows or programs saving one lottery) follow each
// other: a flock on the lock file beside it, the file's name and this
// suffix (NY.txt..lock). Its life, and what else at its name is refused, is
// told at ReplaceLock in atomicwrite.cpp. No lottery name can hold "..",
// and a temporary file's name ends otherwise; the suffix fits the room a
// name leaves for the temporary file's.
constexpr char kLockFileSuffix[] = "..lock";

// Replaces (or creates) a file of the program's own folders (a lottery's draw
// file, the settings file) with `bytes` through a temporary file in the same
// folder, renamed over the old file once it is complete. On failure the old
// file is left as it was and the reason is returned.
// Nothing is written through a symbolic link: when the file or its folder is
// a link, the reason says so and the file the link points to is untouched
// (and a link put in the file's place while the bytes are written is
// replaced by the rename, never followed).
// Temporary files of this file that an earlier replace left behind (the
// program was killed halfway) are removed first; no other file is. This
// runs under the file's lock, so a temporary file that a running replace
// holds is never among them.
std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes);

// The same, only while the file is still the one `expected` describes (read
// or written earlier; "nothing there" included), checked under the file's
// lock, so that no other replace comes between the check and the rename.
// Changed: nothing was written, and `stamp` is what is there now.
// Unverified: nothing was written, since the check could not be made (the
// file's bytes had to be compared and could not be read again: `error` says
// why); `stamp` is what is there now. Written: `stamp` is the file as written.
struct ReplaceOutcome {
  enum class Result { Written, Changed, Unverified, Failed };
  Result result = Result::Failed;
  QString error;  // what failed, for Failed; why the check could not be made, for Unverified
  FileStamp stamp;
};
ReplaceOutcome replaceFileIfUnchanged(const QString &path, const QByteArray &bytes, const FileStamp &expected);

// Replaces a file that the user chose anywhere (Export) the same way, except
// that a symbolic link there is written through to the file it names, as the
// user chose it.
std::optional<QString> replaceChosenFileAtomically(const QString &path, const QByteArray &bytes);

// Creates the file `path` empty, never over anything already there, a link
// included; a link, or a folder that is one, is refused like a replace.
enum class NewFileResult { Created, AlreadyExists, Failed };
struct NewFile {
  NewFileResult result;
  QString error;  // what failed, for Failed
};
NewFile createEmptyFile(const QString &path);

}  // namespace corvessa
