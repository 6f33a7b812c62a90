#pragma once
// Windows stay within the screen's available area (without panels and docks), so that no
// title bar, button or status line lies out of reach on a small screen.
#include <QSize>

class QWidget;

namespace kalo {

// The size the window may have at most: the available area of its screen less the frame
// that the window system adds around it.
QSize LargestWindowSize(const QWidget& window);

// Gives the window the size wanted, held to the largest size, and moves it so that it lies
// wholly within the available area.
void ResizeWithinScreen(QWidget& window, QSize wanted);

}  // namespace kalo
