#pragma once
// The family of digit-class sum charts: the three digits of every draw split
// into two classes (odd and even, small and big, prime and composite), the
// sum of the first class marked in a left block of columns at the column of
// its value, the sum of the second class in a right block. A member is its
// description: tools/others/<window>.cpp returns classSumTool({...}).
#include "charts/families/ownedtable.h"
#include "charts/framework/tool.h"

namespace corvessa::charts {

struct ClassSumForm {
  ToolIdentity id;                // the title is the caption: titledWindow
  bool (*firstClass)(int digit);  // the others are the second class
  // The narrow spacers and the separator between the blocks.
  OwnedTable<ColumnWidths> spacerWidths;
};

// The window: the label, H T U, three spacers, the first class's sums 0..27
// in columns 7..34, a separator, the second class's sums from column 36 on,
// as far as three of its largest digit reach; the hidden Command1 emptying
// cells 0..5 of the spare row, "Exit" and "Help". The columns of the sums
// that the digits of a draw in a class cannot make are nearly hidden. The
// classes alone say where the right block ends and which sums are hidden.
ToolEntry classSumTool(const ClassSumForm &form);

}  // namespace corvessa::charts
