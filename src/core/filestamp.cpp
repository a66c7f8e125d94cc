#include "core/filestamp.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <ctime>

namespace corvessa {

namespace {

// Far more than the coarsest clock of a file system Corvessa may write on
// (two seconds), and than the lag of the kernel's coarse clock.
constexpr std::int64_t kClockSlackNs = std::int64_t(3) * 1000 * 1000 * 1000;

std::int64_t nanoseconds(const timespec &time) { return std::int64_t(time.tv_sec) * 1000000000 + time.tv_nsec; }

}  // namespace

FileStamp fileStamp(const struct stat &info) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.device = std::uint64_t(info.st_dev);
  stamp.inode = std::uint64_t(info.st_ino);
  stamp.mode = std::uint32_t(info.st_mode);
  stamp.size = std::int64_t(info.st_size);
  stamp.modifiedNs = nanoseconds(info.st_mtim);
  stamp.changedNs = nanoseconds(info.st_ctim);
  return stamp;
}

bool needsContentHash(const FileStamp &stamp) {
  if (!stamp.exists || !S_ISREG(stamp.mode))
    return false;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return std::max(stamp.modifiedNs, stamp.changedNs) > nanoseconds(now) - kClockSlackNs;
}

// Four lanes of multiplying and rotating 8-byte words, as the fast hashes
// do: the bytes of the largest draw file in some tens of milliseconds. It
// tells files apart; it does not stand against someone making two alike.
std::uint64_t contentHash(QByteArrayView bytes) {
  constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL, kPrime2 = 0xC2B2AE3D27D4EB4FULL;
  const auto mix = [](std::uint64_t lane, std::uint64_t word) {
    return std::rotl(lane + word * kPrime2, 31) * kPrime1;
  };
  const char *data = bytes.data();
  const std::size_t size = std::size_t(bytes.size());
  std::uint64_t lanes[4] = {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1};
  std::size_t i = 0;
  for (; i + 32 <= size; i += 32)
    for (int k = 0; k < 4; ++k) {
      std::uint64_t word = 0;
      std::memcpy(&word, data + i + 8 * k, 8);
      lanes[k] = mix(lanes[k], word);
    }
  std::uint64_t hash = std::rotl(lanes[0], 1) + std::rotl(lanes[1], 7) + std::rotl(lanes[2], 12) +
                       std::rotl(lanes[3], 18) + size;
  for (; i < size; ++i)
    hash = (hash ^ std::uint8_t(data[i])) * kPrime1;
  hash ^= hash >> 33;
  hash *= kPrime2;
  hash ^= hash >> 29;
  return hash;
}

void addContentHashIfNeeded(FileStamp &stamp, QByteArrayView bytes) {
  if (needsContentHash(stamp))
    stamp.contentHash = contentHash(bytes);
}

bool sameFile(const FileStamp &a, const FileStamp &b) {
  if (a.exists != b.exists)
    return false;
  if (!a.exists)
    return true;
  if (a.device != b.device || a.inode != b.inode || a.mode != b.mode || a.size != b.size ||
      a.modifiedNs != b.modifiedNs || a.changedNs != b.changedNs)
    return false;
  return !a.contentHash || !b.contentHash || *a.contentHash == *b.contentHash;
}

}  // namespace corvessa
