// Radixa: the roots of a quadratic equation, real or complex, with the
// worked solution.
#include <windows.h>
#include <commctrl.h>

#include "app_shell.h"
#include "control_factory.h"
#include "gdi_formula_target.h"
#include "number_text.h"
#include "radixa_solver.h"
#include "resource.h"
#include "scoped.h"
#include "settings_key.h"
#include "teaching_dialog.h"
#include "wide.h"

namespace prolexa::radixa {
namespace {

constexpr char kKeyName[] = "Radixa";
constexpr int kWidth = 750;
constexpr int kHeight = 550;
const CalculatorFrame kFrame{kWidth, kHeight, 453, "Radixa", 231, {670, 490}};
constexpr RECT kHelpRegion{695, 10, 730, 41};
// The roots below the fields, and the discriminant block beside them.
constexpr RECT kSolutionArea{11, 175, 739, 540};
constexpr RECT kDiscriminantArea{419, 75, 739, 175};
constexpr char kGeneralForm[] = "Všeobecný tvar: ax^ + bx + c = 0";

// Everything the window keeps between messages.
struct State {
  HINSTANCE instance = nullptr;
  HWND main = nullptr;
  HWND fieldA = nullptr, fieldB = nullptr, fieldC = nullptr;
  HWND roundingEdit = nullptr;
  HWND labelA = nullptr, labelB = nullptr, labelC = nullptr;
  HWND roundingLabel = nullptr, placesLabel = nullptr;
  HWND compute = nullptr, clear = nullptr, teach = nullptr;
  HWND spinner = nullptr;
  CommonWindowState common;
  DWORD round = 2;
  bool solutionValid = false;
  CoefficientTexts texts;  // as typed at the last compute
};

State g;

void ReadPreferences() {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(kKeyName));
  g.round = key.ReadDword("round", 2);
  key.Close();
}

void WritePreferences() {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(kKeyName));
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
  make(g.fieldA, [&] { return f.CreateEdit("", 78, 77, 50, 21); });
  make(g.fieldB, [&] { return f.CreateEdit("", 78, 104, 50, 21); });
  make(g.fieldC, [&] { return f.CreateEdit("", 78, 131, 50, 21); });
  make(g.roundingEdit, [&] { return f.CreateNumberEdit("", 233, 127, 30, 21); });
  make(g.labelA, [&] { return f.CreateLabel("hodnota a", 12, 77, 50, 20); });
  make(g.labelB, [&] { return f.CreateLabel("hodnota b", 12, 104, 50, 20); });
  make(g.labelC, [&] { return f.CreateLabel("hodnota c", 12, 131, 50, 20); });
  make(g.roundingLabel, [&] { return f.CreateLabel("Zaokrouhlit na:", 155, 130, 70, 15); });
  make(g.placesLabel, [&] { return f.CreateLabel("místa", 266, 130, 35, 15); });
  make(g.compute, [&] { return f.CreateButton("OK", 150, 90, 75, 25); });
  make(g.clear, [&] { return f.CreateButton("Vymazat", 231, 90, 75, 25); });
  make(g.teach, [&] { return f.CreateButton("Výuka", 312, 90, 75, 25); });
  if (!ok) return false;
  f.CreateSpinner(&g.spinner, g.roundingEdit, 0, 6, static_cast<int>(g.round));
  if (!g.spinner) return false;
  g.common.helpRegion = kHelpRegion;

  const HWND withFont[] = {g.roundingEdit, g.fieldA,  g.fieldB,        g.fieldC,
                           g.labelA,       g.labelB,  g.labelC,        g.compute,
                           g.clear,        g.teach,   g.roundingLabel, g.placesLabel};
  f.ApplyDefaultFont(withFont, static_cast<int>(std::size(withFont)));
  // The fields keep no more than the solver reads, so what the pupil sees is
  // what is computed.
  const HWND limited[] = {g.roundingEdit, g.fieldA, g.fieldB, g.fieldC};
  const int limits[] = {1, CoefficientLimit, CoefficientLimit, CoefficientLimit};
  f.LimitTexts(limited, 4, limits);
  UpdatePlacesLabel(g.roundingEdit, g.placesLabel, PlacesLanguage::Czech);
  SetFocus(g.fieldA);
  return true;
}

void OnPaint() {
  PaintDC paint(g.main);
  const HDC dc = paint.Dc();
  PaintFrame(dc, g.instance, kFrame, g.common);
  // The general form stands over the foot of the header band, beside the
  // title, so it comes after the band.
  GdiFormulaTarget target(dc);
  FormulaPainter(target, RadixaFormulas, 150, 60).DrawFormula(kGeneralForm);
  if (g.solutionValid) {
    const int places = PlacesFromText(WindowTextUtf8(g.roundingEdit));
    PaintSteps(DrawQuadraticSolution(g.texts, places), target, RadixaFormulas);
  }
}

void InvalidateSolution() {
  InvalidateResult(g.main, kSolutionArea);
  InvalidateResult(g.main, kDiscriminantArea);
}

void Compute() {
  g.texts = {WindowTextUtf8(g.fieldA), WindowTextUtf8(g.fieldB), WindowTextUtf8(g.fieldC)};
  InvalidateSolution();
  const CheckResult check = CheckCoefficients(g.texts);
  // The flag changes before the message box, whose modal loop repaints.
  g.solutionValid = check.valid;
  if (check.refusal) ShowRefusal(g.main, *check.refusal);
}

void Clear() {
  g.solutionValid = false;
  for (HWND field : {g.fieldA, g.fieldB, g.fieldC}) SetWindowTextW(field, L"");
  InvalidateSolution();
}

void OnCommand(HWND sender) {
  if (sender == g.compute) {
    Compute();
  } else if (sender == g.clear) {
    Clear();
  } else if (sender == g.roundingEdit) {
    UpdatePlacesLabel(g.roundingEdit, g.placesLabel, PlacesLanguage::Czech);
  } else if (sender == g.teach) {
    TeachingDialogLook look;
    look.templateId = IDD_TEACHING;
    ShowTeachingDialog(g.instance, g.main, look);
  }
}

KeyPolicy Keys() {
  KeyPolicy keys;
  keys.focusChain = {g.fieldA, g.fieldB, g.fieldC, g.compute, g.clear, g.roundingEdit};
  // The keypad minus types a sign into the coefficients; the main-row minus
  // does not.
  keys.signedEdits = {g.fieldA, g.fieldB, g.fieldC};
  keys.roundingEdit = g.roundingEdit;
  keys.helpOwner = g.main;
  return keys;
}

const Calculator kCalculator{kKeyName, "Radixa", kWidth, kHeight, &g.common,
                             ReadPreferences, WritePreferences, OnPaint, OnCommand,
                             CreateControls, Keys};

}  // namespace
}  // namespace prolexa::radixa

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using prolexa::radixa::g;
  g.instance = instance;
  return prolexa::RunCalculator(instance, prolexa::radixa::kCalculator, &g.main);
}
