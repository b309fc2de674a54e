#include "core/score_line_format.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace quavix {

namespace {

bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// value = 0.digits * 10^pointPlace. Kept as written digits so that a half is decided on the
// text itself, not on a binary approximation of it.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  int pointPlace = 0;
};

// An exponent this large already puts any window's digits far outside the 16-bit range or
// below one half, so clamping it changes no result.
constexpr int kExponentClamp = 1000;

// The longest leading number of s: sign, digits, fraction, exponent. Zero when there is none.
Decimal leadingNumber(std::string_view s) {
  Decimal number;
  size_t at = 0;
  if (at < s.size() && (s[at] == '+' || s[at] == '-')) number.negative = s[at++] == '-';
  std::string mantissa;
  while (at < s.size() && isDigit(s[at])) mantissa += s[at++];
  int integerDigits = static_cast<int>(mantissa.size());
  if (at < s.size() && s[at] == '.') {
    ++at;
    while (at < s.size() && isDigit(s[at])) mantissa += s[at++];
  }
  if (mantissa.empty()) return {};

  int exponent = 0;
  if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
    size_t digitsAt = at + 1;
    bool negativeExponent = false;
    if (digitsAt < s.size() && (s[digitsAt] == '+' || s[digitsAt] == '-')) {
      negativeExponent = s[digitsAt++] == '-';
    }
    // "1e" or "1e+" is the number 1 followed by text.
    for (size_t i = digitsAt; i < s.size() && isDigit(s[i]); ++i) {
      exponent = std::min(exponent * 10 + (s[i] - '0'), kExponentClamp);
    }
    if (negativeExponent) exponent = -exponent;
  }

  size_t firstSignificant = mantissa.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return {};
  number.digits = mantissa.substr(firstSignificant);
  number.pointPlace = integerDigits - static_cast<int>(firstSignificant) + exponent;
  return number;
}

std::optional<int16_t> roundHalfEven(const Decimal& number) {
  // Five integer digits with a leading non-zero is at least 10^5.
  constexpr int kMaxIntegerDigits = 5;
  if (number.pointPlace > kMaxIntegerDigits) return std::nullopt;
  if (number.pointPlace < 0 || number.digits.empty()) return 0;  // below 0.1

  const std::string& digits = number.digits;
  const size_t wholeDigits = static_cast<size_t>(number.pointPlace);
  int32_t whole = 0;
  for (size_t i = 0; i < wholeDigits; ++i) {
    whole = whole * 10 + (i < digits.size() ? digits[i] - '0' : 0);
  }

  std::string_view fraction;
  if (wholeDigits < digits.size()) fraction = std::string_view(digits).substr(wholeDigits);
  bool up = false;
  if (!fraction.empty()) {
    bool aboveHalf = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    up = fraction[0] > '5' || (fraction[0] == '5' && (aboveHalf || whole % 2 == 1));
  }
  int32_t value = whole + (up ? 1 : 0);
  if (number.negative) value = -value;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(value);
}

}  // namespace

std::string scoreNumberForm(int16_t value) {
  std::string form = value < 0 ? "-" : " ";
  form += std::to_string(std::abs(static_cast<int32_t>(value)));
  form += ' ';
  return form;
}

std::string formatScoreRecord(const std::array<int16_t, kScoreSlotCount>& scores) {
  std::string record(kScoreZoneWidth, ' ');
  for (int slot = 0; slot < kScoreSlotCount - 1; ++slot) {
    std::string zone = scoreNumberForm(scores[slot]);
    zone.resize(kScoreZoneWidth, ' ');
    record += zone;
  }
  record += scoreNumberForm(scores[kScoreSlotCount - 1]);
  record += "\r\n";
  return record;
}

std::optional<int16_t> convertScoreWindow(std::string_view window) {
  std::string text;
  std::copy_if(window.begin(), window.end(), std::back_inserter(text),
               [](char c) { return !isIgnored(c); });
  return roundHalfEven(leadingNumber(text));
}

RestoredScores readScoreRecord(std::string_view text) {
  RestoredScores restored;
  size_t at = kScoreWindowWidths[0];
  if (text.size() < at) return restored;
  for (int slot = 0; slot < kRestoredSlotCount; ++slot) {
    const size_t width = kScoreWindowWidths[slot + 1];
    if (text.size() - at < width) break;
    // The sign column of a zone ends the window before it; read without it, -32768 would be
    // out of range and take every later slot with it.
    std::string window(text.substr(at, width));
    if (text[at - 1] == '-') window.insert(0, 1, '-');
    std::optional<int16_t> value = convertScoreWindow(window);
    if (!value) break;
    // Play never goes below 0; an edited file that does starts the slot afresh.
    restored.values[slot] = std::max<int16_t>(*value, 0);
    ++restored.count;
    at += width;
  }
  return restored;
}

}  // namespace quavix
