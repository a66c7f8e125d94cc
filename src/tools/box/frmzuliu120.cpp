// "6 Way Box Statistical": every box number of three different digits, one
// column each; every win is tallied by the draws its number had missed.
#include "tools/box/tools.h"

#include "charts/families/winningtickets.h"

#include <array>

namespace corvessa::tools {
namespace {

// The digits i < j < k, in ascending order: "012", "013", ..., "789".
constexpr auto kNumberTexts = [] {
  std::array<std::array<char, 3>, 120> texts{};
  std::size_t n = 0;
  for (char i = '0'; i <= '7'; ++i)
    for (char j = char(i + 1); j <= '8'; ++j)
      for (char k = char(j + 1); k <= '9'; ++k)
        texts[n++] = {i, j, k};
  return texts;
}();
constexpr auto kNumbers = [] {
  std::array<std::string_view, 120> numbers{};
  for (std::size_t n = 0; n < numbers.size(); ++n)
    numbers[n] = std::string_view(kNumberTexts[n].data(), 3);
  return numbers;
}();

}  // namespace

// Its "Help" button opens nothing.
ToolEntry frmzuliu120() {
  return charts::winningTicketTool({.id = titledWindow("frmzuliu120", "6 Way Box Statistical"), .tickets = kNumbers});
}

}  // namespace corvessa::tools
