#include "core/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace corvessa {

std::string numberText(double value) {
  if (value == 0 || !std::isfinite(value))
    return "0";
  // The 15 significant digits, correctly rounded, and the power of ten of the first.
  char buf[40];
  const char *end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
  const std::string_view text(buf, std::size_t(end - buf));
  const std::size_t e = text.find('e');
  const bool negative = text[0] == '-';
  std::string digits;
  for (char ch : text.substr(0, e))
    if (ch >= '0' && ch <= '9')
      digits.push_back(ch);
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent < 0) {
    out += "0.";
    out.append(std::size_t(-exponent - 1), '0');
    out += digits;
  } else if (std::size_t(exponent) + 1 >= digits.size()) {
    out += digits;
    out.append(std::size_t(exponent) + 1 - digits.size(), '0');
  } else {
    out += digits.substr(0, std::size_t(exponent) + 1);
    out += '.';
    out += digits.substr(std::size_t(exponent) + 1);
  }
  return out;
}

}  // namespace corvessa
