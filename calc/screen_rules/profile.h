// Profile listings: rows "X....Y" of radius X and depth Y of the dish surface.
#pragma once

#include "calc/screen_rules/design_values.h"
#include "calc/screen_rules/field_sink.h"

#include <vector>

namespace dishwright {

// Print listings whose single counter would stop advancing (adding the step no
// longer changes it) are refused with an overflow error before any row.
constexpr float kImperialPrintBound = 16777216.0f; // 2^24, step 1 inch
constexpr float kMetricPrintBound = 33554432.0f;   // 2^25, step 2 cm

// Calculation-screen listings, appended after the figures. X is a 32-bit whole
// number: 1, 2, 3, ... inches up to round(dia x 6), or 1, 3, 5, ... cm up to
// round(dia x 50), halves to even. Stores focin/depin (imperial) or foccm/depcm
// (metric) for every row. Throws CalcError (X x X beyond 32 bits is an overflow).
void listImperialProfile(DesignValues &values, FieldSink &sink);
void listMetricProfile(DesignValues &values, FieldSink &sink);

// Print-screen listings: the same depths, X counted in the single xin (inches) or
// xcm (cm) from 1.0 while it is at most the single limit dia x 6 or dia x 50.
void listImperialPrint(DesignValues &values, FieldSink &sink);
void listMetricPrint(DesignValues &values, FieldSink &sink);

// The rows of one of the four listings as numbers, for a spreadsheet: X and the
// depth Y, both inches (imperial) or cm (metric), exactly as the rows show them
// (their texts are singleToText of each). Works on a copy of `values`; throws
// CalcError as the listing does.
enum class Listing { ImperialScreen, MetricScreen, ImperialPrint, MetricPrint };
struct ProfilePoint {
  float x = 0;     // radius, inches or cm
  float depth = 0; // depth at that radius, same unit
};
std::vector<ProfilePoint> profilePoints(DesignValues values, Listing listing);

} // namespace dishwright
