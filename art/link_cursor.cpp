#include "art/link_cursor.h"

#include "art/art_drawing.h"

#include <QPixmap>

namespace dishwright {

QCursor linkCursor() {
  return QCursor(QPixmap(QStringLiteral(":/art/hand_cursor.png")), kCursorHotX, kCursorHotY);
}

} // namespace dishwright
