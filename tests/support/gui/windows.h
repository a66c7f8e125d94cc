#pragma once
// Window test helpers: ending a test with no window left, and the mouse on a
// tool window's grid as a user moves it.
class QColor;
class QWidget;
class QScrollBar;
class QStyleOptionSlider;

namespace corvessa {
class ToolWindow;
}

namespace corvessa::test {

// Waits until the window is on the screen and has said what it says then
// (what its load found); false when it never showed.
bool waitUntilOnScreen(QWidget *window);

// Ends a window test: the main window and every other top-level window are
// destroyed, so the next test starts with none.
void destroyAllWindows();

// Scrolls grid cell (row, col) into view and presses and releases the left
// button on it; row 0 and column 0 are the grid's headers.
void pressCell(ToolWindow *window, int row, int col);

// The same for a double-click, as the system sends it: press, release,
// double-click, release. Row 0 and column 0 are clicked in the headers too.
void doubleClickCell(ToolWindow *window, int row, int col);

// Presses the cell twice: the first press shows it in the highlight, the
// second clears it to the grid's colour, its own colour gone for good; its
// text stays through both.
void expectPressTogglesHighlight(ToolWindow *window, int row, int col, const QColor &highlight);

// A scroll bar's state as its style sees it, to find where its arrows, page
// areas and thumb lie.
QStyleOptionSlider scrollBarOption(QScrollBar *bar);

}  // namespace corvessa::test
