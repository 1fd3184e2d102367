// Printing a screen: an image of its client area as displayed.
#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace dishwright {

// The system's default printer, or nullptr when none is installed.
std::unique_ptr<QPrinter> defaultPrinter();

// Draws the window's client area on one page at its physical size (a pixel is
// 1/96 inch), rendered at the printer's resolution so that text and lines
// stay sharp. Returns "" on success, else the reason it failed.
QString printWindow(QWidget &window, QPrinter &printer);

} // namespace dishwright
