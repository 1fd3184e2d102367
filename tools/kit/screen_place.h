// Where a window remembered from an earlier run goes now: screens come and go
// (a laptop leaves its second monitor behind), and a window placed off every
// screen there is now could never be reached.
#pragma once

#include <QList>
#include <QRect>

namespace dishwright {

// The least of a window that must lie on a screen to be grabbed and moved, px.
constexpr int kReachableSidePx = 48;

// `saved` where it was when at least a kReachableSidePx square of it lies on one
// of `screens` (their available areas, the first the primary); otherwise moved
// onto the primary one, its size cut to fit, to the nearest place where it
// shows whole.
QRect placedOnScreen(const QRect &saved, const QList<QRect> &screens);

} // namespace dishwright
