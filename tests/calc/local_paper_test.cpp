#include "calc/page_layout/local_paper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace dishwright {
namespace {

struct PaperCase {
  const char *name;
  std::optional<std::string> papersize;
  std::optional<LocalePaperMm> localePaper;
  PaperKind expected;
};

class PaperRule : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperRule, PapersizeThenLcPaperThenA4) {
  const PaperCase &c = GetParam();
  const auto papersize = c.papersize ? std::optional<std::string_view>(*c.papersize) : std::nullopt;
  EXPECT_EQ(paperFromLocale(papersize, c.localePaper), c.expected);
}

// glibc's LC_PAPER: en_US and en_CA (a copy of en_US) 279 x 216 mm, de_DE and C
// 297 x 210 mm; en_US's legal-size neighbours are not in any locale, 216 x 356 mm.
constexpr LocalePaperMm kEnCa{216, 279}, kDeDe{210, 297}, kLegal{216, 356};

INSTANTIATE_TEST_SUITE_P(
    Cases, PaperRule,
    ::testing::Values(PaperCase{"CanadianLocale", std::nullopt, kEnCa, PaperKind::Letter},
                      PaperCase{"GermanLocale", std::nullopt, kDeDe, PaperKind::A4},
                      PaperCase{"NoLocaleNoName", std::nullopt, std::nullopt, PaperKind::A4},
                      PaperCase{"PapersizeOverLocale", "letter", kDeDe, PaperKind::Letter},
                      PaperCase{"A4OverUsLocale", "a4", kEnCa, PaperKind::A4},
                      PaperCase{"AnyCaseAndBlanks", " Letter\t", kDeDe, PaperKind::Letter},
                      PaperCase{"UpperCaseA4", "A4", kEnCa, PaperKind::A4},
                      PaperCase{"EmptyPapersize", "", kEnCa, PaperKind::Letter},
                      PaperCase{"LegalPassedOver", "legal", kEnCa, PaperKind::Letter},
                      PaperCase{"A3PassedOver", "a3", std::nullopt, PaperKind::A4},
                      PaperCase{"LocaleOfAnotherSize", std::nullopt, kLegal, PaperKind::A4}),
    [](const auto &info) { return info.param.name; });

// The environment as the program reads it: the C locale's paper is A4 (so
// PAPERSIZE alone decides here); en_CA itself is checked with a real locale in
// the command-line test cli.paper_locale.
TEST(LocalPaper, ReadsPapersizeAndTheCLocale) {
  const char *saved = std::getenv("PAPERSIZE");
  const char *savedLocale = std::getenv("LC_ALL");
  const std::string old = saved ? saved : "", oldLocale = savedLocale ? savedLocale : "";
  ::setenv("LC_ALL", "C", 1);
  ::setenv("PAPERSIZE", "letter", 1);
  EXPECT_EQ(localPaper(), PaperKind::Letter);
  ::unsetenv("PAPERSIZE");
  EXPECT_EQ(localPaper(), PaperKind::A4);
  if (saved)
    ::setenv("PAPERSIZE", old.c_str(), 1);
  if (savedLocale)
    ::setenv("LC_ALL", oldLocale.c_str(), 1);
  else
    ::unsetenv("LC_ALL");
}

} // namespace
} // namespace dishwright
