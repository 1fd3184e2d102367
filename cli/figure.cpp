#include "cli/figure.h"

#include "calc/common/figure_text.h"

#include <cctype>

namespace dishwright {

Figure Figure::number(std::string key, double value, FigureUnit unit, int digits) {
  return shown(std::move(key), figureText(value, digits), unit);
}

Figure Figure::shown(std::string key, std::string_view text, FigureUnit unit) {
  Figure f;
  f.key = std::move(key);
  f.text = text;
  f.unit = unit;
  return f;
}

Figure Figure::count(std::string key, long long value) {
  Figure f = shown(std::move(key), std::to_string(value), kNoUnit);
  f.kind = Kind::Count;
  return f;
}

Figure Figure::words(std::string key, std::string_view text) {
  Figure f = shown(std::move(key), text, kNoUnit);
  f.kind = Kind::Words;
  return f;
}

Figure Figure::none(std::string key, std::string_view text, FigureUnit unit) {
  Figure f = shown(std::move(key), text, unit);
  f.kind = Kind::None;
  f.unitShown = false;
  return f;
}

std::string Figure::textShown() const {
  std::string shownText = text;
  if (unitShown && !unit.none())
    shownText.append(" ").append(unit.word);
  if (bound == Bound::AtMost)
    shownText += " or below";
  else if (bound == Bound::AtLeast)
    shownText += " or above";
  return shownText;
}

std::string keyOfLabel(std::string_view label) {
  std::string key;
  bool gap = false;
  for (const char c : label) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/')
      continue;
    if (std::isalnum(byte) == 0) {
      gap = !key.empty();
      continue;
    }
    if (gap)
      key += '_';
    gap = false;
    key += static_cast<char>(std::tolower(byte));
  }
  return key;
}

} // namespace dishwright
