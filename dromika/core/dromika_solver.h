// Two bodies on one line: when and where they meet coming towards each other
// (kind 0), or when one catches up with the other (kind 1), in metres and
// seconds or kilometres and hours.
#pragma once

#include <array>
#include <string_view>

#include "calculator.h"
#include "key_filter.h"
#include "units.h"

namespace prolexa::dromika {

// Whole sentences never stand in these lines; a line moves the next one 30
// pixels down, a fraction (none is drawn) 85.
inline constexpr FormulaProfile Formulas{85};

// The form: five texts, their unit lists, the system to compute in and the
// kind of exercise (also the form's mode), and the show-units box.
enum Field { Distance, Speed1, Speed2, Time1, Time2 };
enum List { DistanceUnit, Speed1Unit, Speed2Unit, Time1Unit, Time2Unit, System, Kind };
inline constexpr int ShowUnits = 0;
inline constexpr int Meeting = 0;
inline constexpr int CatchUp = 1;
inline constexpr int KindCount = 2;
// What a field of the form holds: the capture takes this much of a text.
inline constexpr int FieldLimit = 19;
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
// A negative head start is the other body's: the keypad minus types a sign.
inline constexpr std::array<KeyField, 5> FieldKeys = {
    KeyField::SignedNumber, KeyField::SignedNumber, KeyField::SignedNumber,
    KeyField::SignedNumber, KeyField::SignedNumber};

inline constexpr std::array<std::string_view, 2> DistanceUnitNames = {"m", "km"};
inline constexpr std::array<std::string_view, 2> SpeedUnitNames = {"m/s", "km/h"};
inline constexpr std::array<std::string_view, 3> TimeUnitNames = {"sek", "min", "hod"};
inline constexpr std::array<std::string_view, 2> KindNames = {
    "Čas a vzdálenost za který se střetnu když jdou proti sebe",
    "Čas a vzdálenost za který doběhne jeden druhého"};

inline constexpr std::string_view WarningCaption = "Upozornenie";
inline constexpr std::string_view BigNumbersMessage = "Zadali jste velké čísla. Zadejte menší.";
inline constexpr std::string_view NoMeaningMessage = "Tyto hodnoty nemají význam.";

Verdict Check(const FormInputs& inputs);
// The solution always shows six places, whatever the rounding selector says.
DrawSteps Draw(const FormInputs& inputs, int state, int places);

// The calculator as the kit runs it, on a window 780 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::dromika
