#include "calc/common/number_grammar.h"

#include "calc/common/shown_text.h"

namespace dishwright {
namespace {
// Exponents beyond this are all the same to every reader: far out of range.
constexpr long long kExponentSaturation = 1000000000LL;
bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

bool splitNumber(std::string_view text, NumberText &out) {
  out = NumberText{}; // a text read before must not leave its exponent behind
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ')
    ++i;
  while (n > i && text[n - 1] == ' ')
    --n;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    out.negative = text[i] == '-';
    ++i;
  }
  out.body = text.substr(i, n - i);
  std::size_t start = i;
  while (i < n && isDigit(text[i]))
    ++i;
  out.intDigits = text.substr(start, i - start);
  if (i < n && text[i] == '.') {
    std::size_t frac = ++i;
    while (i < n && isDigit(text[i]))
      ++i;
    out.fracDigits = text.substr(frac, i - frac);
  }
  if (out.intDigits.empty() && out.fracDigits.empty())
    return false;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
      expNegative = text[i++] == '-';
    std::size_t expStart = i;
    while (i < n && isDigit(text[i])) {
      if (out.exponent < kExponentSaturation)
        out.exponent = out.exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (i == expStart)
      return false;
    if (expNegative)
      out.exponent = -out.exponent;
  }
  return i == n;
}

long long leadingExponent(const NumberText &num) {
  std::size_t lead = num.intDigits.find_first_not_of('0');
  if (lead != std::string_view::npos)
    return num.exponent + static_cast<long long>(num.intDigits.size() - lead) - 1;
  std::size_t fracLead = num.fracDigits.find_first_not_of('0');
  return num.exponent - static_cast<long long>(fracLead) - 1;
}

NumberState numberState(std::string_view text) {
  NumberText parts;
  if (splitNumber(text, parts))
    return NumberState::Number;
  // A prefix is what one more digit makes a number: "-", "1e", "" and blanks.
  if (splitNumber(std::string(text) + "0", parts))
    return NumberState::Prefix;
  return NumberState::NotANumber;
}

std::string quotedInput(std::string_view text) {
  constexpr std::size_t kQuotedChars = 40;
  std::string q = quotedText(text, kQuotedChars);
  if (text.size() > kQuotedChars)
    q += " (" + std::to_string(text.size()) + " characters)";
  return q;
}

} // namespace dishwright
