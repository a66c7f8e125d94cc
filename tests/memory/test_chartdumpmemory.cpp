// The chart dumper when memory is short. This program replaces the global
// operator new, so that a test can refuse every block of the C++ library
// beyond a size: a dump built whole as one text needs a block as large as
// the chart's text, one written as it goes only a row's.
#include "chartdump/commandline.h"
#include "charts/framework/chartdump.h"
#include "support/core/chartcells.h"
#include "support/core/sanitizer.h"
#include "support/core/testhome.h"
#include "tools/menus.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>
#include <streambuf>

// AddressSanitizer brings its own operator new, which cannot be replaced beside it.
#define CORVESSA_OWN_NEW (!CORVESSA_UNDER_ASAN)

namespace {
std::atomic<std::size_t> largestBlock{0};  // 0: any size
}

#if CORVESSA_OWN_NEW
void *operator new(std::size_t size) {
  const std::size_t largest = largestBlock.load(std::memory_order_relaxed);
  if (largest != 0 && size > largest)
    throw std::bad_alloc();
  if (void *block = std::malloc(size == 0 ? 1 : size))
    return block;
  throw std::bad_alloc();
}
void *operator new[](std::size_t size) { return operator new(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc &) {
    return nullptr;
  }
}
void *operator new[](std::size_t size, const std::nothrow_t &tag) noexcept { return operator new(size, tag); }
void operator delete(void *block) noexcept { std::free(block); }
void operator delete[](void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t) noexcept { std::free(block); }
#endif

using namespace corvessa;

namespace {

// Blocks of the C++ library larger than `bytes` fail while it lives.
class LargestBlock {
 public:
  explicit LargestBlock(std::size_t bytes) { largestBlock = bytes; }
  ~LargestBlock() { largestBlock = 0; }
  LargestBlock(const LargestBlock &) = delete;
  LargestBlock &operator=(const LargestBlock &) = delete;
};

// An output that keeps nothing: it compares what it is given with the text
// expected, byte by byte, and counts it.
class Comparing final : public std::streambuf {
 public:
  explicit Comparing(const std::string &expected) : expected_(expected) {}
  bool sameSoFar() const { return same_; }
  std::size_t count() const { return count_; }

 protected:
  std::streamsize xsputn(const char *data, std::streamsize n) override {
    for (std::streamsize i = 0; i < n; ++i)
      put(data[i]);
    return n;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof()))
      put(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }

 private:
  void put(char c) {
    same_ = same_ && count_ < expected_.size() && expected_[count_] == c;
    ++count_;
  }
  const std::string &expected_;
  std::size_t count_ = 0;
  bool same_ = true;
};

}  // namespace

TEST(ChartDumpMemory, ADumpIsWrittenAsItGoes) {
  if (!CORVESSA_OWN_NEW)
    GTEST_SKIP() << "operator new cannot be replaced under AddressSanitizer";
  test::TestHome home;
  std::vector<std::string> draws;
  for (int i = 0; i < 50000; ++i)
    draws.push_back(std::to_string(i % 1000 + 1000).substr(1));
  const QString file = home.writeLottery("Big", test::drawFile(draws));
  const std::string expected =
      charts::chartDumpText(computeChart(test::registeredTool("frmzuxuan1"), readDrawHistory(file)), true);
  ASSERT_GT(expected.size(), std::size_t(3) << 20);

  Comparing compared(expected);
  std::ostream out(&compared);
  std::ostringstream err;
  const ToolRegistry &tools = toolRegistry();
  const std::vector<std::string> arguments = {"--colors", "frmzuxuan1", file.toStdString()};
  int status = -1;
  {
    LargestBlock twoMegabytes(std::size_t(2) << 20);
    status = runChartDump(tools, arguments, out, err);
  }
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_TRUE(compared.sameSoFar());
  EXPECT_EQ(compared.count(), expected.size());
}

TEST(ChartDumpMemory, MemoryRunningOutIsToldWithAStatusOfItsOwn) {
  if (!CORVESSA_OWN_NEW)
    GTEST_SKIP() << "operator new cannot be replaced under AddressSanitizer";
  test::TestHome home;
  const QString file = home.writeLottery("Small", "1 1 2 3\r\n2 4 5 6\r\n");
  std::ostringstream out;
  // Room made beforehand: the message needs no memory, as on the standard error.
  std::ostringstream err(std::string(1024, '\0'));
  const ToolRegistry &tools = toolRegistry();
  const std::vector<std::string> arguments = {"frmzuxuan1", file.toStdString()};
  int status = -1;
  {
    LargestBlock tiny(64);  // the draws are read; hardly anything more is made
    status = runChartDump(tools, arguments, out, err);
  }
  EXPECT_EQ(status, 3);
  EXPECT_EQ(err.str().substr(0, std::size_t(err.tellp())),
            "corvessa-chart: there is not enough memory to make or write the chart of frmzuxuan1 for " +
                file.toStdString() + "\n");
}
