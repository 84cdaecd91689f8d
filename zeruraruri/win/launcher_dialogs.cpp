#include "launcher_dialogs.h"

#include <shellapi.h>

#include <span>
#include <string>
#include <utility>

#include "control_factory.h"
#include "display_scale.h"
#include "gdi_formula_target.h"
#include "launcher.h"
#include "resource.h"
#include "scoped.h"
#include "settings_key.h"
#include "wide.h"

namespace prolexa::zeruraruri {
namespace {

constexpr char kLauncherKey[] = "Zeruraruri";
constexpr char kCombinationsKey[] = "Zazozarozovuz";
constexpr char kShapesKey[] = "Rezeze";
// What a dialog posts itself, with the new DPI, when the system has rescaled
// it for a screen of another DPI.
constexpr UINT kScaleBookFont = WM_APP + 1;

// What every one of the dialogs keeps while it is open: its colours and
// their background brush (white, or the pupil's window colour in high
// contrast), a font of its own for some texts, and the launcher to repaint
// when it closes.
struct DialogState {
  HINSTANCE instance = nullptr;
  HWND launcher = nullptr;
  Palette palette{};
  GdiBrush ground;
  GdiFont font;
  int fontHeight = 0;  // at 96 DPI; 0 while the dialog has no font of its own
  std::span<const int> fontTexts;
  int shape = 0;  // the settings dialog's shape
};

void ApplyBookFont(HWND dialog, DisplayScale scale);

DialogState& StateOf(HWND dialog) {
  return *reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The common part of the three dialog procedures. True when the message is
// answered and `result` holds the answer.
bool HandleCommonMessages(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                       INT_PTR& result) {
  // Before WM_INITDIALOG the dialog has no state to answer from.
  if (message != WM_INITDIALOG && GetWindowLongPtrW(dialog, DWLP_USER) == 0) {
    result = FALSE;
    return true;
  }
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      StateOf(dialog).ground.Reset(CreateSolidBrush(StateOf(dialog).palette.window));
      return false;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
      // The texts would keep the system's window text colour, which in
      // high contrast may be the white this background would otherwise be.
      const DialogState& state = StateOf(dialog);
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, state.palette.text);
      SetBkColor(dc, state.palette.window);
      result = reinterpret_cast<INT_PTR>(state.ground.Get());
      return true;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: {
      // High contrast turned on or off while the dialog is open.
      DialogState& state = StateOf(dialog);
      state.palette = CurrentPalette();
      state.ground.Reset(CreateSolidBrush(state.palette.window));
      RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      return false;
    }
    case WM_DPICHANGED:
      // The system rescales the template's controls and its font after this
      // message; the dialog's own font is rescaled once that is done.
      PostMessageW(dialog, kScaleBookFont, LOWORD(wParam), 0);
      return false;
    case kScaleBookFont:
      ApplyBookFont(dialog, ScaleForDpi(static_cast<UINT>(wParam)));
      result = TRUE;
      return true;
    default:
      return false;
  }
}

void Close(HWND dialog, INT_PTR result) {
  const HWND launcher = StateOf(dialog).launcher;
  EndDialog(dialog, result);
  InvalidateRect(launcher, nullptr, TRUE);
}

// Puts the dialog's "Times New Roman" on its texts at a scale, as large as
// the template's font has grown on the dialog's screen. The font the texts
// had is deleted once none of them shows it.
void ApplyBookFont(HWND dialog, DisplayScale scale) {
  DialogState& state = StateOf(dialog);
  if (state.fontHeight == 0) return;
  GdiFont font(
      CreateFontFromDefault(scale(state.fontHeight), 0, "Times New Roman"));
  for (int id : state.fontTexts) {
    SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  }
  state.font = std::move(font);
}

// A "Times New Roman" of the given height at 96 DPI on some of the dialog's
// texts.
void SetBookFont(HWND dialog, int height, std::span<const int> texts) {
  DialogState& state = StateOf(dialog);
  state.fontHeight = height;
  state.fontTexts = texts;
  ApplyBookFont(dialog, WindowScale(dialog));
}

using Icon = OwnedHandle<HICON, DestroyIcon>;

// The program's icon in the dialog's corner, loaded at the size it is
// drawn so that the icon file's nearest image is taken, not a stretched one;
// in high contrast no picture.
void PaintIcon(HWND dialog) {
  constexpr int kAt = 10;
  constexpr int kSize = 48;
  const DisplayScale scale = WindowScale(dialog);
  const PaintDC paint(dialog);
  if (StateOf(dialog).palette.system) return;
  const Icon icon(static_cast<HICON>(LoadImageW(StateOf(dialog).instance,
                                                MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                scale(kSize), scale(kSize), 0)));
  if (icon) {
    DrawIconEx(paint.Dc(), scale(kAt), scale(kAt), icon.Get(), scale(kSize), scale(kSize), 0,
               nullptr, DI_NORMAL);
  }
}

INT_PTR Run(HINSTANCE instance, HWND launcher, const Palette& palette, int templateId,
            DLGPROC procedure) {
  DialogState state;
  state.instance = instance;
  state.launcher = launcher;
  state.palette = palette;
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), launcher, procedure,
                         reinterpret_cast<LPARAM>(&state));
}

// Settings.

void ShowShape(HWND dialog) {
  const int shape = StateOf(dialog).shape;
  SetDlgItemTextW(dialog, IDC_SHAPE_TITLE, Widen(ShapeTitle(shape)).c_str());
  InvalidateRect(dialog, nullptr, TRUE);
}

void LoadSettings(HWND dialog) {
  std::string openKey;
  SettingsKey key;
  const auto open = [&](std::string_view name) {
    if (openKey == name) return;
    key.Open(HKEY_CURRENT_USER, SettingsPath(name));
    openKey = name;
  };
  for (const SettingsList& list : SettingsLists()) {
    const HWND combo = GetDlgItem(dialog, list.control);
    for (std::string_view entry : list.entries) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    }
    open(list.keyName);
    const DWORD stored = key.ReadDword(list.value, static_cast<DWORD>(list.defaultEntry));
    // A value that fits no entry leaves the list empty; OK then stores -1.
    SendMessageW(combo, CB_SETCURSEL, stored < static_cast<DWORD>(list.entries.count) ? stored
                                                                                    : WPARAM(-1),
                 0);
  }
  open(kCombinationsKey);
  // Any other stored number starts the calculator with its first option,
  // so the dialog shows that one.
  const DWORD option = key.ReadDword("index", 0);
  const int shown = option < static_cast<DWORD>(CombinationButtons) ? static_cast<int>(option) : 0;
  CheckDlgButton(dialog, FirstCombinationButton + shown, BST_CHECKED);
  open(kShapesKey);
  StateOf(dialog).shape = StoredShape(key.ReadDword("index", 0));
  ShowShape(dialog);
}

void SaveSettings(HWND dialog) {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(kLauncherKey));
  key.WriteDword("update", 0);
  for (const SettingsList& list : SettingsLists()) {
    key.Open(HKEY_CURRENT_USER, SettingsPath(list.keyName));
    const LRESULT chosen = SendDlgItemMessageW(dialog, list.control, CB_GETCURSEL, 0, 0);
    key.WriteDword(list.value, static_cast<DWORD>(chosen));  // CB_ERR is -1
  }
  key.Open(HKEY_CURRENT_USER, SettingsPath(kCombinationsKey));
  for (int i = 0; i < CombinationButtons; ++i) {
    if (IsDlgButtonChecked(dialog, FirstCombinationButton + i) == BST_CHECKED) {
      key.WriteDword("index", static_cast<DWORD>(i));
      break;
    }
  }
  key.Open(HKEY_CURRENT_USER, SettingsPath(kShapesKey));
  key.WriteDword("index", static_cast<DWORD>(StateOf(dialog).shape));
}

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  if (HandleCommonMessages(dialog, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_INITDIALOG:
      LoadSettings(dialog);
      return TRUE;
    case WM_PAINT: {
      const PaintDC paint(dialog);
      // The figure's places are 96-DPI pixels; the template's controls
      // around it grow with the dialog's font, so it grows by the same.
      const ScaledDrawing scaled(paint.Dc(), WindowScale(dialog));
      const Palette& palette = StateOf(dialog).palette;
      SetTextColor(paint.Dc(), palette.text);
      GdiFormulaTarget target(paint.Dc(), !palette.system);
      PaintSteps(ShapePreview(StateOf(dialog).shape), target, FormulaProfile{});
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_SHAPE_PREVIOUS:
          StateOf(dialog).shape = PreviousShape(StateOf(dialog).shape);
          ShowShape(dialog);
          return TRUE;
        case IDC_SHAPE_NEXT:
          StateOf(dialog).shape = NextShape(StateOf(dialog).shape);
          ShowShape(dialog);
          return TRUE;
        case IDC_SETTINGS_OK:
          SaveSettings(dialog);
          Close(dialog, IDC_SETTINGS_OK);
          return TRUE;
        // Enter and Esc close without saving, as the cancel button does.
        case IDOK:
        case IDCANCEL:
        case IDC_SETTINGS_CANCEL:
          Close(dialog, LOWORD(wParam));
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

// About.

constexpr int kAboutBookTexts[] = {IDC_ABOUT_NAME};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  if (HandleCommonMessages(dialog, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_INITDIALOG:
      SetBookFont(dialog, 20, kAboutBookTexts);
      return TRUE;
    case WM_PAINT:
      PaintIcon(dialog);
      return TRUE;
    case WM_LBUTTONDOWN:
      Close(dialog, IDCANCEL);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
      Close(dialog, LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

// Donation.

constexpr int kDonationBookTexts[] = {IDC_DONATION_SUPPORT, IDC_DONATION_PROGRAMS,
                                      IDC_DONATION_THANKS};

INT_PTR CALLBACK DonationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  if (HandleCommonMessages(dialog, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_INITDIALOG:
      SetBookFont(dialog, 17, kDonationBookTexts);
      return TRUE;
    case WM_PAINT:
      PaintIcon(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_DONATION_BUTTON) {
        // The dialog stays open; a page that cannot be opened passes silently.
        ShellExecuteW(StateOf(dialog).launcher, L"open", DonationPage, L"", L"", SW_SHOWNORMAL);
        return TRUE;
      }
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      Close(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowSettingsDialog(HINSTANCE instance, HWND launcher, const Palette& palette) {
  Run(instance, launcher, palette, IDD_SETTINGS, SettingsProc);
}

void ShowAboutDialog(HINSTANCE instance, HWND launcher, const Palette& palette) {
  Run(instance, launcher, palette, IDD_ABOUT, AboutProc);
}

void ShowDonationDialog(HINSTANCE instance, HWND launcher, const Palette& palette) {
  Run(instance, launcher, palette, IDD_DONATION, DonationProc);
}

}  // namespace prolexa::zeruraruri
