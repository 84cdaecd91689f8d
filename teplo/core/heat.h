// The heat of one body, T = m · c · (t1 − t0): four of the five quantities
// given, the fifth found, with its worked solution.
#pragma once

#include <array>
#include <string_view>

#include "calculator.h"
#include "key_filter.h"

namespace prolexa::zeraz {

// A line with a fraction moves the next one 60 pixels down.
inline constexpr FormulaProfile Formulas{60};

// The form: heat, mass, capacity and the two temperatures; the unit lists of
// all but the capacity; the show-units box.
enum Field { Heat, Mass, Capacity, Start, End };
enum List { HeatUnit, MassUnit, StartUnit, EndUnit };
inline constexpr int ShowUnits = 0;
inline constexpr int FieldLimit = 19;
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
inline constexpr std::array<KeyField, 5> FieldKeys = {
    KeyField::Number, KeyField::Number, KeyField::Number, KeyField::Number, KeyField::Number};

inline constexpr std::array<std::string_view, 3> HeatUnitNames = {"J", "KJ", "MJ"};
inline constexpr std::array<std::string_view, 3> MassUnitNames = {"g", "kg", "t"};
// The mass list's entry before the pupil chooses one: "t".
inline constexpr int DefaultMassUnit = 2;
inline constexpr std::array<std::string_view, 2> TemperatureUnitNames = {"*C", "*K"};

inline constexpr std::string_view BigNumbersMessage = "Zadali ste velké číslá. Zadajte menšie.";
inline constexpr std::string_view ZeroDivisorMessage =
    "Delenie nulou nie je možné. Zadajte iné hodnoty.";

// The state of an accepted check is the sought quantity (a Field).
Verdict Check(const FormInputs& inputs);
// Six places always; the rounding selector does not change them.
DrawSteps Draw(const FormInputs& inputs, int sought, int places);

// The calculator as the kit runs it, on a window 725 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::zeraz
