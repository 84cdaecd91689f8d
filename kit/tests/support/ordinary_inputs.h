// The property every calculator keeps for the numbers pupils type: what the
// check accepts is drawn, refused for its width only where a line really runs
// past the window or into the column beside it, and never drawn with two
// items over each other.
#pragma once

#include <functional>
#include <random>
#include <string>

#include "calculator.h"

namespace prolexa::testing {

// A number as pupils type it: one to four digits, up to three decimals.
std::string OrdinaryNumber(std::mt19937& random);

// A number, or now and then an empty field.
std::string OrdinaryOrEmpty(std::mt19937& random);

// A whole number from `low` to `high`.
int Between(std::mt19937& random, int low, int high);

struct OrdinaryOutcome {
  int accepted = 0;
  int refusedByCheck = 0;
  int refusedForWidth = 0;
};

// Runs `count` forms from `make` through the calculator as its window does,
// and fails the running test for every form whose solution is refused for
// its width although every line fits, and every accepted line with items
// that overlap or reach past the window.
OrdinaryOutcome CheckOrdinaryInputs(const CalculatorCore& core,
                                    const std::function<FormInputs(std::mt19937&)>& make,
                                    int count);

}  // namespace prolexa::testing
