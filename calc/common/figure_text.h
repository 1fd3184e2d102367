// Texts of the figures the builder's tools print: double-precision results with a
// fixed number of significant digits, the same in every locale. Every front end
// formats its figures here (the screens' single-precision rule is singleToText).
#pragma once

#include <string>

namespace dishwright {

// Significant digits by what a figure is for.
inline constexpr int kMeasuredDigits = 5; // what a tape measure and a ruler give
inline constexpr int kSketchDigits = 3;   // labels on a drawing
inline constexpr int kTemplateDigits = 6; // a template's figures, cut to 0.1 mm
inline constexpr int kFdDigits = 4;       // as many as a typed f/D ever has

// `value` rounded to `significant` digits (1 to 17), trailing zeros kept so that
// every printed figure carries the same precision: 480 gives "480.000",
// 0.41667 gives "0.416670". Magnitudes from 1e-5 up to but excluding 1e9 are
// written plainly, others in exponent notation ("1.23457e+09"); zero is "0".
// Always "." as the decimal point, whatever the locale.
std::string figureText(double value, int significant = kTemplateDigits);

// The same without trailing zeros, for a figure inside a sentence: "2000",
// "2305.8", "1e+308".
std::string plainFigureText(double value, int significant = kMeasuredDigits);

// The shortest text that reads back as `value` itself: "0.73", "2.4166666666666665"
// (29 / 12). For a figure handed on to a field unrounded. Always "." as the
// decimal point, whatever the locale.
std::string exactFigureText(double value);

// figureText in a front end's own string type (one with a static
// fromStdString, such as QString).
template <class String> String figureAs(double value, int significant = kTemplateDigits) {
  return String::fromStdString(figureText(value, significant));
}

} // namespace dishwright
