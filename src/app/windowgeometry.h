#pragma once

class QWidget;

// A dialog's geometry kept between runs under "<class name>/geometry" in the window store. What comes back is
// fitted into the screen, as fitIntoScreen does.
void restoreWindowGeometry(QWidget* window);
void saveWindowGeometry(const QWidget* window);

// Keeps a window inside the available area of its screen: a form larger than a small screen is reduced to fit
// (down to its minimum size), and a window placed by a geometry from a larger screen is moved back onto it.
void fitIntoScreen(QWidget* window);
