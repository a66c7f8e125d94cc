// "Straight Number Enquire": straight numbers typed or pasted by the user,
// each found where a draw has its digits in the same order; at most 400.
#include "tools/others/tools.h"

#include "charts/families/enquiryform.h"

namespace corvessa::tools {

ToolEntry frmzhixuanhaocx() {
  return charts::enquiryTool(
      {.id = titledWindow("frmzhixuanhaocx", "Straight Number Enquire", "\\help\\Straight_Number_Enquire.htm"),
       .frameCaption = "Please enter the Straight Number you want to enquire.(You can paste.)",
       .key = charts::EnquiryKey::DrawNumber,
       .maxEntries = 400,
       .noEntryMessage = "You did not enter the Straight Number!",
       .tooManyMessage = "The Straight Number you want to enquire cannot be more than 400 Tickets.!",
       .helpPlace = {1560, 2160, 1095, 375},
       .exitPlace = {2760, 2160, 1095, 375}});
}

}  // namespace corvessa::tools
