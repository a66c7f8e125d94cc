#pragma once
// What a file on disk is, so that a later look can tell whether it is still
// the file that was read or written: its device and inode, its type, mode
// and size, and the times of its last change. A write within the same tick
// of the file system's clock as the first look leaves the times as they
// were, so a file that had changed moments before it was looked at is also
// known by a hash of its bytes.
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <sys/stat.h>

namespace corvessa {

struct FileStamp {
  bool exists = false;  // false: nothing at all was at the path
  std::uint64_t device = 0, inode = 0;
  std::uint32_t mode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0, changedNs = 0;
  std::optional<std::uint64_t> contentHash;  // see needsContentHash
};

FileStamp fileStamp(const struct stat &info);

// True when the file changed so shortly before this moment that a write in
// the same clock tick could follow unseen by its times: a plain file whose
// bytes are to be hashed too.
bool needsContentHash(const FileStamp &stamp);

std::uint64_t contentHash(QByteArrayView bytes);

// Adds the hash of the file's bytes (as they were read or written) where
// the times cannot tell.
void addContentHashIfNeeded(FileStamp &stamp, QByteArrayView bytes);

// The same file with the same times, size and mode; and the same bytes when
// both stamps know them.
bool sameFile(const FileStamp &a, const FileStamp &b);

}  // namespace corvessa
