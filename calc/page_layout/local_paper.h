// The paper a template is laid out on when the user chose none: the one the
// system names for this user, as libpaper and the print tools find it.
#pragma once

#include "calc/page_layout/page_tiling.h"

#include <optional>
#include <string_view>

namespace dishwright {

// A paper size as the C library's LC_PAPER category gives it, whole millimetres.
struct LocalePaperMm {
  int widthMm = 0;
  int heightMm = 0;
};

// Paper sizes as the locales give them: ISO A4, and US Letter (8.5 x 11 in,
// which the locales round to 216 x 279 mm).
inline constexpr LocalePaperMm kA4Mm{210, 297};
inline constexpr LocalePaperMm kLetterMm{216, 279};

// The rule, in order: PAPERSIZE when it names A4 or Letter ("a4", "Letter", any
// case, blanks around); else the size of the LC_PAPER locale when it is A4 or
// Letter (en_US and en_CA, fr_CA, es_MX ... use Letter); else A4. A name or size
// the templates have no pages for (legal, a3) is passed over, not guessed at.
PaperKind paperFromLocale(std::optional<std::string_view> papersize,
                          std::optional<LocalePaperMm> localePaper);

// The same from this process's environment: PAPERSIZE, and the paper of the
// locale that LC_ALL, LC_PAPER or LANG name (glibc's _NL_PAPER_WIDTH and
// _NL_PAPER_HEIGHT; none where the C library does not tell it or the locale is
// not installed).
PaperKind localPaper();

} // namespace dishwright
