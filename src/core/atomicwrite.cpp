#include "core/atomicwrite.h"

#include "core/filedescriptor.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace corvessa {

namespace {

constexpr char kTemporaryMark[] = ".~";
constexpr int kRandomBytes = kTemporarySuffixBytes - 2;
constexpr char kRandomChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool isRandomChar(char c) { return c != '\0' && std::string_view(kRandomChars).find(c) != std::string_view::npos; }

QString linkRefusal() {
  return QStringLiteral("It is a symbolic link, and Corvessa writes no file through a link; the file it points to "
                        "was left as it was.");
}

// A file's folder, opened once, never through a link: every later step works
// relative to it, so a link swapped in for the folder meanwhile changes nothing.
struct Folder {
  FileDescriptor fd;
  QByteArray fileName;  // the file's name in it
  std::optional<QString> error;
};

void openFolder(const QString &path, Folder &folder) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const QString folderPath = slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
  folder.fileName = QFile::encodeName(path.mid(slash + 1));
  if (folder.fileName.isEmpty() || folder.fileName == "." || folder.fileName == "..") {
    folder.error = QStringLiteral("It names no file.");
    return;
  }
  const QByteArray folderName = QFile::encodeName(folderPath);
  folder.fd.adopt(::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (folder.fd.get() >= 0)
    return;
  const int error = errno;
  struct stat info {};
  if (::lstat(folderName.constData(), &info) == 0 && S_ISLNK(info.st_mode))
    folder.error = QStringLiteral("Its folder %1 is a symbolic link, and Corvessa writes no file through a link; "
                                  "the folder it points to was left as it was.")
                       .arg(folderPath);
  else
    folder.error = qt_error_string(error);
}

// What is at the name now, without following a link: nothing, or its stat.
std::optional<struct stat> entryAt(const Folder &folder, const char *name) {
  struct stat info {};
  if (::fstatat(folder.fd.get(), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
    return std::nullopt;
  return info;
}

// The temporary files of this file that a killed replace left: names of
// exactly that shape, plain files of this user with no other name. A link,
// a folder or anyone else's file of such a name stays.
void removeLeftTemporaries(const Folder &folder) {
  const int copy = ::fcntl(folder.fd.get(), F_DUPFD_CLOEXEC, 0);
  if (copy < 0)
    return;
  DIR *dir = ::fdopendir(copy);
  if (!dir) {
    ::close(copy);
    return;
  }
  while (const dirent *entry = ::readdir(dir)) {
    if (!isTemporaryFileName(QByteArrayView(entry->d_name), folder.fileName))
      continue;
    const std::optional<struct stat> info = entryAt(folder, entry->d_name);
    if (info && S_ISREG(info->st_mode) && info->st_uid == ::geteuid() && info->st_nlink == 1)
      ::unlinkat(folder.fd.get(), entry->d_name, 0);
  }
  ::closedir(dir);
}

// A new temporary file in the folder, never an existing one nor a link.
int createTemporary(const Folder &folder, QByteArray &name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder.fileName + kTemporaryMark;
    for (int i = 0; i < kRandomBytes; ++i)
      name += kRandomChars[QRandomGenerator::global()->bounded(int(sizeof kRandomChars - 1))];
    const int fd = ::openat(folder.fd.get(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
}

// What failed, in the system's words where Qt has none of its own: a commit
// that cannot link its temporary file (a name too long for the file system)
// leaves Qt's text at "Unknown error" while errno still holds the cause.
QString failureReason(const QFileDevice &file, int systemError) {
  const QString qtText = file.errorString();
  const bool qtSaysNothing = file.error() == QFileDevice::NoError || qtText.isEmpty() || qtText == QFile().errorString();
  if (!qtSaysNothing)
    return qtText;
  if (systemError != 0)
    return qt_error_string(systemError);
  return QStringLiteral("Not every byte could be written.");
}

}  // namespace

bool isTemporaryFileName(QByteArrayView name, QByteArrayView fileName) {
  if (fileName.isEmpty() || name.size() != fileName.size() + kTemporarySuffixBytes || !name.startsWith(fileName))
    return false;
  const QByteArrayView suffix = name.sliced(fileName.size());
  if (!suffix.startsWith(kTemporaryMark))
    return false;
  for (char c : suffix.sliced(2))
    if (!isRandomChar(c))
      return false;
  return true;
}

std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes) {
  Folder folder;
  openFolder(path, folder);
  if (folder.error)
    return folder.error;
  const char *fileName = folder.fileName.constData();
  const std::optional<struct stat> old = entryAt(folder, fileName);
  if (old && S_ISLNK(old->st_mode))
    return linkRefusal();
  if (old && S_ISDIR(old->st_mode))
    return qt_error_string(EISDIR);
  removeLeftTemporaries(folder);

  QByteArray temporaryName;
  FileDescriptor temporary(createTemporary(folder, temporaryName));
  if (temporary.get() < 0)
    return qt_error_string(errno);
  auto fail = [&](int error) {
    temporary.reset();
    ::unlinkat(folder.fd.get(), temporaryName.constData(), 0);
    return std::optional<QString>(error != 0 ? qt_error_string(error)
                                             : QStringLiteral("Not every byte could be written."));
  };
  // The new file keeps the old one's permissions.
  if (old)
    ::fchmod(temporary.get(), old->st_mode & 07777);
  qsizetype written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(temporary.get(), bytes.constData() + written, std::size_t(bytes.size() - written));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return fail(n < 0 ? errno : 0);
    written += qsizetype(n);
  }
  // On the disk before the rename makes it the file.
  if (::fsync(temporary.get()) != 0)
    return fail(errno);
  if (!temporary.reset())
    return fail(errno);
  if (::renameat(folder.fd.get(), temporaryName.constData(), folder.fd.get(), fileName) != 0)
    return fail(errno);
  ::fsync(folder.fd.get());
  return std::nullopt;
}

std::optional<QString> replaceChosenFileAtomically(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  // Never fall back to writing the old file in place: that could leave it half written.
  file.setDirectWriteFallback(false);
  // Unbuffered: a buffered write fails only in the flush inside commit(),
  // which this Qt reports as success after renaming a short file over the old one.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return failureReason(file, errno);
  qsizetype written = 0;
  while (written < bytes.size()) {
    // A write cut short (the disk filled up on the way) is not an error to
    // Qt; writing the rest again makes the system say why it stopped.
    errno = 0;
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      const QString reason = failureReason(file, errno);
      file.cancelWriting();
      return reason;
    }
    written += qsizetype(n);
  }
  errno = 0;
  if (!file.commit())
    return failureReason(file, errno);
  return std::nullopt;
}

NewFile createEmptyFile(const QString &path) {
  Folder folder;
  openFolder(path, folder);
  if (folder.error)
    return {NewFileResult::Failed, *folder.error};
  const char *fileName = folder.fileName.constData();
  auto existing = [&]() -> std::optional<NewFile> {
    const std::optional<struct stat> info = entryAt(folder, fileName);
    if (!info)
      return std::nullopt;
    if (S_ISLNK(info->st_mode))
      return NewFile{NewFileResult::Failed, linkRefusal()};
    return NewFile{NewFileResult::AlreadyExists, {}};
  };
  if (const std::optional<NewFile> there = existing())
    return *there;
  // O_EXCL: never truncates or follows what the look above could not see.
  FileDescriptor file(::openat(folder.fd.get(), fileName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    const int error = errno;
    if (const std::optional<NewFile> there = existing())
      return *there;
    return {NewFileResult::Failed, qt_error_string(error)};
  }
  if (!file.reset())
    return {NewFileResult::Failed, qt_error_string(errno)};
  return {NewFileResult::Created, {}};
}

}  // namespace corvessa
