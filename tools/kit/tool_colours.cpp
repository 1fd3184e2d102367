#include "tools/kit/tool_colours.h"

namespace dishwright {

bool isDarkBase(const QPalette &palette) {
  return palette.color(QPalette::Base).lightnessF() < 0.5;
}

QColor errorColour(const QPalette &palette) {
  // Both exceed a 4.5:1 contrast on their own background (white / #303030).
  return palette.color(QPalette::Window).lightnessF() < 0.5 ? QColor(0xff, 0x8a, 0x80)
                                                            : QColor(0xb0, 0x00, 0x20);
}

QColor accentColour(const QPalette &palette) {
  return isDarkBase(palette) ? QColor(0xff, 0xa6, 0x4d) : QColor(0xc0, 0x4a, 0x00);
}

QColor curveColour(const QPalette &palette) {
  return isDarkBase(palette) ? QColor(0x7a, 0xb3, 0xff) : QColor(0x1a, 0x56, 0xb0);
}

QColor quietTextColour(const QPalette &palette) {
  const QColor text = palette.color(QPalette::WindowText), back = palette.color(QPalette::Window);
  const auto mix = [](int a, int b) { return (a * 6 + b * 4) / 10; };
  return QColor(mix(text.red(), back.red()), mix(text.green(), back.green()),
                mix(text.blue(), back.blue()));
}

QColor guideColour(const QPalette &palette) {
  QColor colour = palette.color(QPalette::Text);
  colour.setAlphaF(0.5);
  return colour;
}

} // namespace dishwright
