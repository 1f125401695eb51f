// The four core numbers of a person, from the letters of the name and the birth date.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorel {

struct Date;

struct CoreNumbers {
  std::int32_t Motivation = 0;
  std::int32_t Realisation = 0;
  std::int32_t Expression = 0;
  std::int32_t Path = 0;
  std::int32_t MotivationSum = 0;
  std::int32_t RealisationSum = 0;
  std::int32_t ExpressionSum = 0;
  std::int32_t PathSum = 0;
  bool operator==(const CoreNumbers&) const = default;
};

// Repeated decimal digit sum; stops at 9 or less, and at 11 or 22 wherever they appear.
std::int32_t ReduceNumber(std::int32_t value);

// The steps of ReduceNumber: the value, then each digit sum ("29 -> 11").
std::vector<std::int32_t> ReductionSteps(std::int32_t value);

// A capital letter's value: its code minus 64, reduced (K is 11, V is 22).
std::int32_t LetterValue(char capital);

bool IsNameLetter(unsigned char c);  // A to Z only
bool IsVowel(unsigned char c);       // A E I O U Y

// name: the register's single-byte text, one character per byte; only A to Z count.
CoreNumbers ComputeNumbers(std::string_view name, const Date& birth);
// birthText: "dd/mm/yyyy"; throws Error when it is not a valid date.
CoreNumbers ComputeNumbers(std::string_view name, std::string_view birthText);

// The synthesis keys of a report: 11 counts as 2 and 22 as 4 for the pair.
std::int32_t MasterMark(const CoreNumbers& numbers);  // 0, 11 or 22; 22 wins
std::string FirstSynthesisKey(const CoreNumbers& numbers);
std::string SecondSynthesisKey(const CoreNumbers& numbers);  // empty without a master mark

}  // namespace vorel
