#pragma once
// Charts of registered tools on small histories, and their cells: as texts,
// as the marks a test looks for, and as the chart dumper prints them with
// colours.
#include "charts/framework/tool.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace corvessa::test {

// ---- draw files ----

// A draw file of draws given as "2 9 4" lines, labelled firstLabel,
// firstLabel + 1, ... in order; each text goes into the file as it is.
QByteArray history(const QStringList &draws, int firstLabel = 1);

// A draw file of draws given as "294", labelled 1, 2, ... in order.
QByteArray drawFile(const std::vector<std::string> &draws);

// A draw file of `count` draws labelled 1, 2, ..., each draw the label's
// last three figures backwards (label 125 is 5 2 1), so the digits vary: for
// tests that need a history of some length, not particular draws.
QByteArray draws(int count);

// The numbers "000" to "999" in ascending order.
std::vector<std::string> everyNumber();

// The fixture history that holds every number from 000 to 999 once, in an
// order of its own (the one the goldens are taken on).
DrawHistory everyNumberOnce();

// ---- charts ----

// The registered tool; throws std::invalid_argument when there is none.
const ToolEntry &registeredTool(const char *window);

// The caption of the menu item that opens the window, "<no menu item>" when
// no menu item does.
QString menuCaption(const char *window);

// The tool's chart on a draw file, loaded with this game type.
ResultGrid chart(const char *window, const QByteArray &file, int gameType = 0);

// The tool's chart on draws given as "941", labelled 1, 2, ... in order.
ResultGrid chartOfDraws(const char *window, const std::vector<std::string> &draws);

// ---- cells ----

// The texts of a row's columns first..last.
QStringList cellTexts(const ResultGrid &grid, int row, int first, int last);

// The same texts joined with blanks.
QString rowTexts(const ResultGrid &grid, int row, int first, int last);

// The non-empty cells of a row's columns first..last, as "column=text".
QStringList written(const ResultGrid &grid, int row, int first, int last);

// The one non-empty cell of a row's columns first..last, checked to be alone
// and of the back colour, every other cell empty and in the grid's colour;
// -1 when there is none.
int markedCol(const ResultGrid &grid, int row, int first, int last, Rgb back);

// Checks the widths of these columns, given as {column, twips}.
void expectWidths(const ResultGrid &grid, std::initializer_list<std::pair<int, int>> widths);

// Every grid row's cells as `corvessa-chart --colors` prints them: the text,
// then "{f=.. b=..}" where the cell has colours of its own.
std::vector<std::vector<std::string>> dumpedCells(const ResultGrid &grid);

}  // namespace corvessa::test
