#pragma once

class QWidget;

// A dialog's geometry kept between runs under "<class name>/geometry" in the window store.
void restoreWindowGeometry(QWidget* window);
void saveWindowGeometry(const QWidget* window);
