// Double-precision arithmetic with a status word, in the manner of an FPU: every
// operation records its IEEE exceptions, and test() raises the collected failure.
#pragma once

namespace dishwright {

class Arith {
public:
  double add(double a, double b) { return note(a + b, a, b, false); }
  double sub(double a, double b) { return note(a - b, a, b, false); }
  double mul(double a, double b) { return note(a * b, a, b, false); }
  double div(double a, double b) { return note(a / b, a, b, b == 0); }

  // Rounds to single for storing (ties to even); a finite value beyond the single
  // range is an overflow.
  float store(double value);

  // Natural logarithm and square root. Their unsuitable arguments (ln of zero or
  // less, root of less than zero) raise an invalid-argument error at once.
  double ln(double value);
  double sqrt(double value);

  // Raises the failure collected since the last test, if any, and clears it:
  // division by zero first, then overflow (invalid operations report as overflow).
  void test();

private:
  double note(double result, double a, double b, bool byZero);

  bool divisionByZero_ = false;
  bool overflow_ = false;
};

} // namespace dishwright
