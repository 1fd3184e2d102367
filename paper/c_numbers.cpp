#include "paper/c_numbers.h"

#include <stdexcept>

namespace dishwright {

CNumbers::CNumbers() : c_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))) {
  if (c_ == static_cast<locale_t>(nullptr))
    throw std::runtime_error("the C locale is not available for writing numbers");
  previous_ = uselocale(c_);
}

CNumbers::~CNumbers() {
  uselocale(previous_);
  freelocale(c_);
}

} // namespace dishwright
