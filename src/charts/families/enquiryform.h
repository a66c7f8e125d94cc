#pragma once
// The number enquiries: the user types or pastes numbers into the input box
// under the grid and presses "Enquire". Every group of three digits becomes
// a column of its own from column 5 on, marked "***" on the draws it equals,
// then a "Gather" column marked on the draws that equal any of them, the
// miss counts between the marks and the statistics under the draws. Each
// enquiry rebuilds these columns from the text as it stands. A member is its
// description: tools/others/<window>.cpp returns enquiryTool({...}).
#include "charts/framework/tool.h"

namespace corvessa::charts {

// What column 4 holds for a draw, and so what an entry is compared with.
enum class EnquiryKey {
  DrawNumber,    // H, T and U in draw order: the straight number
  SortedDigits,  // the digits sorted ascending, repeats kept ("055" for 5 0 5)
};

struct EnquiryForm {
  ToolIdentity id;           // the title is the caption (titledWindow), after the load and each enquiry
  const char *frameCaption;
  EnquiryKey key;
  int maxEntries;            // more numbers than this are refused
  const char *noEntryMessage;
  const char *tooManyMessage;  // names maxEntries, or the tool is refused when it is registered
  // "Enquire" stands at 240, 2160 in the frame, 1215 x 375 twips.
  TwipsRect helpPlace, exitPlace;
};

ToolEntry enquiryTool(const EnquiryForm &form);

}  // namespace corvessa::charts
