// Zeraz: the heat of one body, T = m · c · (t1 − t0), any of its five
// quantities found from the other four.
#include <windows.h>

#include "zeraz_form.h"
#include "heat.h"

namespace prolexa::zeraz {
namespace {

// A quantity's name stands left of its field and reaches to a pixel before
// it: the longest, "merná tepelná", takes all of that room.
constexpr int kNameX = 12, kFieldX = 92, kListX = 196;
constexpr int kNameWidth = kFieldX - kNameX - 1;

FormField Value(std::string_view label, int labelY, int labelHeight, int y,
                std::string_view initial = {}) {
  return {.label = label,
          .labelPlace = {kNameX, labelY, kNameWidth, labelHeight},
          .place = {kFieldX, y, 97, 21},
          .limit = FieldLimit,
          .initial = initial};
}

template <std::size_t N>
FormList Units(int y, const std::array<std::string_view, N>& entries, const char* preference,
               int defaultEntry = 0) {
  return {.place = {kListX, y, 50, 110},
          .entries = ListOf(entries),
          .preference = preference,
          .defaultEntry = defaultEntry};
}

// The window starts with an example: "OK" at once finds the mass.
const CalculatorForm kForm{
    .keyName = "Zeraz",
    .caption = "Zeraz",
    .helpPage = "zeraz.html",
    .frame = {.width = 725, .height = 655, .titleX = 300},
    .fields = {Value("teplo T", 95, 20, 95, "150"), Value("hmotnosť m", 122, 20, 122),
               Value("merná tepelná", 144, 14, 149, "1"), Value("teplota t0", 176, 25, 176, "10"),
               Value("teplota t1", 203, 25, 203, "25")},
    .fieldKeys = FieldKeys,
    .lists = {Units(95, HeatUnitNames, "cmb0"), Units(122, MassUnitNames, "cmb1", DefaultMassUnit),
              Units(176, TemperatureUnitNames, "cmb2"), Units(203, TemperatureUnitNames, "cmb3")},
    .options = {{.text = "Zobraziť jednotky",
                 .place = {24, 235, 120, 15},
                 .preference = "checked",
                 .defaultChecked = true}},
    // The capacity's name takes two lines, each a label of its own that is
    // sized for its own text; the second stands right under the field's.
    .labels = {{.text = "kapacita c", .place = {kNameX, 158, kNameWidth, 14}}},
    // Two bodies are not computed: that choice is shown but cannot be made.
    .modes = {.count = 1,
              .radios = {{.text = "Výpočet tepla jedného telesa", .place = {12, 70, 180, 15}},
                         {.text = "Výpočet tepla dvoch telies",
                          .place = {300, 70, 165, 15},
                          .enabled = false}}},
    .computeButton = {12, 262},
    .clearText = "Vymazať",
    .copyText = "Kopírovať riešenie",
    .rounding = {.edit = POINT{323, 264}},
    .focusChain = {FormControl::Field(Heat), FormControl::List(HeatUnit),
                   FormControl::Field(Mass), FormControl::List(MassUnit),
                   FormControl::Field(Capacity), FormControl::Field(Start),
                   FormControl::List(StartUnit), FormControl::Field(End),
                   FormControl::List(EndUnit), FormControl::Option(ShowUnits),
                   FormControl::Compute(), FormControl::Clear(), FormControl::Rounding()},
    .solutionAreas = {{0, 220, 725, 600}},
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::zeraz
