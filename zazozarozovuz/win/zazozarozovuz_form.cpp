// Zazozarozovuz: variations and combinations with and without repetition,
// counted exactly, in one formula line.
#include <windows.h>

#include "zazozarozovuz_form.h"
#include "counting.h"
#include "resource.h"

namespace prolexa::zazozarozovuz {
namespace {

constexpr int kClearOnSwitch = 0;  // the form's only option box

FormField Count(std::string_view label, int y, int digits) {
  return {.label = label,
          .labelPlace = {230, y, 10, 14},
          .place = {243, y, 42, 21},
          .limit = digits};
}

// Another option takes the shown solution away: its count was checked for
// the old one. The fields go too when the box says so.
void OptionChosen(CalculatorWindow& window, int option) {
  const bool empty =
      SendMessageW(window.Option(kClearOnSwitch), BM_GETCHECK, 0, 0) == BST_CHECKED;
  window.SwitchMode(option, empty);
}

FormLabel Radio(int option, int y) {
  return {.text = OptionNames[static_cast<std::size_t>(option)], .place = {19, y, 155, 17}};
}

const CalculatorForm kForm{
    .keyName = "Zazozarozovuz",
    .caption = "Zazozarozovuz",
    .helpPage = "zazozarozovuz.html",
    .frame = {.width = 526, .height = 433, .titleX = 155},
    .fields = {Count("n", 79, NDigits), Count("k", 111, KDigits)},
    .fieldKeys = FieldKeys,
    .options = {{.text = "Vymazat pole n a k při prepínání možností",
                 .place = {188, 180, 250, 15},
                 .preference = "checked",
                 .shapesSolution = false}},
    // The frame's caption: it covers the frame's top line behind it.
    .labels = {{.text = "Možnosti", .place = {21, 63, 48, 14}}},
    .modes = {.preference = "index",
              .count = OptionCount,
              .radios = {Radio(Variations, 86), Radio(VariationsRepeated, 118),
                         Radio(Combinations, 150), Radio(CombinationsRepeated, 182)},
              .chosen = OptionChosen},
    .computeButton = {188, 143},
    .teachButton = POINT{350, 143},
    // The four headings stand out in a wider face.
    .teaching = {.templateId = IDD_TEACHING,
                 .emphasisTextIds = {IDC_TEACH_VARIATIONS, IDC_TEACH_VARIATIONS_REPEATED,
                                     IDC_TEACH_COMBINATIONS, IDC_TEACH_COMBINATIONS_REPEATED},
                 .emphasisWidth = 8},
    .focusChain = {FormControl::Field(FieldN), FormControl::Field(FieldK),
                   FormControl::Compute(), FormControl::Clear(), FormControl::Teach(),
                   FormControl::Option(kClearOnSwitch), FormControl::Radio(0),
                   FormControl::Radio(1), FormControl::Radio(2), FormControl::Radio(3)},
    .solutionAreas = {{0, 225, 526, 330}},
    .figure = [](int) { return DrawOptionsFrame(); },
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::zazozarozovuz
