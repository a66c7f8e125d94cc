#pragma once
// Numbers written as text the way the charts show them and read their digits
// back from them.
#include <string>

namespace corvessa {

// A whole number in decimal without a point ("7", "13"); any other number in
// decimal rounded to 15 significant digits, without trailing zeros and
// without an exponent ("9.46153846153846", "0.15625"). The digits a chart
// takes from a quotient depend on exactly these 15 digits.
std::string numberText(double value);

}  // namespace corvessa
