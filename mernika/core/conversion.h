// Converting one value between the units of one category: lengths, areas,
// volumes, masses, the metric prefixes of power, force, voltage, current and
// pressure, speeds and data sizes.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "calculator.h"
#include "key_filter.h"
#include "units.h"

namespace prolexa::mernika {

inline constexpr FormulaProfile Formulas{85};

struct Category {
  std::string_view name;
  std::vector<std::string_view> units;  // as the lists show them
};

inline constexpr int CategoryCount = 11;
const Category& CategoryAt(int index);
// The categories' names, and a category's units, as the lists show them.
UnitList CategoryNames();
UnitList UnitsOf(int category);
// What the result line writes after a number: the text after the last blank
// of the unit's entry.
std::string_view Symbol(std::string_view entry);

// The factor from one unit of a category to another: the source's size
// divided by the target's. A category or unit outside the lists reads as the
// first, the entry a freshly filled list shows.
double ConversionFactor(int category, int from, int to);

// The form: the value's field (and the output field, which stays empty);
// the category list (also the form's mode) and the two unit lists.
enum Field { Value, Output };
enum List { CategoryList, From, To };
inline constexpr int FieldLimit = 19;
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
inline constexpr std::array<KeyField, 2> FieldKeys = {KeyField::Number, KeyField::Number};

Verdict Check(const FormInputs& inputs);
DrawSteps Draw(const FormInputs& inputs, int state, int places);

// The calculator as the kit runs it, on a window 518 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::mernika
