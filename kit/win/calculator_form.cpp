#include "calculator_form.h"

#include <commctrl.h>

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "accessible.h"
#include "display_scale.h"
#include "gdi_formula_target.h"
#include "plain_text.h"
#include "spoken_text.h"
#include "scoped.h"
#include "settings_key.h"
#include "wide.h"

namespace prolexa {
namespace {

constexpr char kPlacesPreference[] = "round";
constexpr char kZoomPreference[] = "zoom";

// Every button of a form is this big, and a button's neighbour in a row
// stands this far to its right.
constexpr int kButtonWidth = 75, kButtonHeight = 25;
constexpr int kButtonGap = 6;

ControlPlace ButtonAt(POINT corner) { return {corner.x, corner.y, kButtonWidth, kButtonHeight}; }

// The help icon (35 x 31) in the header band, 20 pixels in from the
// window's right edge.
RECT HelpIconPlace(const CalculatorFrame& frame) {
  return {frame.width - 55, 10, frame.width - 20, 41};
}

// The rounding selector's three parts around the count's edit.
RoundingSelectorPlace RoundingPlace(const RoundingPreference& rounding, POINT edit) {
  // The label stands right-aligned before the edit with room for its
  // longest wording in every language at every scale, as is the places
  // word after it.
  constexpr int kLabelWidth = 84, kEditWidth = 30, kEditHeight = 21, kWordWidth = 40;
  constexpr int kTextHeight = 15, kWordGap = 3;
  const int textY = edit.y + rounding.textDrop;
  return {.label = {edit.x - rounding.labelGap - kLabelWidth, textY, kLabelWidth, kTextHeight},
          .edit = {edit.x, edit.y, kEditWidth, kEditHeight},
          .places = {edit.x + kEditWidth + kWordGap, textY, kWordWidth, kTextHeight}};
}

// A text as the clipboard takes it: UTF-16 with its terminating zero, in
// movable global memory.
GlobalMemory GlobalText(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return memory;
  const GlobalLocked<void> out(memory.Get());
  if (out.Get() == nullptr) return GlobalMemory();
  std::memcpy(out.Get(), text.c_str(), bytes);
  return memory;
}

int ListChoice(const SettingsKey& key, const FormList& list) {
  if (list.preference == nullptr) return list.defaultEntry;
  const DWORD stored = key.ReadDword(list.preference, static_cast<DWORD>(list.defaultEntry));
  // The launcher stores -1 for a list left empty; that and anything else
  // outside the list would leave the list empty and its row without a unit.
  return stored < static_cast<DWORD>(list.entries.count) ? static_cast<int>(stored)
                                                         : list.defaultEntry;
}

// Pasted text in a number field goes through the key filter's rules; typed
// characters have been filtered before they got here.
LRESULT CALLBACK PasteFilterProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR, DWORD_PTR field) {
  if (message != WM_PASTE) return DefSubclassProc(edit, message, wParam, lParam);
  std::string pasted;
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
    const ScopedClipboard clipboard(edit);
    const HANDLE data = clipboard.Opened() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    if (data != nullptr) {
      const GlobalLocked<const wchar_t> text(data);
      if (text.Get() != nullptr) pasted = Narrow(text.Get());
    }
  }
  const TextAroundSelection around = SplitAtSelection(edit);
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  const PastedText result =
      PasteIntoField(around.before, pasted, around.after, static_cast<KeyField>(field), limit);
  // The whole text is replaced, since a point after the selection may go;
  // as one edit, which the pupil can undo, with the caret after the paste.
  const std::wstring whole = Widen(result.text);
  const auto caret =
      static_cast<WPARAM>(Widen(std::string_view(result.text).substr(0, result.caret)).size());
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(whole.c_str()));
  SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
  return 0;
}

void FilterPastes(HWND edit, KeyField field) {
  SetWindowSubclass(edit, PasteFilterProc, 0, static_cast<DWORD_PTR>(field));
}

// Lets a control draw a part of itself (its frame or its client area) into
// the picture at `place`, in the picture's logical coordinates. Controls
// draw from their DC's device origin, so each draws into a bitmap of its
// own, which starts as the picture there: what it leaves alone stays.
void PrintPart(HDC picture, const RECT& place, HWND control, UINT message, LPARAM flags) {
  const int w = place.right - place.left;
  const int h = place.bottom - place.top;
  if (w <= 0 || h <= 0) return;
  const MemoryDC part(picture);
  const GdiBitmap bitmap(CreateCompatibleBitmap(picture, w, h));
  if (part.Dc() == nullptr || !bitmap) return;
  const ScopedSelectObject select(part.Dc(), bitmap.Get());
  BitBlt(part.Dc(), 0, 0, w, h, picture, place.left, place.top, SRCCOPY);
  SendMessageW(control, message, reinterpret_cast<WPARAM>(part.Dc()), flags);
  BitBlt(picture, place.left, place.top, w, h, part.Dc(), 0, 0, SRCCOPY);
}

// Draws the controls that stand in the box over what the window paints
// itself, the bottom of the z-order first, as the window shows them: each
// its frame (a system that prints no frames leaves the few pixels of a
// field's edge out) and its client area. The picture's logical coordinates
// are the window's client coordinates.
void PrintControls(HWND main, HDC picture, const RECT& box) {
  const HWND top = GetWindow(main, GW_CHILD);
  for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child != nullptr;
       child = GetWindow(child, GW_HWNDPREV)) {
    RECT frame{};
    RECT shown{};
    GetWindowRect(child, &frame);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&frame), 2);
    if (!IsWindowVisible(child) || !IntersectRect(&shown, &frame, &box)) continue;
    RECT inside{};
    GetClientRect(child, &inside);
    MapWindowPoints(child, main, reinterpret_cast<POINT*>(&inside), 2);
    PrintPart(picture, frame, child, WM_PRINT, PRF_NONCLIENT);
    PrintPart(picture, inside, child, WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND);
  }
}

// The help button lets the mouse through to the window, which shows the
// icon's hover picture and opens help on a click as it always has.
LRESULT CALLBACK MouseThroughProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR) {
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  return DefSubclassProc(control, message, wParam, lParam);
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool Contains(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

FormPreferences ReadFormPreferences(const CalculatorForm& form) {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(form.keyName));
  FormPreferences read;
  for (const FormList& list : form.lists) read.lists.push_back(ListChoice(key, list));
  for (const FormOption& option : form.options) {
    const DWORD fallback = option.defaultChecked ? 1 : 0;
    // Only 1 ticks the box; any other stored number leaves it clear.
    read.options.push_back(option.preference == nullptr
                               ? option.defaultChecked
                               : key.ReadDword(option.preference, fallback) == 1);
  }
  if (form.modes.preference != nullptr) {
    // A stored exercise outside the list would leave an empty form.
    const DWORD mode = key.ReadDword(form.modes.preference, 0);
    read.mode = mode < static_cast<DWORD>(form.modes.count) ? static_cast<int>(mode) : 0;
  }
  read.zoom = StoredZoom(key.ReadDword(kZoomPreference, static_cast<DWORD>(LeastZoom)));
  const int fallback = form.rounding.defaultPlaces;
  const DWORD places = key.ReadDword(kPlacesPreference, static_cast<DWORD>(fallback));
  read.places = places <= static_cast<DWORD>(MostPlaces) ? static_cast<int>(places) : fallback;
  return read;
}

void CalculatorWindow::WritePreferences() const {
  SettingsKey key;
  key.Open(HKEY_CURRENT_USER, SettingsPath(form_.keyName));
  for (std::size_t i = 0; i < options_.size(); ++i) {
    if (const char* name = form_.options[i].preference) {
      key.WriteDword(name, Checked(options_[i]) ? 1 : 0);
    }
  }
  key.WriteDword(kZoomPreference, static_cast<DWORD>(zoom_));
  if (rounding_.spinner != nullptr) {
    key.WriteDword(kPlacesPreference, static_cast<DWORD>(SpinnerPosition(
                                          rounding_.spinner, form_.rounding.defaultPlaces)));
  }
}

HWND CalculatorWindow::Placed(HWND control, const ControlPlace& place) {
  if (control != nullptr) placed_.push_back({control, place});
  return control;
}

bool CalculatorWindow::CreateControls() {
  // A field of no known kind would take every key.
  if (form_.fieldKeys.size() != form_.fields.size()) return false;
  // Each control is made at its place at the window's scale and kept with
  // its 96-DPI place, from which a change of scale places it anew.
  const ControlFactory f(instance_, main_);
  // Start-up ends at the first control that cannot be made.
  const auto made = [this](std::vector<HWND>& into, HWND control, const ControlPlace& p) {
    if (Placed(control, p) == nullptr) return false;
    into.push_back(control);
    return true;
  };
  // Each field's label right before its edit: a screen reader names an
  // edit by the text that precedes it among the window's controls.
  for (const FormField& field : form_.fields) {
    const ControlPlace l = AtScale(field.labelPlace);
    if (!made(fieldLabels_, f.CreateLabel(field.label, l.x, l.y, l.w, l.h), field.labelPlace)) {
      return false;
    }
    const ControlPlace p = AtScale(field.place);
    if (!made(fields_, f.CreateEdit(field.initial, p.x, p.y, p.w, p.h), field.place)) return false;
    if (!field.enabled) EnableWindow(fields_.back(), FALSE);
  }
  for (const FormList& list : form_.lists) {
    const ControlPlace p = AtScale(list.place);
    if (!made(lists_, f.CreateDropList(p.x, p.y, p.w, p.h), list.place)) return false;
  }
  for (const FormLabel& label : form_.labels) {
    const ControlPlace p = AtScale(label.place);
    if (!made(labels_, f.CreateLabel(label.text, p.x, p.y, p.w, p.h), label.place)) return false;
  }
  for (std::size_t i = 0; i < lists_.size(); ++i) NameByLabel(lists_[i], ListLabel(i));
  for (const FormOption& option : form_.options) {
    const ControlPlace p = AtScale(option.place);
    if (!made(options_, f.CreateCheckBox(option.text, p.x, p.y, p.w, p.h), option.place)) return false;
  }
  for (const FormLabel& radio : form_.modes.radios) {
    const ControlPlace p = AtScale(radio.place);
    if (!made(radios_, f.CreateRadioButton(radio.text, p.x, p.y, p.w, p.h), radio.place)) return false;
    if (!radio.enabled) EnableWindow(radios_.back(), FALSE);
  }
  std::vector<HWND> buttons;
  const auto button = [&](HWND& out, std::string_view text, const ControlPlace& place) {
    const ControlPlace p = AtScale(place);
    out = f.CreateButton(text, p.x, p.y, p.w, p.h);
    return made(buttons, out, place);
  };
  const POINT ok = form_.computeButton;
  const POINT clear = form_.clearButton.value_or(POINT{ok.x + kButtonWidth + kButtonGap, ok.y});
  if (!button(compute_, "OK", ButtonAt(ok)) ||
      !button(clear_, form_.clearText, ButtonAt(clear))) {
    return false;
  }
  if (form_.teachButton && !button(teach_, "Výuka", ButtonAt(*form_.teachButton))) {
    return false;
  }
  for (const FormButton& own : form_.buttons) {
    HWND pressable = nullptr;
    if (!button(pressable, own.text, own.place)) return false;
    buttons_.push_back(pressable);
  }
  const std::optional<POINT> places = form_.rounding.edit;
  if (places) {
    const RoundingSelectorPlace at = RoundingPlace(form_.rounding, *places);
    if (!CreateRoundingSelector(f, rounding_,
                                {AtScale(at.label), AtScale(at.edit), AtScale(at.places)},
                                preferences_.places, form_.core.language)) {
      return false;
    }
    NameByLabel(rounding_.spinner, rounding_.label);
    Placed(rounding_.label, at.label);
    Placed(rounding_.edit, at.edit);
    Placed(rounding_.places, at.places);
    if (!form_.rounding.caption.empty()) {
      SetWindowTextUtf8(rounding_.label, form_.rounding.caption);
    }
  }

  common_.helpRegion = HelpIconPlace(form_.frame);
  const bool czech = form_.core.language == PlacesLanguage::Czech;
  const RECT& icon = common_.helpRegion;
  const ControlPlace helpPlace{icon.left, icon.top, icon.right - icon.left, icon.bottom - icon.top};
  const ControlPlace h = AtScale(helpPlace);
  help_ = Placed(f.CreateDrawnButton(czech ? "Nápověda" : "Pomocník", h.x, h.y, h.w, h.h),
                 helpPlace);
  if (help_ == nullptr) return false;
  SetWindowSubclass(help_, MouseThroughProc, 0, 0);
  // Made last, it stands below every control in the area.
  if (!view_.Create(instance_, main_, czech ? "Řešení" : "Riešenie", *this)) return false;
  ApplyScale(false);
  for (std::size_t i = 0; i < options_.size(); ++i) {
    if (preferences_.options[i]) SendMessageW(options_[i], BM_SETCHECK, BST_CHECKED, 0);
  }
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    const DWORD choice = static_cast<DWORD>(preferences_.lists[i]);
    f.FillCombos(&lists_[i], 0, 1, form_.lists[i].entries, &choice);
  }
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const FormField& field = form_.fields[i];
    if (field.limit > 0) f.LimitTexts(&fields_[i], 1, &field.limit);
    if (form_.fieldKeys[i] != KeyField::Other) FilterPastes(fields_[i], form_.fieldKeys[i]);
  }
  if (places) FilterPastes(rounding_.edit, KeyField::Rounding);
  mode_ = preferences_.mode;
  if (!radios_.empty()) {
    SendMessageW(radios_.at(static_cast<std::size_t>(mode_)), BM_SETCHECK, BST_CHECKED, 0);
  }
  ShowMode();
  FocusFirstField();
  return true;
}

ControlPlace CalculatorWindow::AtScale(const ControlPlace& place) const {
  // Edges scaled, not sizes: controls that touch at 96 DPI still touch.
  const int x = scale_(place.x);
  const int y = scale_(place.y);
  return {x, y, scale_(place.x + place.w) - x, scale_(place.y + place.h) - y};
}

void CalculatorWindow::ApplyScale(bool move) {
  common_.scale = scale_;
  // The old font goes only once no control uses it.
  GdiFont font(CreateUiFont(scale_));
  const auto fontHandle = reinterpret_cast<WPARAM>(font.Get());
  for (const PlacedControl& placed : placed_) {
    // The font first: a list's closed height follows its font, and its
    // place's height is then the dropped list's.
    SendMessageW(placed.control, WM_SETFONT, fontHandle, FALSE);
    if (!move) continue;
    const ControlPlace p = AtScale(placed.place);
    SetWindowPos(placed.control, nullptr, p.x, p.y, p.w, p.h, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  font_ = std::move(font);
  view_.Place(SolutionBox());
  ShowLines(SolutionChange::Rewritten);
  if (rounding_.spinner == nullptr) return;
  // Attached anew, the up-down control takes the right end of the edit's
  // new place. Its own width the system gives at 96 DPI, so it is made as
  // much wider as the scale asks.
  constexpr int kSpinnerWidth = 16;
  if (move) {
    SendMessageW(rounding_.spinner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(rounding_.edit), 0);
  }
  RECT spinner{};
  RECT edit{};
  GetWindowRect(rounding_.spinner, &spinner);
  GetWindowRect(rounding_.edit, &edit);
  MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&spinner), 2);
  MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&edit), 2);
  const int wider = scale_(kSpinnerWidth) - (spinner.right - spinner.left);
  if (wider > 0) {
    SetWindowPos(rounding_.spinner, nullptr, spinner.left - wider, spinner.top,
                 spinner.right - spinner.left + wider, spinner.bottom - spinner.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(rounding_.edit, nullptr, 0, 0, edit.right - edit.left - wider,
                 edit.bottom - edit.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CalculatorWindow::Zoom(ZoomKey key) {
  const int zoom = ZoomAfter(zoom_, key);
  if (zoom == zoom_ || forcedScale_) return;
  zoom_ = zoom;
  const DisplayScale scale = Zoomed(screen_, zoom_);
  ChangeScale(scale, GrownFromCorner(main_, scale, form_.frame.width, form_.frame.height));
}

void CalculatorWindow::SetPalette(const Palette& palette) {
  common_.palette = palette;
  common_.whiteBrush.Reset(CreateSolidBrush(palette.window));
  RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CalculatorWindow::ChangeScale(DisplayScale scale, const RECT& suggested) {
  scale_ = scale;
  SetWindowPos(main_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyScale(true);
  InvalidateRect(main_, nullptr, TRUE);
}

HWND CalculatorWindow::ListLabel(std::size_t list) const {
  const FormList& described = form_.lists[list];
  if (described.label >= 0) {
    return described.label < static_cast<int>(labels_.size())
               ? labels_[static_cast<std::size_t>(described.label)]
               : nullptr;
  }
  // The nearest field on the list's row to its left (rows are placed by the
  // form's own places, before any exercise moves them).
  HWND label = nullptr;
  int nearest = -1;
  for (std::size_t i = 0; i < form_.fields.size(); ++i) {
    const ControlPlace& field = form_.fields[i].place;
    if (field.y != described.place.y || field.x >= described.place.x || field.x <= nearest) {
      continue;
    }
    nearest = field.x;
    label = fieldLabels_[i];
  }
  return label;
}

HWND CalculatorWindow::ControlOf(FormControl control) const {
  const auto at = [&control](const std::vector<HWND>& controls) {
    return control.index >= 0 && control.index < static_cast<int>(controls.size())
               ? controls[static_cast<std::size_t>(control.index)]
               : nullptr;
  };
  switch (control.kind) {
    case FormControl::Kind::Field:
      return at(fields_);
    case FormControl::Kind::List:
      return at(lists_);
    case FormControl::Kind::Option:
      return at(options_);
    case FormControl::Kind::Compute:
      return compute_;
    case FormControl::Kind::Clear:
      return clear_;
    case FormControl::Kind::Rounding:
      return rounding_.edit;
    case FormControl::Kind::Teach:
      return teach_;
    case FormControl::Kind::Button:
      return at(buttons_);
    case FormControl::Kind::Radio:
      return at(radios_);
  }
  return nullptr;
}

KeyPolicy CalculatorWindow::Keys() const {
  KeyPolicy keys;
  // The solution comes after the form's last button: after "OK" the pupil
  // reads what it gave.
  std::size_t afterButtons = 0;
  for (const FormControl& control : form_.focusChain) {
    const HWND window = ControlOf(control);
    if (window == nullptr) continue;
    keys.focusChain.push_back(window);
    using enum FormControl::Kind;
    const FormControl::Kind kind = control.kind;
    if (kind == Compute || kind == Clear || kind == Teach || kind == Button) {
      afterButtons = keys.focusChain.size();
    }
  }
  keys.focusChain.insert(keys.focusChain.begin() + static_cast<std::ptrdiff_t>(afterButtons),
                         view_.Window());
  keys.focusChain.push_back(help_);
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const KeyField kind = form_.fieldKeys[i];
    if (kind == KeyField::Number) keys.numberEdits.push_back(fields_[i]);
    if (kind == KeyField::SignedNumber) keys.signedEdits.push_back(fields_[i]);
    if (kind == KeyField::Digits) keys.digitEdits.push_back(fields_[i]);
  }
  keys.roundingEdit = rounding_.edit;
  keys.helpOwner = main_;
  keys.enterButton = compute_;
  keys.copyTarget = main_;
  keys.zoomTarget = main_;
  return keys;
}

void CalculatorWindow::InvalidateSolution() {
  RECT client{};
  GetClientRect(main_, &client);
  for (const RECT& named : form_.solutionAreas) {
    // A line may run past the area the program names; whatever it drew
    // there must go with it.
    RECT area = scale_(named);
    area.right = std::max(area.right, client.right);
    InvalidateResult(main_, area);
  }
}

void CalculatorWindow::Compute() {
  // The refusal's box dispatches the messages meanwhile posted to the form:
  // a click on "OK" there would stack a second box on the first.
  if (refusing_) return;
  captured_ = FormInputs{};
  for (HWND field : fields_) captured_.texts.push_back(WindowTextUtf8(field));
  for (HWND list : lists_) {
    captured_.lists.push_back(static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
  }
  for (HWND option : options_) captured_.options.push_back(Checked(option));
  captured_.mode = mode_;
  InvalidateSolution();
  solution_ = Solve(form_.core, captured_, CurrentPlaces());
  // The state changes before the message box, whose modal loop repaints.
  shown_ = solution_.verdict.Accepted();
  ShowLines(SolutionChange::Replaced);
  if (solution_.verdict.refusal) {
    refusing_ = true;
    form_.showRefusal(main_, *solution_.verdict.refusal);
    refusing_ = false;
  }
}

RECT CalculatorWindow::SolutionBox() const {
  RECT client{};
  GetClientRect(main_, &client);
  RECT box{};
  for (const RECT& area : form_.solutionAreas) {
    const RECT scaled = scale_(area);
    UnionRect(&box, &box, &scaled);
  }
  box.right = std::max(box.right, client.right);
  IntersectRect(&box, &box, &client);
  return box;
}

bool CalculatorWindow::CopySolution() {
  if (!shown_) return true;
  FollowPlaces();
  // The lines as the display list holds them, and the area as painted.
  std::wstring text;
  for (const std::string& line : SolutionText(solution_.layouts)) {
    if (!text.empty()) text += L"\r\n";
    text += Widen(line);
  }
  const RECT box = SolutionBox();
  GlobalMemory picture = SolutionPicture(box);
  GlobalMemory words = GlobalText(text);
  const ScopedClipboard clipboard(main_);
  if (!clipboard.Opened()) return false;
  EmptyClipboard();
  const bool written = words && SetClipboardData(CF_UNICODETEXT, words.Get()) != nullptr;
  if (written) words.Release();  // the clipboard owns it now
  const bool drawn = picture && SetClipboardData(CF_DIB, picture.Get()) != nullptr;
  if (drawn) picture.Release();
  return written && drawn;
}

GlobalMemory CalculatorWindow::SolutionPicture(const RECT& box) {
  const int w = box.right - box.left;
  const int h = box.bottom - box.top;
  if (w <= 0 || h <= 0) return GlobalMemory();
  const WindowDC screen(main_);
  const MemoryDC memory(screen.Dc());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;  // bottom-up, as a packed DIB is stored
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const GdiBitmap bitmap(CreateDIBSection(screen.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr || memory.Dc() == nullptr) return GlobalMemory();
  {
    const ScopedSelectObject select(memory.Dc(), bitmap.Get());
    PaintBox(memory.Dc(), box);
    PrintControls(main_, memory.Dc(), box);
    GdiFlush();
  }
  const std::size_t stride = ((static_cast<std::size_t>(w) * 3 + 3) / 4) * 4;
  const std::size_t size = stride * static_cast<std::size_t>(h);
  GlobalMemory packed(GlobalAlloc(GMEM_MOVEABLE, sizeof info.bmiHeader + size));
  if (!packed) return packed;
  const GlobalLocked<unsigned char> out(packed.Get());
  if (out.Get() == nullptr) return GlobalMemory();
  info.bmiHeader.biSizeImage = static_cast<DWORD>(size);
  std::memcpy(out.Get(), &info.bmiHeader, sizeof info.bmiHeader);
  std::memcpy(out.Get() + sizeof info.bmiHeader, bits, size);
  return packed;
}

void CalculatorWindow::ShowSolutionMenu(POINT client) {
  const RECT box = SolutionBox();
  if (!PtInRect(&box, client)) return;
  const PopupMenu menu(CreatePopupMenu());
  if (!menu) return;
  constexpr UINT kCopy = 1;
  AppendMenuW(menu.Get(), MF_STRING | (shown_ ? MF_ENABLED : MF_GRAYED), kCopy,
              Widen(form_.copyText).c_str());
  POINT screen = client;
  ClientToScreen(main_, &screen);
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       screen.x, screen.y, 0, main_, nullptr));
  if (chosen == kCopy) CopySolution();
}

int CalculatorWindow::CurrentPlaces() const {
  return PlacesFromText(WindowTextUtf8(rounding_.edit));
}

void CalculatorWindow::FollowPlaces() {
  const int places = CurrentPlaces();
  if (places != solution_.places) Redraw(form_.core, places, solution_);
}

void CalculatorWindow::Clear() {
  shown_ = false;
  ShowLines(SolutionChange::Replaced);
  for (HWND field : fields_) SetWindowTextW(field, L"");
  InvalidateSolution();
}

void CalculatorWindow::ShowLines(SolutionChange change) {
  std::vector<SolutionLine> lines;
  if (shown_) {
    // The lines that draw text, as the copied and the spoken text count them.
    for (const FormulaLayout& layout : solution_.layouts) {
      if (layout.texts.empty()) continue;
      const Box& ink = layout.extent;
      lines.push_back({SpokenLine(layout, form_.core.language), LineText(layout),
                       scale_(RECT{ink.left, ink.top, ink.right, ink.bottom})});
    }
  }
  view_.SetLines(std::move(lines), change);
}

void CalculatorWindow::PaintContent(HDC dc) {
  // Everything below is drawn at its 96-DPI place; the context scales it.
  const ScaledDrawing scaled(dc, scale_);
  PaintFrame(dc, instance_, form_.frame, form_.caption, common_);
  SetTextColor(dc, common_.palette.text);
  GdiFormulaTarget target(dc, !common_.palette.system);
  if (form_.figure != nullptr) PaintSteps(form_.figure(mode_), target, form_.core.profile);
  if (shown_) {
    FollowPlaces();
    PaintLayouts(solution_.layouts, target);
  }
}

void CalculatorWindow::PaintBox(HDC dc, const RECT& box) {
  // The same painting as the window's, moved so that the box's corner
  // lands on the context's.
  SetViewportOrgEx(dc, -box.left, -box.top, nullptr);
  // The window's paint finds its background erased in the palette's window
  // colour; a new bitmap is black.
  FillRect(dc, &box, common_.whiteBrush ? common_.whiteBrush.Get()
                                        : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  PaintContent(dc);
}

void CalculatorWindow::DrawHelpButton(const DRAWITEMSTRUCT& item) {
  RECT box = item.rcItem;
  MapWindowPoints(item.hwndItem, main_, reinterpret_cast<POINT*>(&box), 2);
  const int saved = SaveDC(item.hDC);
  PaintBox(item.hDC, box);
  RestoreDC(item.hDC, saved);
  if (item.itemState & ODS_FOCUS) {
    RECT frame = item.rcItem;
    DrawFocusRect(item.hDC, &frame);
  }
}

void CalculatorWindow::OnCommand(HWND sender, UINT notification) {
  if (sender == nullptr) return;
  if (sender == compute_ && notification == BN_CLICKED) {
    Compute();
  } else if (sender == clear_ && notification == BN_CLICKED) {
    Clear();
  } else if (sender == help_ && notification == BN_CLICKED) {
    if (common_.openHelp != nullptr) common_.openHelp(main_);
  } else if (sender == teach_ && notification == BN_CLICKED) {
    ShowTeachingDialog(instance_, main_, form_.teaching);
  } else if (sender == rounding_.edit && notification == EN_CHANGE) {
    UpdatePlacesLabel(rounding_.edit, rounding_.places, form_.core.language);
    // The shown results are written anew at the new count and drawn at once.
    if (shown_) {
      FollowPlaces();
      ShowLines(SolutionChange::Rewritten);
      InvalidateSolution();
    }
  } else if (Contains(lists_, sender) && notification == CBN_SELCHANGE) {
    const auto list = std::find(lists_.begin(), lists_.end(), sender) - lists_.begin();
    if (list == form_.modes.list) {
      const auto mode = static_cast<int>(SendMessageW(sender, CB_GETCURSEL, 0, 0));
      if (mode >= 0 && mode < form_.modes.count) SwitchMode(mode, !form_.modes.listKeepsFields);
    }
    // The solution read the old entry: show it again only as checked anew.
    if (shown_) Compute();
  } else if (Contains(options_, sender) && notification == BN_CLICKED) {
    const auto option = std::find(options_.begin(), options_.end(), sender) - options_.begin();
    if (shown_ && form_.options[static_cast<std::size_t>(option)].shapesSolution) Compute();
  } else if (Contains(radios_, sender) && notification == BN_CLICKED) {
    const auto mode = static_cast<int>(std::find(radios_.begin(), radios_.end(), sender) -
                                       radios_.begin());
    if (form_.modes.chosen != nullptr) {
      form_.modes.chosen(*this, mode);
    } else if (mode != mode_) {
      SwitchMode(mode);
    }
    // The arrow keys go on moving between the radio buttons.
    SetFocus(sender);
  } else if (Contains(buttons_, sender) && notification == BN_CLICKED) {
    const auto button = std::find(buttons_.begin(), buttons_.end(), sender) - buttons_.begin();
    if (const auto pressed = form_.buttons[static_cast<std::size_t>(button)].pressed) {
      pressed(*this);
    }
  }
}

void CalculatorWindow::SwitchMode(int mode, bool emptyFields) {
  shown_ = false;
  ShowLines(SolutionChange::Replaced);
  mode_ = mode;
  if (emptyFields) {
    for (HWND field : fields_) SetWindowTextW(field, L"");
  }
  ShowMode();
  // The figure, the rows and the solution all change.
  InvalidateRect(main_, nullptr, TRUE);
  // A list that chose the mode keeps the focus: the arrow keys go on
  // choosing in it, and the Enter that closes it must not land in an
  // emptied field and press "OK" there.
  if (!Contains(lists_, GetFocus())) FocusFirstField();
}

void CalculatorWindow::ShowMode() {
  if (form_.modes.show != nullptr) form_.modes.show(*this);
  if (form_.modes.list >= 0) {
    SendMessageW(List(form_.modes.list), CB_SETCURSEL, static_cast<WPARAM>(mode_), 0);
  }
}

void CalculatorWindow::FocusFirstField() const {
  for (HWND field : fields_) {
    // The style, not IsWindowVisible: the main window may not be shown yet.
    if (GetWindowLongW(field, GWL_STYLE) & WS_VISIBLE) {
      SetFocus(field);
      return;
    }
  }
}

void CalculatorWindow::MoveRow(int field, int y) {
  const auto i = static_cast<std::size_t>(field);
  std::vector<HWND> row = {fieldLabels_.at(i), fields_.at(i)};
  if (i < lists_.size()) row.push_back(lists_[i]);
  for (PlacedControl& placed : placed_) {
    if (std::find(row.begin(), row.end(), placed.control) == row.end()) continue;
    placed.place.y = y;
    // Only moved: a list's height includes its dropped part, which its
    // window rectangle does not show.
    const ControlPlace p = AtScale(placed.place);
    SetWindowPos(placed.control, nullptr, p.x, p.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CalculatorWindow::ShowRow(int field, bool shown) {
  const int show = shown ? SW_SHOW : SW_HIDE;
  const auto i = static_cast<std::size_t>(field);
  ShowWindow(fields_.at(i), show);
  ShowWindow(fieldLabels_.at(i), show);
  if (i < lists_.size()) ShowWindow(lists_[i], show);
}

void CalculatorWindow::SetFieldLabel(int field, std::string_view text) {
  SetWindowTextUtf8(fieldLabels_.at(static_cast<std::size_t>(field)), text);
}

void CalculatorWindow::RefillList(int list, UnitList entries, int selected) {
  const HWND combo = lists_.at(static_cast<std::size_t>(list));
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  const DWORD choice = static_cast<DWORD>(selected);
  ControlFactory(instance_, main_).FillCombos(&combo, 0, 1, entries, &choice);
}

LRESULT CALLBACK CalculatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* found = CreationState<CalculatorWindow>(window, message, lParam);
  // The few messages before WM_NCCREATE (WM_GETMINMAXINFO) need no calculator.
  if (found == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  CalculatorWindow& self = *found;
  LRESULT handled = 0;
  if (HandleCommonMessage(window, message, wParam, lParam, self.common_, self.instance_,
                          handled)) {
    return handled;
  }
  switch (message) {
    case WM_CREATE:
      self.main_ = window;
      self.common_.palette = CurrentPalette();
      self.common_.whiteBrush.Reset(CreateSolidBrush(self.common_.palette.window));
      self.preferences_ = ReadFormPreferences(self.form_);
      break;
    case WM_ERASEBKGND:
      if (EraseInPalette(window, reinterpret_cast<HDC>(wParam), self.common_.palette)) return 1;
      break;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      // High contrast turned on or off, or its colours changed.
      if (self.main_ != nullptr) self.SetPalette(CurrentPalette());
      break;
    case WM_PAINT: {
      const PaintDC paint(window);
      self.PaintContent(paint.Dc());
      return 0;
    }
    case WM_COMMAND:
      self.OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.hwndItem != self.help_) break;
      self.DrawHelpButton(item);
      return TRUE;
    }
    case WM_COPY:
      self.CopySolution();
      return 0;
    case WM_DPICHANGED:
      // The system suggests the place for the new screen's DPI; the
      // pupil's zoom keeps its ratio to it.
      if (lParam != 0) {
        self.screen_ = ScaleForDpi(LOWORD(wParam));
        self.ChangeScale(Zoomed(self.screen_, self.zoom_), *reinterpret_cast<const RECT*>(lParam));
      }
      return 0;
    case ZoomMessage:
      self.Zoom(static_cast<ZoomKey>(wParam));
      return 0;
    case WM_GETMINMAXINFO: {
      // No smaller than the form at the window's scale, whatever the screen.
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMaxTrackSize.x = std::max<LONG>(limits.ptMaxTrackSize.x,
                                               self.scale_(self.form_.frame.width));
      limits.ptMaxTrackSize.y = std::max<LONG>(limits.ptMaxTrackSize.y,
                                               self.scale_(self.form_.frame.height));
      return 0;
    }
    case WM_RBUTTONUP:
      self.ShowSolutionMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CLOSE:
      self.common_.whiteBrush.Reset();
      PostQuitMessage(0);
      break;
    case WM_DESTROY:
      self.WritePreferences();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateCalculatorWindow(CalculatorWindow& window) {
  const CalculatorForm& form = window.form_;
  if (form.initCommonControls && !InitCommonControlsForSuite()) return nullptr;
  // A second window of the same calculator in one process (the tests make
  // several) finds its class registered already.
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  const bool registered =
      GetClassInfoExW(window.instance_, Widen(MainClassName(form.keyName)).c_str(), &existing);
  if (!registered && !RegisterMainClass(window.instance_, form.keyName, CalculatorWindowProc)) {
    return nullptr;
  }
  // The stored zoom is read before the window is made at its size; a
  // window made at a given scale takes no zoom.
  window.zoom_ = window.forcedScale_ ? LeastZoom : ReadFormPreferences(form).zoom;
  window.screen_ = window.forcedScale_.value_or(SystemScale());
  window.scale_ = Zoomed(window.screen_, window.zoom_);
  const HWND main = CreateCenteredMainWindow(window.instance_, form.keyName, form.caption,
                                             form.frame.width, form.frame.height, &window,
                                             window.scale_);
  if (main == nullptr) return nullptr;
  // The window gets its whole size at the scale of the screen it stands on:
  // a screen of another DPI than the system's (a second monitor) wants
  // another size, around the same centre, and the system holds a new window
  // to the size of a screen smaller than it, which would cut off its
  // lower lines for good (dragged by its caption, all of it can be seen).
  const DisplayScale made = window.scale_;
  if (!window.forcedScale_) {
    window.screen_ = WindowScale(main);
    window.scale_ = Zoomed(window.screen_, window.zoom_);
  }
  RECT place{};
  GetWindowRect(main, &place);
  const int w = window.scale_(form.frame.width);
  const int h = window.scale_(form.frame.height);
  const bool rescaled = window.scale_ != made;
  if (rescaled || place.right - place.left != w || place.bottom - place.top != h) {
    SetWindowPos(main, nullptr, rescaled ? (place.left + place.right - w) / 2 : place.left,
                 rescaled ? (place.top + place.bottom - h) / 2 : place.top, w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!window.CreateControls()) return nullptr;
  ShowMainWindow(main);
  return main;
}

int RunCalculator(HINSTANCE instance, const CalculatorForm& form) {
  SetHelpPage(form.helpPage);
  CalculatorWindow window(form, instance);
  if (CreateCalculatorWindow(window) == nullptr) return 0;
  return RunMessageLoop(window.Keys());
}

}  // namespace prolexa
