// Name and birth-date numbers.
#include "numerology/Numbers.h"

#include <algorithm>

#include "numerology/DateText.h"
#include "numerology/Reckoning.h"

namespace vorel {
namespace {

std::int32_t DigitSum(std::int64_t value) {
  std::int64_t sum = 0;
  for (std::int64_t v = value < 0 ? -value : value; v > 0; v /= 10) sum += v % 10;
  return static_cast<std::int32_t>(sum);
}

bool Stops(std::int32_t value) {
  return value <= 9 || IsMasterNumber(value);
}

}  // namespace

std::int32_t ReduceNumber(std::int32_t value) {
  while (!Stops(value)) value = DigitSum(value);
  return value;
}

std::vector<std::int32_t> ReductionSteps(std::int32_t value) {
  std::vector<std::int32_t> steps{value};
  while (!Stops(steps.back())) steps.push_back(DigitSum(steps.back()));
  return steps;
}

bool IsNameLetter(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}

bool IsVowel(unsigned char c) {
  return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y';
}

std::int32_t LetterValue(char capital) {
  return ReduceNumber(static_cast<unsigned char>(capital) - 64);
}

CoreNumbers ComputeNumbers(std::string_view name, const Date& birth) {
  CoreNumbers n;
  // Sums in 64 bits: a name long enough to overflow 32 bits is clamped, not wrapped.
  std::int64_t vowels = 0, consonants = 0, all = 0;
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsNameLetter(c)) continue;
    const std::int32_t value = LetterValue(ch);
    all += value;
    (IsVowel(c) ? vowels : consonants) += value;
  }
  const auto clamp = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(v, INT32_MAX));
  };
  n.MotivationSum = clamp(vowels);
  n.RealisationSum = clamp(consonants);
  n.ExpressionSum = clamp(all);
  n.Motivation = ReduceNumber(n.MotivationSum);
  n.Realisation = ReduceNumber(n.RealisationSum);
  n.Expression = ReduceNumber(n.ExpressionSum);
  n.PathSum = DigitSum(static_cast<std::int64_t>(birth.day) + birth.month + birth.year);
  n.Path = ReduceNumber(n.PathSum);
  return n;
}

CoreNumbers ComputeNumbers(std::string_view name, std::string_view birthText) {
  return ComputeNumbers(name, TextToDate(birthText));
}

std::int32_t MasterMark(const CoreNumbers& n) {
  std::int32_t mark = 0;
  if (n.Path == 11 || n.Expression == 11) mark = 11;
  if (n.Path == 22 || n.Expression == 22) mark = 22;
  return mark;
}

std::string FirstSynthesisKey(const CoreNumbers& n) {
  const std::int32_t a = MasterAsDigit(n.Path);
  const std::int32_t b = MasterAsDigit(n.Expression);
  return "Memo0" + std::to_string(std::min(a, b)) + "0" + std::to_string(std::max(a, b));
}

std::string SecondSynthesisKey(const CoreNumbers& n) {
  const std::int32_t mark = MasterMark(n);
  if (mark == 0) return {};
  return FirstSynthesisKey(n) + std::to_string(mark);
}

}  // namespace vorel
