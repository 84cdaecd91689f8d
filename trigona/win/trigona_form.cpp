// Trigona: the missing side of a right triangle, with its worked solution.
#include <windows.h>

#include "trigona_form.h"
#include "resource.h"
#include "trigona_solver.h"

namespace prolexa::trigona {
namespace {

FormList UnitList(int y, const char* preference) {
  return {.place = {182, y, 50, 110},
          .entries = LengthUnits,
          .preference = preference,
          .defaultEntry = DefaultUnit};
}

const CalculatorForm kForm{
    .keyName = "Trigona",
    .caption = "Trigona",
    .helpPage = "trigona.html",
    .frame = {.width = 525, .height = 500, .titleX = 143},
    .fields = {{.label = "odvěsna a", .labelPlace = {12, 77, 64, 20}, .place = {78, 77, 97, 21}},
               {.label = "odvěsna b", .labelPlace = {12, 104, 64, 20}, .place = {78, 104, 97, 21}},
               {.label = "přepona c", .labelPlace = {12, 131, 64, 20}, .place = {78, 131, 97, 21}}},
    .fieldKeys = FieldKeys,
    .lists = {UnitList(77, "cmb0"), UnitList(104, "cmb1"), UnitList(131, "cmb2")},
    .options = {{.text = "Zobrazit jednotky",
                 .place = {24, 163, 120, 15},
                 .preference = "checked",
                 .defaultChecked = true}},
    .computeButton = {12, 190},
    .teachButton = POINT{420, 190},
    // The statement of the theorem stands out in a book face.
    .teaching = {.templateId = IDD_TEACHING,
                 .pictureId = IDB_TEACHING,
                 .picture = {10, 10, 10 + 88, 10 + 104},
                 .emphasisTextIds = {IDC_TEACH_STATEMENT},
                 .emphasisHeight = -12,
                 .emphasisWidth = 8,
                 .emphasisFace = "Times New Roman"},
    .rounding = {.edit = POINT{323, 192}, .labelGap = 8},
    .focusChain = {FormControl::Field(FieldA), FormControl::List(UnitA),
                   FormControl::Field(FieldB), FormControl::List(UnitB),
                   FormControl::Field(FieldC), FormControl::List(UnitC),
                   FormControl::Option(ShowUnits), FormControl::Compute(),
                   FormControl::Clear(), FormControl::Rounding(), FormControl::Teach()},
    .solutionAreas = {{11, 220, 370, 395}},
    .figure = [](int) { return DrawTriangleFigure(); },
    .core = Core,
};

}  // namespace

const CalculatorForm& Form() { return kForm; }

}  // namespace prolexa::trigona
