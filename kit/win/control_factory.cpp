#include "control_factory.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "scoped.h"
#include "wide.h"

namespace prolexa {
namespace {

LOGFONTW DefaultGuiFontAttributes() {
  LOGFONTW attributes{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof attributes, &attributes);
  return attributes;
}

void SetFace(LOGFONTW& attributes, std::string_view face) {
  // lstrcpynW cuts a face name too long for the field instead of overrunning.
  lstrcpynW(attributes.lfFaceName, Widen(face).c_str(), LF_FACESIZE);
}

}  // namespace

HFONT CreateFontFromDefault(int height, int width, std::string_view face) {
  LOGFONTW attributes = DefaultGuiFontAttributes();
  if (height != 0) attributes.lfHeight = height;
  attributes.lfWidth = width;
  if (!face.empty()) SetFace(attributes, face);
  return CreateFontIndirectW(&attributes);
}

HWND ControlFactory::CreateControl(DWORD exStyle, const wchar_t* className,
                                   std::string_view text, DWORD style, int x, int y, int w,
                                   int h) const {
  return CreateWindowExW(exStyle, className, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                         x, y, w, h, parent_, nullptr, instance_, nullptr);
}

HWND ControlFactory::CreateLabel(std::string_view text, int x, int y, int w, int h) const {
  return CreateControl(0, L"STATIC", text, SS_LEFTNOWORDWRAP, x, y, w, h);
}

HWND ControlFactory::CreateEdit(std::string_view text, int x, int y, int w, int h) const {
  // Without horizontal scrolling an edit refuses every character past its
  // visible width: a narrow field would silently drop the end of a number.
  return CreateControl(WS_EX_CLIENTEDGE, L"EDIT", text, ES_AUTOHSCROLL, x, y, w, h);
}

HWND ControlFactory::CreateNumberEdit(std::string_view text, int x, int y, int w, int h) const {
  return CreateControl(WS_EX_CLIENTEDGE, L"EDIT", text, ES_NUMBER | ES_AUTOHSCROLL, x, y, w, h);
}

HWND ControlFactory::CreateButton(std::string_view text, int x, int y, int w, int h) const {
  return CreateControl(0, L"BUTTON", text, BS_PUSHBUTTON, x, y, w, h);
}

HWND ControlFactory::CreateCheckBox(std::string_view text, int x, int y, int w, int h) const {
  return CreateControl(0, L"BUTTON", text, BS_AUTOCHECKBOX, x, y, w, h);
}

HWND ControlFactory::CreateRadioButton(std::string_view text, int x, int y, int w,
                                       int h) const {
  return CreateControl(0, L"BUTTON", text, BS_AUTORADIOBUTTON, x, y, w, h);
}

HWND ControlFactory::CreateDropList(int x, int y, int w, int h) const {
  return CreateControl(0, L"COMBOBOX", {}, CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, x, y, w, h);
}

void ControlFactory::CreateSpinner(HWND* out, HWND buddy, int low, int high,
                                   int position) const {
  const HWND spinner =
      CreateControl(0, UPDOWN_CLASSW, {}, UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0, 0, 0, 0);
  if (out != nullptr) *out = spinner;
  if (spinner == nullptr) return;
  SendMessageW(spinner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageW(spinner, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
  SendMessageW(spinner, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

void ControlFactory::ApplyDefaultFont(const HWND* controls, int count) const {
  if (controls == nullptr) return;
  const WPARAM font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (int i = 0; i < count; ++i) SendMessageW(controls[i], WM_SETFONT, font, TRUE);
}

void ControlFactory::LimitTexts(const HWND* edits, int count, const int* limits) const {
  if (edits == nullptr || limits == nullptr) return;
  for (int i = 0; i < count; ++i) {
    SendMessageW(edits[i], EM_LIMITTEXT, static_cast<WPARAM>(limits[i]), 0);
  }
}

void ControlFactory::FillCombos(const HWND* combos, int first, int n, UnitList entries,
                                const DWORD* selections) const {
  if (combos == nullptr || selections == nullptr || first < 0 || n <= 0) return;
  for (int i = first; i < first + n; ++i) {
    for (std::string_view entry : entries) {
      SendMessageW(combos[i], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    }
    // CB_SETCURSEL takes a signed index; a stored value that is out of the
    // list (or would read as -1) clears the selection rather than picking
    // some other entry.
    const LRESULT count = SendMessageW(combos[i], CB_GETCOUNT, 0, 0);
    const DWORD selection = selections[i];
    const WPARAM index =
        count > 0 && selection < static_cast<DWORD>(count) ? selection : static_cast<WPARAM>(-1);
    SendMessageW(combos[i], CB_SETCURSEL, index, 0);
  }
}

void ControlFactory::DrawBitmap(HDC dc, int resourceId, int x, int y, int w, int h) const {
  const GdiBitmap bitmap(LoadBitmapW(instance_, MAKEINTRESOURCEW(resourceId)));
  if (!bitmap) return;
  const MemoryDC memory(dc);
  if (memory.Dc() == nullptr) return;
  const ScopedSelectObject select(memory.Dc(), bitmap.Get());
  BitBlt(dc, x, y, w, h, memory.Dc(), 0, 0, SRCCOPY);
}

void ControlFactory::DrawBand(HDC dc, int resourceId, int xFrom, int xTo, int y, int h) const {
  const GdiBitmap bitmap(LoadBitmapW(instance_, MAKEINTRESOURCEW(resourceId)));
  if (!bitmap) return;
  const MemoryDC memory(dc);
  if (memory.Dc() == nullptr) return;
  const ScopedSelectObject select(memory.Dc(), bitmap.Get());
  for (int x = xFrom; x < xTo; ++x) BitBlt(dc, x, y, 1, h, memory.Dc(), 0, 0, SRCCOPY);
}

HoverDrawn ControlFactory::TrackHover(const RECT& region, POINT mouse, bool& normalShown,
                                      bool& hoverShown, int normalId, int hoverId, int x, int y,
                                      int w, int h) const {
  const bool inside = PtInRect(&region, mouse) != FALSE;
  if (inside ? hoverShown : normalShown) return HoverDrawn::Nothing;
  const WindowDC dc(parent_);
  DrawBitmap(dc.Dc(), inside ? hoverId : normalId, x, y, w, h);
  hoverShown = inside;
  normalShown = !inside;
  return inside ? HoverDrawn::Hover : HoverDrawn::Normal;
}

void ControlFactory::DrawTitleBanner(HDC dc, std::string_view title, int titleX,
                                     int titleLength, int addressX, int addressY) const {
  SetBkMode(dc, TRANSPARENT);
  LOGFONTW attributes = DefaultGuiFontAttributes();
  {
    attributes.lfHeight = 18;
    const GdiFont font(CreateFontIndirectW(&attributes));
    const ScopedSelectObject select(dc, font.Get());
    const std::wstring address = Widen(MakerAddress);
    TextOutW(dc, addressX, addressY, address.c_str(), static_cast<int>(address.size()));
  }
  {
    attributes.lfHeight = -32;
    attributes.lfItalic = TRUE;
    SetFace(attributes, "Microsoft Sans Serif");
    const GdiFont font(CreateFontIndirectW(&attributes));
    const ScopedSelectObject select(dc, font.Get());
    // A length beyond the title draws the whole title, never past its end.
    const std::wstring text = Widen(title);
    const int length = std::clamp(titleLength, 0, static_cast<int>(text.size()));
    TextOutW(dc, titleX, 0, text.c_str(), length);
  }
}

std::string_view RoundingLabelText(PlacesLanguage language) {
  return language == PlacesLanguage::Slovak ? "Zaokruhliť na:" : "Zaokrouhlit na:";
}

HWND CreateRoundingLabel(const ControlFactory& factory, const ControlPlace& place,
                         PlacesLanguage language) {
  return factory.CreateLabel(RoundingLabelText(language), place.x, place.y, place.w, place.h);
}

HWND CreateRoundingEdit(const ControlFactory& factory, const ControlPlace& place) {
  const HWND edit = factory.CreateNumberEdit({}, place.x, place.y, place.w, place.h);
  if (edit != nullptr) {
    const int oneDigit = 1;
    factory.LimitTexts(&edit, 1, &oneDigit);
  }
  return edit;
}

HWND CreatePlacesLabel(const ControlFactory& factory, const ControlPlace& place,
                       PlacesLanguage language) {
  return factory.CreateLabel(PlacesWord(2, language), place.x, place.y, place.w, place.h);
}

HWND CreateRoundingSpinner(const ControlFactory& factory, HWND edit, int position) {
  HWND spinner = nullptr;
  factory.CreateSpinner(&spinner, edit, 0, MaxPlaces, position);
  return spinner;
}

bool CreateRoundingSelector(const ControlFactory& factory, RoundingSelector& out,
                            const RoundingSelectorPlace& place, int position,
                            PlacesLanguage language) {
  out = RoundingSelector{};
  out.label = CreateRoundingLabel(factory, place.label, language);
  if (out.label == nullptr) return false;
  out.edit = CreateRoundingEdit(factory, place.edit);
  if (out.edit == nullptr) return false;
  out.places = CreatePlacesLabel(factory, place.places, language);
  if (out.places == nullptr) return false;
  out.spinner = CreateRoundingSpinner(factory, out.edit, position);
  if (out.spinner == nullptr) return false;
  const HWND texts[] = {out.label, out.edit, out.places};
  factory.ApplyDefaultFont(texts, 3);
  UpdatePlacesLabel(out.edit, out.places, language);
  return true;
}

void UpdatePlacesLabel(HWND edit, HWND label, PlacesLanguage language) {
  if (const auto text = PlacesLabelText(WindowTextUtf8(edit), language)) {
    SetWindowTextUtf8(label, *text);
  }
}

int SpinnerPosition(HWND spinner, int fallback) {
  // A message to no window answers 0 without setting the error flag.
  if (!IsWindow(spinner)) return fallback;
  BOOL error = FALSE;
  const LRESULT position =
      SendMessageW(spinner, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error));
  return error ? fallback : static_cast<int>(position);
}

}  // namespace prolexa
