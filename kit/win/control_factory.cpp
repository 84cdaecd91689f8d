#include "control_factory.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "display_scale.h"
#include "png_art.h"
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

HFONT CreateUiFont(DisplayScale scale) {
  return CreateFontFromDefault(scale(UiFontHeight), 0, {});
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

HWND ControlFactory::CreateDrawnButton(std::string_view text, int x, int y, int w,
                                      int h) const {
  return CreateControl(0, L"BUTTON", text, BS_OWNERDRAW, x, y, w, h);
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

GdiBitmap LoadArt(HINSTANCE instance, int resourceId) {
  if (const HBITMAP bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(resourceId))) {
    return GdiBitmap(bitmap);
  }
  // Pictures too large for a program's budget as BMP come as PNG.
  return LoadPngArt(instance, resourceId);
}

namespace {

// Pixels of 32 bits (blue, green, red, unused), rows from the top.
struct Pixels {
  int w = 0;
  int h = 0;
  std::vector<DWORD> at;
};

BITMAPINFO TopDownInfo(int w, int h) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A rectangle of a picture's pixels (the picture selected into no context).
Pixels PixelsOf(HDC dc, HBITMAP bitmap, const RECT& from, const BITMAP& size) {
  Pixels all{size.bmWidth, size.bmHeight,
             std::vector<DWORD>(static_cast<std::size_t>(size.bmWidth) * size.bmHeight)};
  BITMAPINFO info = TopDownInfo(all.w, all.h);
  if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(all.h), all.at.data(), &info,
                DIB_RGB_COLORS) != all.h) {
    return {};
  }
  Pixels part{from.right - from.left, from.bottom - from.top, {}};
  part.at.reserve(static_cast<std::size_t>(part.w) * part.h);
  for (int y = from.top; y < from.bottom; ++y) {
    const auto row = all.at.begin() + static_cast<std::ptrdiff_t>(y) * all.w;
    part.at.insert(part.at.end(), row + from.left, row + from.right);
  }
  return part;
}

// Resamples along one axis: each target pixel is the average of the source
// pixels it covers, each weighed by how much of it it covers (a box filter).
// Shrunk, lines and letters keep their weight instead of dropping out;
// enlarged, the edges between pixels blend over one pixel. `count` pixels
// a line, `lines` lines, `step` between neighbours of a line and `stride`
// between lines, in the source and the target alike.
void ResampleAxis(const DWORD* source, int count, DWORD* target, int newCount, int lines,
                  int sourceStep, int sourceStride, int targetStep, int targetStride) {
  // Positions in 1/65536 of a source pixel; 64 bits, as a 4096-pixel side
  // times 65536 times a count would not fit 32.
  const std::int64_t span = static_cast<std::int64_t>(count) << 16;
  for (int i = 0; i < newCount; ++i) {
    const std::int64_t begin = span * i / newCount;
    const std::int64_t end = span * (i + 1) / newCount;
    for (int line = 0; line < lines; ++line) {
      std::int64_t blue = 0, green = 0, red = 0;
      for (std::int64_t j = begin >> 16; j < count && (j << 16) < end; ++j) {
        const std::int64_t weight =
            std::min(end, (j + 1) << 16) - std::max(begin, j << 16);
        const DWORD p = source[line * sourceStride + static_cast<int>(j) * sourceStep];
        blue += weight * (p & 0xFF);
        green += weight * ((p >> 8) & 0xFF);
        red += weight * ((p >> 16) & 0xFF);
      }
      const std::int64_t total = end - begin;
      const auto channel = [total](std::int64_t sum) {
        return static_cast<DWORD>((sum + total / 2) / total);
      };
      target[line * targetStride + i * targetStep] =
          channel(blue) | channel(green) << 8 | channel(red) << 16;
    }
  }
}

Pixels Resampled(const Pixels& source, int w, int h) {
  Pixels across{w, source.h, std::vector<DWORD>(static_cast<std::size_t>(w) * source.h)};
  ResampleAxis(source.at.data(), source.w, across.at.data(), w, source.h, 1, source.w, 1, w);
  Pixels done{w, h, std::vector<DWORD>(static_cast<std::size_t>(w) * h)};
  ResampleAxis(across.at.data(), source.h, done.at.data(), h, w, w, 1, w, 1);
  return done;
}

// The picture drawn where the context's logical places `to` lie, from the
// source rectangle `from` given in the 1x picture's pixels: the double-size
// picture when the device is more than a quarter larger than the places and
// one exists, resampled smoothly where its size is not the device's. The
// system's own smooth stretch (HALFTONE) would do the same, but under Wine
// it costs about a microsecond a pixel: 40 ms for a calculator's bands at
// the start, more than its whole painting.
void DrawArt(HDC dc, HINSTANCE instance, int resourceId, const RECT& to, RECT from) {
  const int w = to.right - to.left;
  const int h = to.bottom - to.top;
  if (w <= 0 || h <= 0) return;
  const RECT device = DeviceRect(dc, to);
  const int deviceW = device.right - device.left;
  const int deviceH = device.bottom - device.top;
  if (deviceW <= 0 || deviceH <= 0) return;
  GdiBitmap bitmap;
  if (deviceW * 4 > w * 5 || deviceH * 4 > h * 5) {
    bitmap = LoadArt(instance, resourceId + DoubleArtOffset);
    if (bitmap) from = {from.left * 2, from.top * 2, from.right * 2, from.bottom * 2};
  }
  if (!bitmap) bitmap = LoadArt(instance, resourceId);
  if (!bitmap) return;
  BITMAP size{};
  GetObjectW(bitmap.Get(), sizeof size, &size);
  // A source wider or taller than the picture (a band one pixel wide) takes
  // what there is.
  from.right = std::min<LONG>(from.right, size.bmWidth);
  from.bottom = std::min<LONG>(from.bottom, size.bmHeight);
  const int fromW = from.right - from.left;
  const int fromH = from.bottom - from.top;
  if (fromW <= 0 || fromH <= 0) return;
  // The copy goes in device pixels, whatever the context's scaling.
  const int saved = SaveDC(dc);
  SetMapMode(dc, MM_TEXT);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  if (fromW == deviceW && fromH == deviceH) {
    const MemoryDC memory(dc);
    const ScopedSelectObject select(memory.Dc(), bitmap.Get());
    if (memory.Dc() != nullptr) {
      BitBlt(dc, device.left, device.top, deviceW, deviceH, memory.Dc(), from.left, from.top,
             SRCCOPY);
    }
  } else {
    const Pixels source = PixelsOf(dc, bitmap.Get(), from, size);
    if (!source.at.empty()) {
      const Pixels shown = Resampled(source, deviceW, deviceH);
      const BITMAPINFO info = TopDownInfo(shown.w, shown.h);
      SetDIBitsToDevice(dc, device.left, device.top, static_cast<DWORD>(shown.w),
                        static_cast<DWORD>(shown.h), 0, 0, 0, static_cast<UINT>(shown.h),
                        shown.at.data(), &info, DIB_RGB_COLORS);
    }
  }
  RestoreDC(dc, saved);
}

}  // namespace

void ControlFactory::DrawBitmap(HDC dc, int resourceId, int x, int y, int w, int h) const {
  DrawArt(dc, instance_, resourceId, {x, y, x + w, y + h}, {0, 0, w, h});
}

void ControlFactory::DrawBand(HDC dc, int resourceId, int xFrom, int xTo, int y, int h) const {
  // The band's one column, stretched across.
  DrawArt(dc, instance_, resourceId, {xFrom, y, xTo, y + h}, {0, 0, 1, h});
}

HoverDrawn ControlFactory::TrackHover(const RECT& region, POINT mouse, bool& normalShown,
                                      bool& hoverShown, int normalId, int hoverId, int x, int y,
                                      int w, int h) const {
  const bool inside = PtInRect(&region, mouse) != FALSE;
  if (inside ? hoverShown : normalShown) return HoverDrawn::Nothing;
  const WindowDC dc(parent_);
  const ScaledDrawing scaled(dc.Dc(), scale_);
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
  const HWND label =
      factory.CreateLabel(RoundingLabelText(language), place.x, place.y, place.w, place.h);
  // Right-aligned, the words end just before the count they name, however
  // wide the font sets them.
  if (label != nullptr) {
    SetWindowLongW(label, GWL_STYLE,
                   (GetWindowLongW(label, GWL_STYLE) & ~SS_TYPEMASK) | SS_RIGHT);
  }
  return label;
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
