#include "screens/screen_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace dishwright {

void useScreenStyle() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows"))); }

QPalette screenPalette() { return QApplication::style()->standardPalette(); }

} // namespace dishwright
