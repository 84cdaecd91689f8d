// Dromika: two bodies meeting or one catching up with the other, with the
// worked solution.
#include <windows.h>

#include "dromika_form.h"
#include "dromika_solver.h"

namespace prolexa::dromika {
namespace {

// The label reaches to a pixel before its field: "rýchlost v1" takes nearly
// all of that room.
FormField Row(std::string_view label, int labelX, int x, int y) {
  return {.label = label,
          .labelPlace = {labelX, y, x - labelX - 1, 20},
          .place = {x, y, 97, 21},
          .limit = FieldLimit};
}

template <std::size_t N>
FormList Choice(int x, int y, int w, int h, const std::array<std::string_view, N>& entries,
                const char* preference, int label = -1) {
  return {.place = {x, y, w, h}, .entries = ListOf(entries), .preference = preference,
          .label = label};
}

// The catch-up has no distance: its row goes and the rows below move up.
void SetUpKind(CalculatorWindow& window) {
  const bool meeting = window.Mode() == Meeting;
  window.ShowRow(Distance, meeting);
  window.MoveRow(Speed1, meeting ? 134 : 107);
  window.MoveRow(Speed2, meeting ? 134 : 107);
  window.MoveRow(Time1, meeting ? 161 : 134);
  window.MoveRow(Time2, meeting ? 161 : 134);
}

const CalculatorForm kForm{
    .keyName = "Dromika",
    .initCommonControls = false,
    .caption = "Dromika",
    .helpPage = "dromika.html",
    .frame = {.width = 780, .height = 650, .titleX = 271},
    .fields = {Row("dráha", 12, 74, 107), Row("rýchlost v1", 12, 74, 134),
               Row("rýchlost v2", 254, 316, 134), Row("čas t1", 12, 74, 161),
               Row("čas t2", 254, 316, 161)},
    .fieldKeys = FieldKeys,
    .lists = {Choice(178, 107, 50, 110, DistanceUnitNames, "cmb0"),
              Choice(178, 134, 50, 110, SpeedUnitNames, "cmb2"),
              Choice(420, 134, 50, 110, SpeedUnitNames, "cmb3"),
              Choice(178, 161, 50, 110, TimeUnitNames, "cmb4"),
              Choice(420, 161, 50, 110, TimeUnitNames, "cmb5"),
              // Named by the labels above them.
              Choice(481, 161, 115, 90, SpeedUnitNames, "cmb1", 1),
              Choice(10, 75, 345, 110, KindNames, "cmb6", 0)},
    .options = {{.text = "Zobrazit jednotky",
                 .place = {360, 200, 120, 15},
                 .preference = "checked",
                 .defaultChecked = true}},
    // Each label ends where the list below it begins.
    .labels = {{.text = "Vypočítej:", .place = {12, 60, 60, 15}},
               {.text = "Počítat v:", .place = {483, 145, 110, 16}}},
    // A kind outside the list starts on the meeting.
    .modes = {.preference = "cmb6", .count = KindCount, .show = SetUpKind, .list = Kind},
    .computeButton = {12, 195},
    .rounding = {.edit = POINT{283, 198}, .textDrop = 2, .caption = "Zaokrouhlit na"},
    .focusChain = {FormControl::Field(Distance), FormControl::List(DistanceUnit),
                   FormControl::Field(Speed1), FormControl::List(Speed1Unit),
                   FormControl::Field(Speed2), FormControl::List(Speed2Unit),
                   FormControl::Field(Time1), FormControl::List(Time1Unit),
                   FormControl::Field(Time2), FormControl::List(Time2Unit),
                   FormControl::List(System), FormControl::Option(ShowUnits),
                   FormControl::Compute(), FormControl::Clear(), FormControl::List(Kind)},
    .solutionAreas = {{0, 225, 780, 560}},
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::dromika
