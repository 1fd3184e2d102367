// How the builder's calculations refuse their input: with what was wrong, in words
// a user can act on ("the depth must be greater than 0").
#pragma once

#include <stdexcept>

namespace dishwright {

class InputError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace dishwright
