#pragma once
class QWidget;

namespace corvessa {
class Platform;

// Shows the draw editor modal over `owner` ("Drawings").
void showDrawEditor(QWidget *owner, Platform &platform);

}  // namespace corvessa
