// Perimeter and area of five plane figures, surface and volume of six solids:
// 22 exercises, each a row of one catalogue that drives the form, the check
// and the worked solution.
#pragma once

#include <array>
#include <string_view>

#include "calculator.h"
#include "key_filter.h"
#include "units.h"

namespace prolexa::rezeze {

// A line with a fraction moves the next one 50 pixels down.
inline constexpr FormulaProfile Formulas{50};

inline constexpr int ExerciseCount = 22;
// The form's five rows; an exercise uses rows 1 to k, the last one being
// its result row.
inline constexpr int RowCount = 5;
// What a field of the form holds: the capture takes this much of a text.
inline constexpr int FieldLimit = 19;
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
inline constexpr std::array<KeyField, RowCount> FieldKeys = {
    KeyField::Number, KeyField::Number, KeyField::Number, KeyField::Number, KeyField::Number};
// The show-units box is the form's only option.
inline constexpr int ShowUnits = 0;

// Every unit list's entry before the pupil chooses one.
inline constexpr int DefaultUnit = Metres;

inline constexpr std::array<std::string_view, 4> AreaUnitNames = {"mm2", "cm2", "dm2", "m2"};
inline constexpr std::array<std::string_view, 4> VolumeUnitNames = {"mm3", "cm3", "dm3", "m3"};

enum class Result { Length, Area, Volume };

struct Exercise {
  std::string_view title;
  // The labels of the rows the exercise uses, the result row's last.
  std::array<std::string_view, RowCount> labels;
  Result result;

  int Rows() const;
  UnitList ResultUnits() const;
};

const Exercise& ExerciseAt(int index);
// "<<" and ">>": one back or forward, from the first to the last and back.
int PreviousExercise(int index);
int NextExercise(int index);

inline constexpr std::string_view BigNumbersMessage = "Zadali jste velké čísla. Zadajte menší.";
inline constexpr std::string_view SlovakBigNumbersMessage = "Zadali ste velké číslá. Zadajte menšie.";

// The inputs as the form holds them: the texts of rows 1 to 4, the unit
// entry of every row, the show-units box, and the exercise (FormInputs::mode).
Verdict Check(const FormInputs& inputs);
DrawSteps Draw(const FormInputs& inputs, int state, int places);

// The sketch of an exercise's figure in the window (nothing for an index
// outside 0 to 21), moved by `offset`.
DrawSteps DrawShapeSketch(int exercise, Point offset = {0, 0});

// The calculator as the kit runs it, on a window 650 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::rezeze
