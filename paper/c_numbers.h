// Numbers in files for other programs (DXF, CSV) are written with a point,
// whatever the user's locale: a library that formats with printf follows
// LC_NUMERIC, which a Qt program takes from the environment at start
// ("326,985" under de_DE, which DXF readers refuse or read as 326).
#pragma once

#include <clocale>
#include <locale.h> // uselocale, newlocale: POSIX

namespace dishwright {

// While it lives, this thread formats and reads numbers as the C locale does;
// the thread's locale before it is restored when it ends. Other threads are
// not touched.
class CNumbers {
public:
  CNumbers();
  ~CNumbers();
  CNumbers(const CNumbers &) = delete;
  CNumbers &operator=(const CNumbers &) = delete;

private:
  locale_t c_;
  locale_t previous_;
};

} // namespace dishwright
