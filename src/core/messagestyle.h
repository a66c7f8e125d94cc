#pragma once
// The message box styles the windows use; core handlers name them too.

namespace corvessa {

enum class MessageStyle {
  YesNo = 4,          // Yes and No, no icon
  YesNoWarning = 52,  // Yes and No, exclamation icon
  OkWarning = 48,     // OK, exclamation icon
  OkInformation = 64, // OK, information icon
};

}  // namespace corvessa
