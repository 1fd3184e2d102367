#include "calc/screen_rules/calc_error.h"

namespace dishwright {

const char *kindName(ErrorKind kind) {
  switch (kind) {
  case ErrorKind::TypeMismatch:
    return "type mismatch";
  case ErrorKind::Overflow:
    return "overflow";
  case ErrorKind::DivisionByZero:
    return "division by zero";
  case ErrorKind::InvalidArgument:
    return "invalid argument";
  }
  return "unknown";
}

CalcError::CalcError(ErrorKind kind) : std::runtime_error(kindName(kind)), kind_(kind) {}

CalcError CalcError::whileReading(std::string detail) const {
  CalcError e = *this;
  if (e.detail_.empty()) {
    e.detail_ = std::move(detail);
    e.reading_ = true;
  }
  return e;
}

CalcError CalcError::whileWorkingOut(const std::string &activity, const std::string &inputs) const {
  CalcError e = *this;
  if (e.detail_.empty())
    e.detail_ = "while working out " + activity + ": " + inputs;
  return e;
}

} // namespace dishwright
