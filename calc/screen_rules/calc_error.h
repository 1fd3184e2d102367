// Failure kinds of the antenna calculations.
#pragma once

#include <stdexcept>
#include <string>

namespace dishwright {

enum class ErrorKind { TypeMismatch, Overflow, DivisionByZero, InvalidArgument };

// Lower-case name of the kind: "type mismatch", "overflow", "division by zero",
// "invalid argument".
const char *kindName(ErrorKind kind);

// The one error a calculation raises. It stops the running step at once; what was
// written before it stays written.
class CalcError : public std::runtime_error {
public:
  explicit CalcError(ErrorKind kind);
  ErrorKind kind() const { return kind_; }

  // What failed, in words, or "" when nothing was added. A field that could not be
  // read: `the diameter "abc" is not a number` (`readingField()` is true). A step
  // of the arithmetic: `while working out the mesh size: the frequency is 0 MHz`.
  const std::string &detail() const { return detail_; }
  bool readingField() const { return reading_; }

  // The same failure, named as one of reading a field, or of working something out.
  // A failure that already says what it is keeps its words.
  CalcError whileReading(std::string detail) const;
  CalcError whileWorkingOut(const std::string &activity, const std::string &inputs) const;

private:
  ErrorKind kind_;
  std::string detail_;
  bool reading_ = false;
};

} // namespace dishwright
