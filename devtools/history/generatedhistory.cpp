#include "history/generatedhistory.h"

#include <cstdint>
#include <vector>

namespace corvessa::devtools {

namespace {

// The C library's random() after srandom(seed) (its additive feedback
// generator of 34 words, the first 310 outputs passed over), written out so
// that the digits depend on no library.
class CRandom {
 public:
  explicit CRandom(std::uint32_t seed) : words_(34) {
    words_[0] = std::int32_t(seed);
    for (std::size_t i = 1; i < 31; ++i) {
      // 16807 * words_[i - 1] mod (2^31 - 1), never negative.
      const std::int64_t next = 16807 * std::int64_t(words_[i - 1]) % 2147483647;
      words_[i] = std::int32_t(next < 0 ? next + 2147483647 : next);
    }
    for (std::size_t i = 31; i < 34; ++i)
      words_[i] = words_[i - 31];
    for (int i = 0; i < 310; ++i)
      next();
  }
  // A number from 0 to 2^31 - 1.
  std::uint32_t next() {
    const std::uint32_t word = std::uint32_t(words_[(at_ + 34 - 31) % 34]) + std::uint32_t(words_[(at_ + 34 - 3) % 34]);
    words_[at_] = std::int32_t(word);
    at_ = (at_ + 1) % 34;
    return word >> 1;
  }

 private:
  std::vector<std::int32_t> words_;
  std::size_t at_ = 0;
};

}  // namespace

QByteArray generatedHistory(GeneratedHistory kind, int count) {
  QByteArray file;
  file.reserve(qsizetype(count) * 16);
  CRandom random(10);
  std::uint32_t state = 12345;
  const auto digit = [&]() -> char {
    if (kind == GeneratedHistory::Screenshot)
      return char('0' + int(double(random.next()) / 2147483647.0 * 10));
    state = state * 1664525u + 1013904223u;
    return char('0' + (state >> 16) % 10);
  };
  const int firstLabel = kind == GeneratedHistory::Screenshot ? 1 : 2000001;
  for (int i = 0; i < count; ++i) {
    file += QByteArray::number(firstLabel + i);
    for (int k = 0; k < 3; ++k) {
      file += ' ';
      file += digit();
    }
    file += "\r\n";
  }
  return file;
}

}  // namespace corvessa::devtools
