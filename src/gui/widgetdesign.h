#pragma once
// Placing controls from designs given in twips.
#include <QString>

class QWidget;
class QPushButton;
class QLabel;

namespace corvessa {

inline constexpr const char *kVersionText = "v15.1";

void placeTwips(QWidget *widget, int left, int top, int width, int height);
void setClientSizeTwips(QWidget *window, int width, int height);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                        int height);
// A label at (left, top) showing plain text; with a width and height of 0 it
// is sized to its text.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width = 0,
                  int height = 0);

}  // namespace corvessa
