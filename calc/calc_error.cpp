#include "calc_error.h"

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

} // namespace dishwright
