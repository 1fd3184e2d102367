#include "tools/kit/screen_place.h"

#include <algorithm>

namespace dishwright {

QRect placedOnScreen(const QRect &saved, const QList<QRect> &screens) {
  if (screens.isEmpty())
    return saved;
  for (const QRect &screen : screens) {
    const QRect shared = screen.intersected(saved);
    if (shared.width() >= kReachableSidePx && shared.height() >= kReachableSidePx)
      return saved;
  }
  const QRect &primary = screens.front();
  QRect placed(saved.topLeft(), saved.size().boundedTo(primary.size()));
  placed.moveLeft(std::clamp(saved.left(), primary.left(), primary.right() + 1 - placed.width()));
  placed.moveTop(std::clamp(saved.top(), primary.top(), primary.bottom() + 1 - placed.height()));
  return placed;
}

} // namespace dishwright
