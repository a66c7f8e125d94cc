// "3 Way Box Statistical": every box number with exactly two equal digits,
// one column each; every win is tallied by the draws its number had missed.
#include "tools/three_way_box/tools.h"

#include "charts/families/winningtickets.h"

#include <array>

namespace corvessa::tools {
namespace {

// For each digit i from 0 to 8: i i j for every larger j, then i j j.
constexpr auto kNumberTexts = [] {
  std::array<std::array<char, 3>, 90> texts{};
  std::size_t n = 0;
  for (char i = '0'; i <= '8'; ++i) {
    for (char j = char(i + 1); j <= '9'; ++j)
      texts[n++] = {i, i, j};
    for (char j = char(i + 1); j <= '9'; ++j)
      texts[n++] = {i, j, j};
  }
  return texts;
}();
constexpr auto kNumbers = [] {
  std::array<std::string_view, 90> numbers{};
  for (std::size_t n = 0; n < numbers.size(); ++n)
    numbers[n] = std::string_view(kNumberTexts[n].data(), 3);
  return numbers;
}();

}  // namespace

// Its "Help" button opens nothing.
ToolEntry frmzusan90() {
  return charts::winningTicketTool({.id = titledWindow("frmzusan90", "3 Way Box Statistical"), .tickets = kNumbers});
}

}  // namespace corvessa::tools
