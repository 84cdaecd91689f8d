// Trigona: the missing side of a right triangle, with its worked solution.
#include <windows.h>
#include <commctrl.h>

#include <array>

#include "app_shell.h"
#include "control_factory.h"
#include "gdi_formula_target.h"
#include "number_text.h"
#include "resource.h"
#include "scoped.h"
#include "settings_key.h"
#include "teaching_dialog.h"
#include "trigona_solver.h"
#include "wide.h"

namespace prolexa::trigona {
namespace {

constexpr char kKeyName[] = "Trigona";
constexpr int kWidth = 525;
constexpr int kHeight = 500;
constexpr RECT kResultArea{11, 220, 370, 395};
constexpr RECT kHelpRegion{470, 10, 505, 41};
const CalculatorFrame kFrame{kWidth, kHeight, 403, "Trigona", 143, {445, 440}};
constexpr const char* kUnitTexts[] = {"mm", "cm", "dm", "m"};

struct Preferences {
  DWORD checked = 1;
  DWORD round = 2;
  std::array<DWORD, 3> units{DefaultUnit, DefaultUnit, DefaultUnit};
};

// Everything the window keeps between messages.
struct State {
  HINSTANCE instance = nullptr;
  HWND main = nullptr;
  HWND editA = nullptr, editB = nullptr, editC = nullptr;
  HWND roundingEdit = nullptr;
  HWND unitA = nullptr, unitB = nullptr, unitC = nullptr;
  HWND labelA = nullptr, labelB = nullptr, labelC = nullptr;
  HWND roundingLabel = nullptr, placesLabel = nullptr;
  HWND showUnits = nullptr;
  HWND compute = nullptr, clear = nullptr, teach = nullptr;
  HWND spinner = nullptr;
  CommonWindowState common;
  Preferences preferences;
  SolutionState solution = NoSolution;
  SideTexts sides;  // as typed at the last compute
};

State g;

int SelectedUnit(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

SideUnits CurrentUnits() {
  return {SelectedUnit(g.unitA), SelectedUnit(g.unitB), SelectedUnit(g.unitC)};
}

bool ShowUnitsChecked() {
  return SendMessageW(g.showUnits, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ReadPreferences() {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(kKeyName));
  g.preferences.checked = key.ReadDword("checked", 1);
  g.preferences.round = key.ReadDword("round", 2);
  g.preferences.units[0] = key.ReadDword("cmb0", DefaultUnit);
  g.preferences.units[1] = key.ReadDword("cmb1", DefaultUnit);
  g.preferences.units[2] = key.ReadDword("cmb2", DefaultUnit);
  key.Close();
}

void WritePreferences() {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(kKeyName));
  key.WriteDword("checked", ShowUnitsChecked() ? 1 : 0);
  key.WriteDword("round", static_cast<DWORD>(SpinnerPosition(g.spinner, 2)));
  key.Close();
}

bool CreateControls() {
  ControlFactory f(g.instance, g.main);
  // Start-up fails at the first control that cannot be made; nothing after
  // it is created.
  bool ok = true;
  auto make = [&ok](HWND& out, auto create) {
    if (ok) ok = (out = create()) != nullptr;
  };
  make(g.editA, [&] { return f.CreateEdit("", 78, 77, 97, 21); });
  make(g.editB, [&] { return f.CreateEdit("", 78, 104, 97, 21); });
  make(g.editC, [&] { return f.CreateEdit("", 78, 131, 97, 21); });
  make(g.roundingEdit, [&] { return f.CreateNumberEdit("", 323, 192, 30, 21); });
  make(g.unitA, [&] { return f.CreateDropList(182, 77, 50, 110); });
  make(g.unitB, [&] { return f.CreateDropList(182, 104, 50, 110); });
  make(g.unitC, [&] { return f.CreateDropList(182, 131, 50, 110); });
  make(g.labelA, [&] { return f.CreateLabel("odvěsna a", 12, 77, 50, 20); });
  make(g.labelB, [&] { return f.CreateLabel("odvěsna b", 12, 104, 50, 20); });
  make(g.labelC, [&] { return f.CreateLabel("přepona c", 12, 131, 50, 20); });
  make(g.roundingLabel, [&] { return f.CreateLabel("Zaokrouhlit na:", 245, 195, 70, 15); });
  make(g.placesLabel, [&] { return f.CreateLabel("místa", 356, 195, 35, 15); });
  make(g.showUnits, [&] { return f.CreateCheckBox("Zobrazit jednotky", 24, 163, 110, 15); });
  make(g.compute, [&] { return f.CreateButton("OK", 12, 190, 75, 25); });
  make(g.clear, [&] { return f.CreateButton("Vymazat", 93, 190, 75, 25); });
  make(g.teach, [&] { return f.CreateButton("Výuka", 420, 190, 75, 25); });
  if (!ok) return false;
  const HWND withFont[] = {g.editA,  g.editB,  g.editC,  g.roundingEdit,  g.unitA,
                           g.unitB,  g.unitC,  g.labelA, g.labelB,        g.labelC,
                           g.roundingLabel, g.placesLabel, g.showUnits, g.compute,
                           g.clear, g.teach};

  if (g.preferences.checked == 1) SendMessageW(g.showUnits, BM_SETCHECK, BST_CHECKED, 0);
  f.CreateSpinner(&g.spinner, g.roundingEdit, 0, 6, static_cast<int>(g.preferences.round));
  if (!g.spinner) return false;
  g.common.helpRegion = kHelpRegion;

  f.ApplyDefaultFont(withFont, static_cast<int>(std::size(withFont)));
  const HWND combos[] = {g.unitA, g.unitB, g.unitC};
  f.FillCombos(combos, 0, 3, kUnitTexts, 4, g.preferences.units.data());
  const int limits[] = {1};
  f.LimitTexts(&g.roundingEdit, 1, limits);
  UpdatePlacesLabel(g.roundingEdit, g.placesLabel, PlacesLanguage::Czech);
  SetFocus(g.editA);
  return true;
}

void DrawTriangleFigure(HDC dc) {
  MoveToEx(dc, 350, 78, nullptr);
  LineTo(dc, 350, 150);
  LineTo(dc, 452, 150);
  LineTo(dc, 350, 78);
  ScopedSelectObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  const struct {
    const wchar_t* letter;
    int x, y;
  } letters[] = {{L"A", 448, 152}, {L"B", 346, 65},  {L"C", 346, 152},
                 {L"a", 340, 110}, {L"b", 395, 152}, {L"c", 400, 98}};
  for (const auto& l : letters) TextOutW(dc, l.x, l.y, l.letter, 1);
}

void OnPaint() {
  PaintDC paint(g.main);
  const HDC dc = paint.Dc();
  PaintFrame(dc, g.instance, kFrame, g.common);
  DrawTriangleFigure(dc);
  if (g.solution != NoSolution) {
    const DrawSteps steps =
        DrawRightTriangleSolution(g.solution, g.sides, CurrentUnits(), ShowUnitsChecked(),
                                  PlacesFromText(WindowTextUtf8(g.roundingEdit)));
    GdiFormulaTarget target(dc);
    PaintSteps(steps, target, TrigonaFormulas);
  }
}

void Compute() {
  g.sides = {WindowTextUtf8(g.editA), WindowTextUtf8(g.editB), WindowTextUtf8(g.editC)};
  InvalidateResult(g.main, kResultArea);
  const CheckResult check = SolveRightTriangle(g.sides, CurrentUnits());
  // The state changes before the message box, whose modal loop repaints.
  g.solution = check.state;
  if (check.refusal) ShowRefusal(g.main, *check.refusal);
}

void Clear() {
  g.solution = NoSolution;
  for (HWND edit : {g.editA, g.editB, g.editC}) SetWindowTextW(edit, L"");
  InvalidateResult(g.main, kResultArea);
}

void OnCommand(HWND sender) {
  if (sender == g.compute || (sender == g.showUnits && g.solution != NoSolution)) {
    Compute();
  } else if (sender == g.clear) {
    Clear();
  } else if (sender == g.roundingEdit) {
    UpdatePlacesLabel(g.roundingEdit, g.placesLabel, PlacesLanguage::Czech);
  } else if (sender == g.teach) {
    TeachingDialogLook look;
    look.templateId = IDD_TEACHING;
    look.pictureId = IDB_TEACHING;
    look.picture = {10, 10, 10 + 88, 10 + 104};
    // The statement of the theorem stands out in a book face.
    look.emphasisTextId = IDC_TEACH_STATEMENT;
    look.emphasisHeight = -12;
    look.emphasisWidth = 8;
    look.emphasisFace = "Times New Roman";
    ShowTeachingDialog(g.instance, g.main, look);
  }
}

KeyPolicy Keys() {
  KeyPolicy keys;
  keys.focusChain = {g.editA,     g.unitA,   g.editB, g.unitB,        g.editC, g.unitC,
                     g.showUnits, g.compute, g.clear, g.roundingEdit, g.teach};
  keys.numberEdits = {g.editA, g.editB, g.editC};
  keys.roundingEdit = g.roundingEdit;
  keys.helpOwner = g.main;
  return keys;
}

const Calculator kCalculator{kKeyName, "Trigona", kWidth, kHeight, &g.common,
                             ReadPreferences, WritePreferences, OnPaint, OnCommand,
                             CreateControls, Keys};

}  // namespace
}  // namespace prolexa::trigona

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using prolexa::trigona::g;
  g.instance = instance;
  return prolexa::RunCalculator(instance, prolexa::trigona::kCalculator, &g.main);
}
