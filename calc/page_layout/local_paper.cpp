#include "calc/page_layout/local_paper.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

namespace dishwright {
namespace {

std::optional<PaperKind> paperNamed(std::string_view name) {
  const auto first = name.find_first_not_of(" \t");
  const auto last = name.find_last_not_of(" \t");
  if (first == std::string_view::npos)
    return std::nullopt;
  std::string lower;
  for (const char c : name.substr(first, last - first + 1))
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "a4")
    return PaperKind::A4;
  if (lower == "letter")
    return PaperKind::Letter;
  return std::nullopt;
}

std::optional<PaperKind> paperSized(LocalePaperMm size) {
  if (size.widthMm == kA4Mm.widthMm && size.heightMm == kA4Mm.heightMm)
    return PaperKind::A4;
  if (size.widthMm == kLetterMm.widthMm && size.heightMm == kLetterMm.heightMm)
    return PaperKind::Letter;
  return std::nullopt;
}

#if defined(__GLIBC__) && defined(LC_PAPER_MASK) // the paper items are glibc's
// glibc hands a paper dimension back in the pointer nl_langinfo returns: its
// first word is the number, as glibc's own `locale` program reads it.
int paperWord(nl_item item, locale_t locale) {
  const char *answer = nl_langinfo_l(item, locale);
  unsigned int word = 0;
  std::memcpy(&word, &answer, sizeof word);
  return static_cast<int>(word);
}

std::optional<LocalePaperMm> lcPaper() {
  const locale_t locale = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr))
    return std::nullopt; // the environment names a locale that is not installed
  const LocalePaperMm size{paperWord(_NL_PAPER_WIDTH, locale), paperWord(_NL_PAPER_HEIGHT, locale)};
  freelocale(locale);
  return size;
}
#else
std::optional<LocalePaperMm> lcPaper() { return std::nullopt; }
#endif

} // namespace

PaperKind paperFromLocale(std::optional<std::string_view> papersize,
                          std::optional<LocalePaperMm> localePaper) {
  if (papersize)
    if (const auto named = paperNamed(*papersize))
      return *named;
  if (localePaper)
    if (const auto sized = paperSized(*localePaper))
      return *sized;
  return PaperKind::A4;
}

PaperKind localPaper() {
  const char *papersize = std::getenv("PAPERSIZE"); // NOLINT(concurrency-mt-unsafe): read once
  return paperFromLocale(papersize ? std::optional<std::string_view>(papersize) : std::nullopt,
                         lcPaper());
}

} // namespace dishwright
