// "Box Number Enquire": box numbers typed or pasted by the user, each found
// where a draw's digits sorted ascending read as the number typed; at most
// 70. A number is compared as typed: 055 finds 5 0 5, 505 finds nothing.
#include "tools/others/tools.h"

#include "charts/families/enquiryform.h"

namespace corvessa::tools {

ToolEntry frmzuxuanhaocx() {
  return charts::enquiryTool(
      {.id = titledWindow("frmzuxuanhaocx", "Box Number Enquire", "\\help\\Box_Number_Enquire.htm"),
       .frameCaption = "Please enter the Box Number you want to enquire.(You can paste.)",
       .key = charts::EnquiryKey::SortedDigits,
       .maxEntries = 70,
       .noEntryMessage = "You did not enter the Box Number!",
       .tooManyMessage = "The Box Number you want to enquire cannot be more than 70 Tickets!",
       .helpPlace = {1560, 2160, 1215, 375},
       .exitPlace = {2880, 2160, 1215, 375}});
}

}  // namespace corvessa::tools
