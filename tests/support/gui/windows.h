#pragma once
// Ends a window test: the main window and every other top-level window are
// destroyed, so the next test starts with none.
namespace corvessa::test {
void destroyAllWindows();
}
