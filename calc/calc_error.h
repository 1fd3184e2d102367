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

private:
  ErrorKind kind_;
};

} // namespace dishwright
