// Numbers as the charts write them: the recommended digits are read from
// these texts, so every digit of them counts.
#include "core/numbertext.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace corvessa;

TEST(NumberText, FifteenSignificantDigitsWithoutTrailingZerosOrExponent) {
  struct Case {
    const char *what;
    double value;
    const char *text;
  };
  const Case cases[] = {
      // Whole numbers have no point.
      {"7", 7, "7"},
      {"22 / 11", 22.0 / 11, "2"},
      {"0", 0, "0"},
      {"minus zero", -0.0, "0"},
      {"a whole product", 40 * 0.1975 * 100, "790"},
      // Rounded to 15 significant digits, the last one rounded, not cut.
      {"20 / 9", 20.0 / 9, "2.22222222222222"},
      {"123 / 13", 123.0 / 13, "9.46153846153846"},
      {"5 / 12", 5.0 / 12, "0.416666666666667"},
      {"999 / 34", 999.0 / 34, "29.3823529411765"},
      {"(669 + 727) / 3.141", (669 + 727) / 3.141, "444.444444444444"},
      {"(721 + 727) / 3.141", (721 + 727) / 3.141, "460.999681630054"},
      {"(123 + 727) / 3.141", (123 + 727) / 3.141, "270.614453995543"},
      {"(0 + 727) / 3.141", 727 / 3.141, "231.454950652658"},
      {"sqrt(123) * 0.318", std::sqrt(123.0) * 0.318, "3.5267906090382"},
      {"sqrt(5) * 0.318", std::sqrt(5.0) * 0.318, "0.711069616844933"},
      {"sqrt(12) * 0.318", std::sqrt(12.0) * 0.318, "1.10158431361381"},
      {"sqrt(89) * 0.318", std::sqrt(89.0) * 0.318, "3.000005999994"},
      {"a value that rounds to a whole number", 2.9999999999999996, "3"},
      // Short values keep their digits and drop the binary noise.
      {"5 / 32", 5.0 / 32, "0.15625"},
      {"123 * 0.1975", 123 * 0.1975, "24.2925"},
      {"12 * 0.1975", 12 * 0.1975, "2.37"},
      {"999 * 0.1975", 999 * 0.1975, "197.3025"},
      {"123 * 0.618", 123 * 0.618, "76.014"},
      {"0.1 + 0.2", 0.1 + 0.2, "0.3"},
      // No exponent however large or small.
      {"1e20", 1e20, "100000000000000000000"},
      {"1e-7", 1e-7, "0.0000001"},
      {"123456789012345678", 123456789012345678.0, "123456789012346000"},
      {"-2.5", -2.5, "-2.5"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(numberText(c.value), c.text) << c.what;
}
