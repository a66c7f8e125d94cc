#include "gui/widgetdesign.h"

#include "gui/platform/platform.h"

#include <QLabel>
#include <QPushButton>

namespace corvessa {

void placeTwips(QWidget *widget, int left, int top, int width, int height) {
  widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void setClientSizeTwips(QWidget *window, int width, int height) {
  window->resize(twipsToPixels(width), twipsToPixels(height));
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                        int height) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(name);
  placeTwips(button, left, top, width, height);
  return button;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                  int height) {
  auto *label = new QLabel(caption, parent);
  label->setObjectName(name);
  // Labels show lottery names and paths: as typed, never as markup.
  label->setTextFormat(Qt::PlainText);
  if (width > 0 && height > 0) {
    placeTwips(label, left, top, width, height);
  } else {
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->adjustSize();
  }
  return label;
}

}  // namespace corvessa
