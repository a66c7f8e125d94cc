#pragma once
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

// Replaces (or creates) a file of the program's own folders (a lottery's draw
// file, the settings file) with `bytes` through a temporary file in the same
// folder, renamed over the old file once it is complete. On failure the old
// file is left as it was and the reason is returned.
// Nothing is written through a symbolic link: when the file or its folder is
// a link, the reason says so and the file the link points to is untouched
// (and a link put in the file's place while the bytes are written is
// replaced by the rename, never followed).
// Temporary files of this file that an earlier replace left behind (the
// program was killed halfway) are removed first; no other file is.
std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes);

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
