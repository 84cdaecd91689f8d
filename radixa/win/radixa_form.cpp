// Radixa: the roots of a quadratic equation, real or complex, with the
// worked solution.
#include <windows.h>

#include "radixa_form.h"
#include "radixa_solver.h"
#include "resource.h"

namespace prolexa::radixa {
namespace {

// The fields keep no more than the solver reads, so what the pupil sees is
// what is computed.
FormField Coefficient(std::string_view label, int y) {
  return {.label = label,
          .labelPlace = {12, y, 64, 20},
          .place = {78, y, 50, 21},
          .limit = static_cast<int>(CoefficientLimit)};
}

const CalculatorForm kForm{
    .keyName = "Radixa",
    .caption = "Radixa",
    .helpPage = "radixa.html",
    .frame = {.width = 750, .height = 550, .titleX = 231},
    .fields = {Coefficient("hodnota a", 77), Coefficient("hodnota b", 104),
               Coefficient("hodnota c", 131)},
    .fieldKeys = FieldKeys,
    .computeButton = {150, 90},
    .teachButton = POINT{312, 90},
    .teaching = {.templateId = IDD_TEACHING},
    .rounding = {.edit = POINT{233, 127}, .labelGap = 8},
    .focusChain = {FormControl::Field(FieldA), FormControl::Field(FieldB),
                   FormControl::Field(FieldC), FormControl::Compute(), FormControl::Clear(),
                   FormControl::Rounding()},
    // The roots below the fields, and the discriminant block beside them.
    .solutionAreas = {{11, 175, 739, 540}, {419, 75, 739, 175}},
    .figure = [](int) { return DrawGeneralForm(); },
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::radixa
