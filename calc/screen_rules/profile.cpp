#include "calc/screen_rules/profile.h"

#include "calc/common/units.h"
#include "calc/screen_rules/arith.h"
#include "calc/screen_rules/calc_error.h"
#include "calc/screen_rules/failure_words.h"
#include "calc/screen_rules/number_text.h"

#include <cstdint>
#include <string>

namespace dishwright {
namespace {

// The rows run from the centre to the rim: half the diameter.
constexpr double kRadiusPerDiameter = 0.5;
// z = r^2 / (4 f): the parabola's depth at radius r for focal length f.
constexpr double kParabolaFocalFactor = 4;

// What differs between the imperial and the metric listings.
struct ProfileUnits {
  double perDiameterUnit; // 12 inches a foot, 100 cm a metre
  bool imperial;          // depths in inches use the foot-based formula
  std::int32_t step;      // X step: 1 inch or 2 cm
  float printBound;
  float DesignValues::*focal;
  float DesignValues::*depth;
  float DesignValues::*counter; // of the print listing
};

constexpr ProfileUnits kImperial{
    kInchesPerFoot,    true, 1, kImperialPrintBound, &DesignValues::focin, &DesignValues::depin,
    &DesignValues::xin};
constexpr ProfileUnits kMetric{
    kCmPerMetre,       false, 2, kMetricPrintBound, &DesignValues::foccm, &DesignValues::depcm,
    &DesignValues::xcm};

std::int32_t checked(std::int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX)
    throw CalcError(ErrorKind::Overflow);
  return static_cast<std::int32_t>(value);
}

// focal <- (fd x dia) x 12 or x 100, stored and tested. It is stored before each
// row, inside the loop, not once before it: a listing without rows leaves the
// focal value of the previous listing as it was.
void storeFocal(Arith &a, const ProfileUnits &u, DesignValues &v) {
  v.*u.focal = a.store(a.mul(a.mul(v.fd, v.dia), u.perDiameterUnit));
  a.test();
}

// The divisor of X x X: (focin x 12) x 4 inches, or foccm x 4 cm.
double depthDivisor(Arith &a, const ProfileUnits &u, const DesignValues &v) {
  double focal = v.*u.focal;
  return u.imperial ? a.mul(a.mul(focal, kInchesPerFoot), kParabolaFocalFactor)
                    : a.mul(focal, kParabolaFocalFactor);
}

// depth <- X x X over the divisor (x 12 for inches), stored and tested, then
// rounded to three places.
void storeDepth(Arith &a, const ProfileUnits &u, DesignValues &v, double squared, double divisor) {
  double quotient = a.div(squared, divisor);
  // The imperial depth is divided by 12 in the divisor and multiplied by 12 here.
  // The two cancel on paper but not in floating point: the pair decides the last
  // bit of many depths, and so the third decimal of some rows. Keep both.
  v.*u.depth = a.store(u.imperial ? a.mul(quotient, kInchesPerFoot) : quotient);
  a.test();
  v.*u.depth = roundThreePlaces(v.*u.depth);
}

// (dia x 12 or x 100) x 0.5: the rim's radius in inches or cm, the rows' limit.
// Kept in double precision: the screens round it to a whole number, the print
// screens store it as a single.
double rimRadius(Arith &a, const ProfileUnits &u, const DesignValues &v) {
  double scaled = a.mul(v.dia, u.perDiameterUnit);
  a.test();
  double half = a.mul(scaled, kRadiusPerDiameter);
  a.test();
  return half;
}

// Which step of a listing is running, for the words of a failure.
struct ListingStep {
  enum { Limit, Focal, Depth } step = Limit;
  double x = 0; // the row's X
};

CalcError describe(const CalcError &e, const ListingStep &at, const ProfileUnits &u,
                   const DesignValues &v) {
  const bool metric = !u.imperial;
  if (at.step == ListingStep::Limit)
    return e.whileWorkingOut("the number of profile rows", diameterWords(v.dia, metric));
  std::string activity = "the focal length";
  if (at.step == ListingStep::Depth)
    activity =
        "the depth at X = " + singleToText(static_cast<float>(at.x)) + (metric ? " cm" : " inches");
  return e.whileWorkingOut(activity, fdWords(v.fd) + " and " + diameterWords(v.dia, metric));
}

// Each listing hands its rows to `row(x, depth)`: the screens' text rows, or the
// numbers for a spreadsheet; the steps are the same either way.
template <class Row> void listProfile(const ProfileUnits &u, DesignValues &v, Row &&row) {
  Arith a;
  ListingStep at;
  try {
    const double half = rimRadius(a, u, v);
    const std::int32_t limit = wholeNumber(half);
    for (std::int32_t x = 1; x <= limit; x = checked(std::int64_t{x} + u.step)) {
      at = {ListingStep::Focal, double(x)};
      storeFocal(a, u, v);
      at.step = ListingStep::Depth;
      std::int32_t squared = checked(std::int64_t{x} * x);
      double divisor = depthDivisor(a, u, v);
      a.test();
      storeDepth(a, u, v, squared, divisor);
      row(x, v.*u.depth);
    }
  } catch (const CalcError &e) {
    throw describe(e, at, u, v);
  }
}

template <class Row> void listPrint(const ProfileUnits &u, DesignValues &v, Row &&row) {
  Arith a;
  ListingStep at;
  try {
    const double half = rimRadius(a, u, v);
    const float limit = a.store(half);
    a.test();
    if (limit >= u.printBound)
      throw CalcError(ErrorKind::Overflow);
    float &x = v.*u.counter;
    for (x = 1.0f; x <= limit;) {
      at = {ListingStep::Focal, x};
      storeFocal(a, u, v);
      at.step = ListingStep::Depth;
      double squared = a.mul(x, x);
      storeDepth(a, u, v, squared, depthDivisor(a, u, v));
      row(x, v.*u.depth);
      x = a.store(a.add(x, u.step));
      a.test();
    }
  } catch (const CalcError &e) {
    throw describe(e, at, u, v);
  }
}

// "X....Y" rows into a sink, the row text built in one buffer: long listings
// format millions of numbers.
class RowText {
public:
  explicit RowText(FieldSink &sink) : sink_(sink) {}
  void operator()(std::int32_t x, float depth) {
    row_.assign(intToText(x)).append("....");
    appendSingleText(row_, depth);
    sink_.appendRow(row_);
  }
  void operator()(float x, float depth) {
    row_.clear();
    appendSingleText(row_, x);
    row_.append("....");
    appendSingleText(row_, depth);
    sink_.appendRow(row_);
  }

private:
  FieldSink &sink_;
  std::string row_;
};

} // namespace

void listImperialProfile(DesignValues &values, FieldSink &sink) {
  listProfile(kImperial, values, RowText(sink));
}
void listMetricProfile(DesignValues &values, FieldSink &sink) {
  listProfile(kMetric, values, RowText(sink));
}
void listImperialPrint(DesignValues &values, FieldSink &sink) {
  listPrint(kImperial, values, RowText(sink));
}
void listMetricPrint(DesignValues &values, FieldSink &sink) {
  listPrint(kMetric, values, RowText(sink));
}

std::vector<ProfilePoint> profilePoints(DesignValues values, Listing listing) {
  std::vector<ProfilePoint> points;
  const auto keep = [&points](auto x, float depth) {
    points.push_back({static_cast<float>(x), depth});
  };
  switch (listing) {
  case Listing::ImperialScreen:
    listProfile(kImperial, values, keep);
    break;
  case Listing::MetricScreen:
    listProfile(kMetric, values, keep);
    break;
  case Listing::ImperialPrint:
    listPrint(kImperial, values, keep);
    break;
  case Listing::MetricPrint:
    listPrint(kMetric, values, keep);
    break;
  }
  return points;
}

} // namespace dishwright
