#pragma once
// The classes of a digit 0 to 9 that the classification charts count:
// big (5 to 9) or small (0 to 4), odd or even, prime (1, 2, 3, 5, 7) or
// composite (0, 4, 6, 8, 9), and its 012 route (the digit modulo 3).
#include <cstddef>
#include <string_view>

namespace corvessa::charts {

constexpr bool isBigDigit(int d) { return d > 4; }
constexpr bool isOddDigit(int d) { return d % 2 != 0; }
constexpr bool isPrimeDigit(int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7; }
constexpr int digitRoute(int d) { return d % 3; }
constexpr bool isEvenDigit(int d) { return !isOddDigit(d); }

// A class that the shape charts letter position by position: the letter of
// a digit in the class and of one outside it.
struct DigitClass {
  bool (*holds)(int digit);
  char inClass, otherwise;
  // The letter as a text, for the grid to intern.
  constexpr std::string_view letter(bool in) const { return {in ? &inClass : &otherwise, 1}; }
};
inline constexpr DigitClass kEvenOdd{isEvenDigit, 'E', 'O'};
inline constexpr DigitClass kBigSmall{isBigDigit, 'B', 'S'};
inline constexpr DigitClass kPrimeComposite{isPrimeDigit, 'P', 'C'};

// Texts of digits as the tables of groups, tickets and pairs write them, and
// as the markings read them back from the headers.
constexpr bool isDigitChar(char ch) { return ch >= '0' && ch <= '9'; }
// Digits, each named once, in any order: a digit group ("036925").
constexpr bool areDifferentDigits(std::string_view text) {
  unsigned seen = 0;
  for (char ch : text) {
    if (!isDigitChar(ch) || seen & 1u << (ch - '0'))
      return false;
    seen |= 1u << (ch - '0');
  }
  return !text.empty();
}
// Digits in ascending order, repeats kept: a box number as a sorted key ("055").
constexpr bool areAscendingDigits(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!isDigitChar(text[i]) || (i > 0 && text[i] < text[i - 1]))
      return false;
  return !text.empty();
}

}  // namespace corvessa::charts
