#include "screen_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace dishwright {

void useScreenStyle() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows"))); }

} // namespace dishwright
