// Mernika: one value converted between the units of a category.
#include <windows.h>

#include "mernika_form.h"
#include "conversion.h"

namespace prolexa::mernika {
namespace {

// Both unit lists hold the category's units, each on the first. The shown
// result was another category's: it went with the switch.
void ShowCategory(CalculatorWindow& window) {
  window.RefillList(From, UnitsOf(window.Mode()), 0);
  window.RefillList(To, UnitsOf(window.Mode()), 0);
}

FormList Choice(int y, UnitList entries = {}, int label = -1) {
  return {.place = {214, y, 170, 110}, .entries = entries, .label = label};
}

const CalculatorForm kForm{
    .keyName = "Mernika",
    .caption = "Mernika",
    .helpPage = "mernika.html",
    .frame = {.width = 518, .height = 433, .titleX = 127},
    .fields = {{.label = "Vstup",
                .labelPlace = {42, 100, 37, 16},
                .place = {80, 100, 127, 21},
                .limit = FieldLimit},
               // The result is painted, not written here.
               {.label = "Výstup",
                .labelPlace = {42, 130, 37, 16},
                .place = {80, 130, 127, 21},
                .enabled = false}},
    .fieldKeys = FieldKeys,
    // The category is named by "Typ", each unit list by its row.
    .lists = {Choice(70, CategoryNames(), 0), Choice(100), Choice(130)},
    // Clear of the category list: a label's white background covers
    // whatever it overlaps.
    .labels = {{.text = "Typ", .place = {180, 70, 30, 16}}},
    // A stored category outside the list starts on the lengths.
    // The typed value stays: it is converted in the new category.
    .modes = {.preference = "index",
              .count = CategoryCount,
              .show = ShowCategory,
              .list = CategoryList,
              .listKeepsFields = true},
    .computeButton = {160, 160},
    .clearButton = POINT{240, 160},
    .clearText = "Vymazať",
    .copyText = "Kopírovať riešenie",
    .focusChain = {FormControl::Field(Value), FormControl::List(From), FormControl::List(To),
                   FormControl::Compute(), FormControl::Clear()},
    .solutionAreas = {{0, 185, 518, 230}},
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::mernika
