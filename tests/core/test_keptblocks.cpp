// Large blocks given back are kept for the next chart of the process: a
// block taken again comes zeroed as a fresh one does, what is kept stays
// within its bound, and the grid's memory limit refuses as before.
#include "core/drawfile.h"
#include "core/largearray.h"
#include "core/resultgrid.h"
#include "support/core/sanitizer.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace corvessa;

namespace {

constexpr std::size_t kMB = std::size_t(1) << 20;

// Each test starts with nothing kept, under a bound of its own.
class KeptBlocks : public ::testing::Test {
 protected:
  void SetUp() override {
    releaseKeptLargeBlocks();
    setKeptLargeBlockBound(64 * kMB);
  }
  void TearDown() override {
    setKeptLargeBlockBound(0);
    setKeptLargeBlockIdleMs(0);
    setGridCellLimit(0);
    releaseKeptLargeBlocks();
  }
};

// The pages of [data, data + bytes) that are in memory.
std::size_t residentPages(const void *data, std::size_t bytes) {
  const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
  std::vector<unsigned char> resident((bytes + page - 1) / page);
  if (mincore(const_cast<void *>(data), bytes, resident.data()) != 0)
    return SIZE_MAX;
  std::size_t n = 0;
  for (unsigned char r : resident)
    n += r & 1;
  return n;
}

}  // namespace

TEST_F(KeptBlocks, ABlockTakenAgainComesZeroedAndItsUntouchedPagesStayUntouched) {
  const void *first = nullptr;
  {
    LargeArray<std::uint32_t> cells(4 * kMB / sizeof(std::uint32_t));
    std::fill(cells.begin(), cells.end(), 0xFFFFFFFFu);
    // A grid's colours of a megabyte: a colour in one page of each 128 KB.
    LargeArray<std::uint8_t> colours(kMB);
    for (std::size_t i = 0; i < colours.size(); i += 128 * 1024)
      colours[i] = 3;
    (void)colours[colours.size() - 1];  // a page only read
    first = cells.data();
  }
  EXPECT_EQ(keptLargeBlockBytes(), 5 * kMB);

  // The same sizes again: the kept blocks, as the next chart of a tool takes them.
  LargeArray<std::uint8_t> colours(kMB);
  LargeArray<std::uint32_t> cells(4 * kMB / sizeof(std::uint32_t));
  EXPECT_EQ(cells.data(), first);
  EXPECT_EQ(keptLargeBlockBytes(), 0u);
  // The colours' pages that the first use never touched were left alone by
  // the zeroing: they cost no fault and no memory.
  EXPECT_LE(residentPages(colours.data(), colours.size()), 9u);
  EXPECT_EQ(std::count(cells.begin(), cells.end(), 0u), std::ptrdiff_t(cells.size()));
  EXPECT_EQ(std::count(colours.begin(), colours.end(), 0), std::ptrdiff_t(colours.size()));
}

TEST_F(KeptBlocks, ALargerBlockIsSplitAndTheRoomPastTheSizeReadsZero) {
  {
    LargeArray<std::uint8_t> big(16 * kMB);
    std::fill(big.begin(), big.end(), 0xAB);
  }
  LargeArray<std::uint8_t> part(3 * kMB);
  EXPECT_EQ(keptLargeBlockBytes(), 13 * kMB);  // the rest stays kept
  part.resize(part.capacity());
  EXPECT_EQ(std::count(part.begin(), part.end(), 0), std::ptrdiff_t(part.size()));
  LargeArray<std::uint8_t> rest(13 * kMB);
  EXPECT_EQ(rest.data(), part.data() + part.bytes());
  EXPECT_EQ(std::count(rest.begin(), rest.end(), 0), std::ptrdiff_t(rest.size()));

  // A block shrunk before it went back: what it held past its size was
  // emptied then, and what it still held is emptied now.
  {
    LargeArray<std::uint32_t> grown(kMB);
    std::fill(grown.begin(), grown.end(), 9u);
    grown.resize(10);
  }
  LargeArray<std::uint32_t> again(kMB);
  EXPECT_EQ(std::count(again.begin(), again.end(), 0u), std::ptrdiff_t(again.size()));
}

TEST_F(KeptBlocks, WhatIsKeptStaysWithinTheBound) {
  setKeptLargeBlockBound(10 * kMB);
  {
    std::vector<LargeArray<std::uint8_t>> blocks;
    for (int i = 0; i < 4; ++i)
      blocks.emplace_back(4 * kMB);
  }
  EXPECT_EQ(keptLargeBlockBytes(), 8 * kMB);

  // A fresh block that the kept ones cannot give makes room for itself.
  LargeArray<std::uint8_t> wide(6 * kMB);
  EXPECT_LE(keptLargeBlockBytes() + wide.bytes(), 10 * kMB);

  // A block beyond the bound goes back to the kernel at once.
  releaseKeptLargeBlocks();
  { LargeArray<std::uint8_t> huge(11 * kMB); }
  EXPECT_EQ(keptLargeBlockBytes(), 0u);

  // A lower bound gives back at once what it no longer holds.
  { LargeArray<std::uint8_t> kept(8 * kMB); }
  setKeptLargeBlockBound(4 * kMB);
  EXPECT_EQ(keptLargeBlockBytes(), 0u);
}

// A grid over the memory limit is refused before anything is taken, kept
// blocks or not; one within it takes them, and every cell reads empty.
TEST_F(KeptBlocks, TheGridLimitStillRefusesAndAGridTakesTheKeptBlocksEmpty) {
  constexpr int kRows = 2000, kCols = 1100;  // cells of 8.8 MB, colours of 2.2 MB each
  {
    ResultGrid grid(kRows, kCols);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        grid.setNumber(r, c, c);
        grid.setBackColor(r, c, rgb(255, 0, 0));
        grid.setForeColor(r, c, rgb(0, 0, 255));
      }
  }
  const std::size_t kept = keptLargeBlockBytes();
  EXPECT_GE(kept, std::size_t(kRows) * kCols * 6);

  setGridCellLimit(std::size_t(kRows) * kCols);
  EXPECT_THROW(ResultGrid(kRows + 1, kCols), GridTooLarge);
  EXPECT_EQ(keptLargeBlockBytes(), kept);

  const ResultGrid grid(kRows, kCols);
  EXPECT_LT(keptLargeBlockBytes(), kept);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c)
      if (!grid.isEmpty(r, c) || grid.backColor(r, c) != 0 || grid.foreColor(r, c) != 0)
        FAIL() << "cell " << r << ", " << c << " holds what the grid before wrote";
}

// Kept blocks that nothing takes go back to the kernel by themselves.
TEST_F(KeptBlocks, IdleBlocksGoBack) {
  setKeptLargeBlockIdleMs(20);
  { LargeArray<std::uint8_t> block(4 * kMB); }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (keptLargeBlockBytes() != 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(keptLargeBlockBytes(), 0u);
}

// What a chart frees on the heap (the draw file's bytes, the view's table of
// its rows) serves the next chart's blocks of that size without a fresh page.
TEST(FreedHeap, ServesTheNextChartWithoutFreshPages) {
  if (test::kUnderAddressSanitizer)
    GTEST_SKIP() << "AddressSanitizer's heap does not take malloc's settings";
  keepFreedHeapForNextCharts();
  constexpr std::size_t kBytes = 24 * kMB, kPages = kBytes / 4096;
  const auto minorFaults = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return std::size_t(usage.ru_minflt);
  };
  const auto writeBlock = [&] {
    auto *block = static_cast<volatile char *>(std::malloc(kBytes));
    ASSERT_NE(block, nullptr);
    for (std::size_t at = 0; at < kBytes; at += 4096)
      block[at] = 1;
    std::free(const_cast<char *>(block));
  };
  writeBlock();  // the first chart's block
  const std::size_t before = minorFaults();
  writeBlock();  // the next chart's
  EXPECT_LT(minorFaults() - before, kPages / 10);
}

// No memory of the program asks for huge pages: measured, a chart written
// in them after a pause took two to four times as long. A grid's blocks and
// the buffer a draw file is read into are the likeliest to.
TEST_F(KeptBlocks, NoMappingAsksForHugePages) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("Big.txt"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray lines;
    for (int i = 1; i <= 400000; ++i)
      lines += QByteArray::number(i) + " 1 2 3\r\n";  // 8 MB and more
    ASSERT_EQ(file.write(lines), lines.size());
  }
  EXPECT_EQ(readDrawHistory(path).draws.size(), 400000u);
  LargeArray<std::uint32_t> cells(16 * kMB / sizeof(std::uint32_t));
  std::fill(cells.begin(), cells.end(), 7u);

  QFile maps(QStringLiteral("/proc/self/smaps"));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly | QIODevice::Text));
  QByteArray mapping;
  for (const QByteArray &line : maps.readAll().split('\n')) {
    if (!line.isEmpty() && std::isxdigit(static_cast<unsigned char>(line[0])) && line.contains('-'))
      mapping = line;
    if (line.startsWith("VmFlags:")) {
      EXPECT_FALSE(line.split(' ').contains("hg")) << mapping.constData();
    }
  }
}
