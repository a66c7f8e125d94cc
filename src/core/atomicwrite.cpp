#include "core/atomicwrite.h"

#include "core/drawfile.h"
#include "core/filedescriptor.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
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
  QString path;         // the file's path, for messages
  QByteArray fileName;  // the file's name in it
  std::optional<QString> error;
};

void openFolder(const QString &path, Folder &folder) {
  folder.path = path;
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

// What stands at a name, in a message: "a folder", "a named pipe (FIFO)", ...
QString kindOfEntry(const struct stat &info) {
  if (S_ISDIR(info.st_mode))
    return QStringLiteral("a folder");
  if (S_ISLNK(info.st_mode))
    return QStringLiteral("a symbolic link");
  if (S_ISFIFO(info.st_mode))
    return QStringLiteral("a named pipe (FIFO)");
  if (S_ISSOCK(info.st_mode))
    return QStringLiteral("a socket");
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
    return QStringLiteral("a device");
  if (!S_ISREG(info.st_mode))
    return QStringLiteral("something that is not a plain file");
  return QStringLiteral("a file of another user");
}

// The lock of one file's replaces (see kLockFileSuffix), held while it lives.
// Its life: the lock file is made (or found) when a replace begins and
// removed when that replace ends, whatever its outcome; only a replace that
// was killed leaves it, and the next replace of the file takes it and
// removes it in its turn. Only a plain file of this user at that name is
// taken as the lock: anything else there (a folder, a link, a pipe, a
// device, another user's file) is refused with a message that names it, and
// is never opened in a way that could wait.
class ReplaceLock {
 public:
  ReplaceLock() = default;
  ReplaceLock(const ReplaceLock &) = delete;
  ReplaceLock &operator=(const ReplaceLock &) = delete;
  // The lock file goes before the lock: a replace that waited for it finds
  // it gone and takes a new one, never a lock no one else can see. Only the
  // file held is removed, never one put at its name meanwhile.
  ~ReplaceLock() {
    if (!folder_)
      return;
    struct stat held {}, there {};
    if (::fstat(fd_.get(), &held) == 0 &&
        ::fstatat(folder_->fd.get(), name_.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
        held.st_dev == there.st_dev && held.st_ino == there.st_ino)
      ::unlinkat(folder_->fd.get(), name_.constData(), 0);
  }

  // Waits for the replace that holds it to end, a while at most.
  std::optional<QString> take(const Folder &folder) {
    using namespace std::chrono_literals;
    constexpr auto kLongest = 20s;
    name_ = folder.fileName + kLockFileSuffix;
    const QString path = folder.path + QLatin1String(kLockFileSuffix);
    const auto refusal = [&path](const struct stat &info) {
      return QStringLiteral("At the name of its lock file %1 there is %2, not the lock file that Corvessa makes "
                            "there while it saves. Please remove it and save again.")
          .arg(path, kindOfEntry(info));
    };
    const auto ours = [](const struct stat &info) { return S_ISREG(info.st_mode) && info.st_uid == ::geteuid(); };
    const auto deadline = std::chrono::steady_clock::now() + kLongest;
    for (;;) {
      // O_NONBLOCK: opening a pipe for reading would wait for a writer, forever.
      fd_.adopt(::openat(folder.fd.get(), name_.constData(),
                         O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
      if (fd_.get() < 0) {
        const int error = errno;
        if (const std::optional<struct stat> there = entryAt(folder, name_.constData()); there && !ours(*there))
          return refusal(*there);
        return qt_error_string(error);
      }
      struct stat held {};
      if (::fstat(fd_.get(), &held) != 0)
        return QStringLiteral("Cannot use its lock file %1: %2").arg(path, qt_error_string(errno));
      if (!ours(held)) {
        fd_.reset();
        return refusal(held);
      }
      while (::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
          continue;
        if (errno != EWOULDBLOCK)
          return QStringLiteral("Cannot lock its lock file %1: %2").arg(path, qt_error_string(errno));
        if (std::chrono::steady_clock::now() > deadline)
          return QStringLiteral("Another save of this file has held its lock file %1 for %2 seconds and still holds "
                                "it.")
              .arg(path, QString::number(kLongest.count()));
        std::this_thread::sleep_for(5ms);
      }
      struct stat there {};
      if (::fstatat(folder.fd.get(), name_.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
          held.st_dev == there.st_dev && held.st_ino == there.st_ino) {
        folder_ = &folder;
        return std::nullopt;
      }
    }
  }

 private:
  const Folder *folder_ = nullptr;
  QByteArray name_;
  FileDescriptor fd_;
};

// Whether the file at `path` (not a link: `now` is its stat) is still the
// one `expected` describes; `now` becomes what it is, with the hash of its
// bytes where its times cannot tell or the expected file's bytes are known.
// When the bytes were known then and cannot be read now (a read error,
// memory short for a large file), there is no telling: `reason` says why.
enum class Check { Same, Changed, CannotTell };
Check stillExpected(const QString &path, const FileStamp &expected, FileStamp &now, QString &reason) {
  std::optional<QString> readError;
  if (S_ISREG(now.mode) && (expected.contentHash || needsContentHash(now))) {
    // Another file, or one that changed while it was read, is not the one expected: it gets no hash.
    const FileContent content = readWholeFile(path);
    if (sameFile(content.stamp, now)) {
      if (content.error)
        readError = content.error;
      else
        now.contentHash = contentHash(content.data);
    }
  }
  if (!sameFile(expected, now))
    return Check::Changed;
  if (!expected.contentHash || now.contentHash)
    return Check::Same;
  if (!readError)
    return Check::Changed;
  reason = *readError;
  return Check::CannotTell;
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

namespace {

ReplaceOutcome replaceUnderLock(const QString &path, const QByteArray &bytes, const FileStamp *expected) {
  ReplaceOutcome outcome;
  auto failed = [&outcome](QString error) {
    outcome.result = ReplaceOutcome::Result::Failed;
    outcome.error = std::move(error);
    return outcome;
  };
  Folder folder;
  openFolder(path, folder);
  if (folder.error)
    return failed(*folder.error);
  ReplaceLock lock;
  if (const std::optional<QString> error = lock.take(folder))
    return failed(*error);
  const char *fileName = folder.fileName.constData();
  const std::optional<struct stat> old = entryAt(folder, fileName);
  if (old && S_ISLNK(old->st_mode))
    return failed(linkRefusal());
  if (old && S_ISDIR(old->st_mode))
    return failed(qt_error_string(EISDIR));
  if (expected) {
    FileStamp now = old ? fileStamp(*old) : FileStamp{};
    QString reason;
    const Check check = stillExpected(path, *expected, now, reason);
    if (check != Check::Same) {
      outcome.result = check == Check::Changed ? ReplaceOutcome::Result::Changed : ReplaceOutcome::Result::Unverified;
      outcome.error = reason;
      outcome.stamp = now;
      return outcome;
    }
  }
  removeLeftTemporaries(folder);

  QByteArray temporaryName;
  FileDescriptor temporary(createTemporary(folder, temporaryName));
  if (temporary.get() < 0)
    return failed(qt_error_string(errno));
  auto fail = [&](int error) {
    temporary.reset();
    ::unlinkat(folder.fd.get(), temporaryName.constData(), 0);
    return failed(error != 0 ? qt_error_string(error) : QStringLiteral("Not every byte could be written."));
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
  struct stat made {};
  if (::fstat(temporary.get(), &made) != 0)
    return fail(errno);
  if (!temporary.reset())
    return fail(errno);
  if (::renameat(folder.fd.get(), temporaryName.constData(), folder.fd.get(), fileName) != 0)
    return fail(errno);
  // The rename changed the file's times; should another program have put a
  // file at the name since, the stamp stays that of the file written.
  if (const std::optional<struct stat> there = entryAt(folder, fileName);
      there && there->st_dev == made.st_dev && there->st_ino == made.st_ino)
    made = *there;
  ::fsync(folder.fd.get());
  outcome.result = ReplaceOutcome::Result::Written;
  outcome.stamp = fileStamp(made);
  addContentHashIfNeeded(outcome.stamp, bytes);
  return outcome;
}

}  // namespace

std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes) {
  ReplaceOutcome outcome = replaceUnderLock(path, bytes, nullptr);
  if (outcome.result == ReplaceOutcome::Result::Failed)
    return std::move(outcome.error);
  return std::nullopt;
}

ReplaceOutcome replaceFileIfUnchanged(const QString &path, const QByteArray &bytes, const FileStamp &expected) {
  return replaceUnderLock(path, bytes, &expected);
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
