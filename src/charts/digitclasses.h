#pragma once
// The classes of a digit 0 to 9 that the classification charts count:
// big (5 to 9) or small (0 to 4), odd or even, prime (1, 2, 3, 5, 7) or
// composite (0, 4, 6, 8, 9), and its 012 route (the digit modulo 3).
namespace corvessa::charts {

constexpr bool isBigDigit(int d) { return d > 4; }
constexpr bool isOddDigit(int d) { return d % 2 != 0; }
constexpr bool isPrimeDigit(int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7; }
constexpr int digitRoute(int d) { return d % 3; }

}  // namespace corvessa::charts
