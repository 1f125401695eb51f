// How a person's numbers were reached, told step by step in French for the batch tool.
#pragma once

#include <string>
#include <string_view>

#include "numerology/DateText.h"

namespace vorel {

// name: the register's single-byte text. Each letter with its value and class, each sum,
// each reduction step (and where 11 or 22 stopped it), and the synthesis keys. UTF-8.
std::string ExplainNumbers(std::string_view name, const Date& birth);

}  // namespace vorel
