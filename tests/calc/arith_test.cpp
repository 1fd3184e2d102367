#include "calc/screen_rules/arith.h"
#include "calc/screen_rules/calc_error.h"

#include "tests/calc/thrown.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>

namespace dishwright {
namespace {

// Runs `steps` on a fresh status and returns the kind its failure raises, or
// nothing when every step passes.
std::optional<ErrorKind> failureOf(const std::function<void(Arith &)> &steps) {
  return calcErrorOf([&] {
    Arith a;
    steps(a);
    a.test();
  });
}

TEST(Arith, FailureKinds) {
  EXPECT_EQ(failureOf([](Arith &a) { a.div(1, 0); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(failureOf([](Arith &a) { a.div(-1, -0.0); }), ErrorKind::DivisionByZero);
  EXPECT_EQ(failureOf([](Arith &a) { a.div(0, 0); }), ErrorKind::Overflow);
  EXPECT_EQ(failureOf([](Arith &a) { a.mul(1e200, 1e200); }), ErrorKind::Overflow);
  EXPECT_EQ(failureOf([](Arith &a) { a.sub(a.div(1, 1e-320), a.div(1, 1e-320)); }),
            ErrorKind::Overflow);
  EXPECT_EQ(failureOf([](Arith &a) { a.ln(0); }), ErrorKind::InvalidArgument);
  EXPECT_EQ(failureOf([](Arith &a) { a.ln(-1); }), ErrorKind::InvalidArgument);
  EXPECT_EQ(failureOf([](Arith &a) { a.sqrt(-1e-300); }), ErrorKind::InvalidArgument);
}

TEST(Arith, NotFailures) {
  EXPECT_EQ(failureOf([](Arith &a) { a.sqrt(0); }), std::nullopt);
  EXPECT_EQ(failureOf([](Arith &a) { a.store(1e-50); }), std::nullopt);     // underflow
  EXPECT_EQ(failureOf([](Arith &a) { a.div(1, 3); }), std::nullopt);        // inexact
  EXPECT_EQ(failureOf([](Arith &a) { a.mul(HUGE_VAL, 2); }), std::nullopt); // already infinite
}

TEST(Arith, StoringBeyondSingleOverflows) {
  Arith a;
  EXPECT_EQ(a.store(FLT_MAX), FLT_MAX);
  EXPECT_EQ(a.store(0x1.fffffefffffffp127), FLT_MAX); // rounds down to the largest single
  EXPECT_NO_THROW(a.test());
  EXPECT_EQ(a.store(0x1.ffffffp127), HUGE_VALF); // halfway: to even, which is infinity
  EXPECT_THROW(a.test(), CalcError);
  EXPECT_EQ(a.store(-1e39), -HUGE_VALF);
  EXPECT_THROW(a.test(), CalcError);
}

TEST(Arith, TestClearsTheStatus) {
  Arith a;
  a.div(1, 0);
  EXPECT_THROW(a.test(), CalcError);
  EXPECT_NO_THROW(a.test());
}

TEST(Arith, DivisionByZeroOutranksOverflow) {
  EXPECT_EQ(failureOf([](Arith &a) {
              a.mul(1e200, 1e200);
              a.div(1, 0);
            }),
            ErrorKind::DivisionByZero);
}

} // namespace
} // namespace dishwright
