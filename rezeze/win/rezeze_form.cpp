// Ruzezi (the program Rezeze, file Redero): perimeter, area, surface and
// volume of plane figures and solids, 22 exercises switched with "<<" and
// ">>", with a sketch of each figure.
#include <windows.h>

#include "rezeze_form.h"
#include "rezeze_solver.h"

namespace prolexa::rezeze {
namespace {

constexpr int kTitle = 0;  // the form's own label
constexpr int kPrevious = 0, kNext = 1;

// The label reaches to a pixel before its field: the exercises name their
// rows differently, and the longest names ("zakladna z1") take all of it.
FormField Row(int x, int y, int labelX, std::string_view label) {
  return {.label = label,
          .labelPlace = {labelX, y, x - labelX - 1, 20},
          .place = {x, y, 97, 21},
          .limit = FieldLimit};
}

FormList Units(int x, int y, const char* preference = nullptr) {
  return {.place = {x, y, 50, 110},
          .entries = LengthUnits,
          .preference = preference,
          .defaultEntry = DefaultUnit};
}

// Shows the rows the exercise uses with their labels, its title, and the
// unit lists of rows 2 to 4 anew (inputs in lengths, the result in its own
// list), each on its last entry. Row 1 keeps its choice; row 5, the result
// of the trapezium's perimeter only, keeps its lengths.
void SetUpExercise(CalculatorWindow& window) {
  const Exercise& exercise = ExerciseAt(window.Mode());
  const int rows = exercise.Rows();
  for (int row = 0; row < RowCount; ++row) {
    window.ShowRow(row, row < rows);
    if (row < rows) window.SetFieldLabel(row, exercise.labels[static_cast<std::size_t>(row)]);
  }
  for (int row = 1; row < rows && row < 4; ++row) {
    const UnitList entries = row == rows - 1 ? exercise.ResultUnits() : LengthUnits;
    window.RefillList(row, entries, entries.count - 1);
  }
  SetWindowTextUtf8(window.Label(kTitle), exercise.title);
}

const CalculatorForm kForm{
    .keyName = "Rezeze",
    .caption = "Ruzezi",
    .helpPage = "rezeze.html",
    .frame = {.width = 650, .height = 550, .titleX = 270},
    .fields = {Row(78, 77, 12, "strana a"), Row(78, 104, 12, "strana b"),
               Row(78, 131, 12, "obvod o"), Row(330, 77, 264, "obsah S"),
               Row(330, 104, 264, "obsah S")},
    .fieldKeys = FieldKeys,
    .lists = {Units(182, 77, "cmb0"), Units(182, 104), Units(182, 131), Units(434, 77),
              Units(434, 104, "cmb1")},
    .options = {{.text = "Zobrazit jednotky",
                 .place = {24, 163, 120, 15},
                 .preference = "checked",
                 .defaultChecked = true}},
    .labels = {{.text = "Obvod čtverce", .place = {525, 170, 110, 20}}},
    .buttons = {{.text = "<<",
                 .place = {532, 190, 25, 25},
                 .pressed = [](CalculatorWindow& w) { w.SwitchMode(PreviousExercise(w.Mode())); }},
                {.text = ">>",
                 .place = {573, 190, 25, 25},
                 .pressed = [](CalculatorWindow& w) { w.SwitchMode(NextExercise(w.Mode())); }}},
    .modes = {.preference = "index", .count = ExerciseCount, .show = SetUpExercise},
    .computeButton = {12, 190},
    .rounding = {.edit = POINT{323, 192}, .caption = "Zaokrouhlit na"},
    // Rows an exercise does not use are hidden, and Tab passes over them.
    .focusChain = {FormControl::Field(0), FormControl::List(0), FormControl::Field(1),
                   FormControl::List(1), FormControl::Field(2), FormControl::List(2),
                   FormControl::Field(3), FormControl::List(3), FormControl::Option(ShowUnits),
                   FormControl::Compute(), FormControl::Clear(), FormControl::Rounding(),
                   FormControl::Button(kPrevious), FormControl::Button(kNext)},
    .solutionAreas = {{0, 220, 650, 550}},
    .figure = [](int exercise) { return DrawShapeSketch(exercise); },
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::rezeze
