// What a call throws, for the tests of refusals: the message of the InputError
// it throws, or the kind of its CalcError; nothing when it returns. Any other
// exception passes through and fails the test on its own.
#pragma once

#include "calc/common/input_error.h"
#include "calc/screen_rules/calc_error.h"

#include <functional>
#include <optional>
#include <string>

namespace dishwright {

inline std::optional<std::string> inputErrorOf(const std::function<void()> &run) {
  try {
    run();
  } catch (const InputError &e) {
    return e.what();
  }
  return std::nullopt;
}

inline std::optional<ErrorKind> calcErrorOf(const std::function<void()> &run) {
  try {
    run();
  } catch (const CalcError &e) {
    return e.kind();
  }
  return std::nullopt;
}

} // namespace dishwright
