// The launcher's window: a skin of picture tiles on two pages, or, in the
// system's high-contrast mode, the same places as framed words. A click or
// the keyboard starts the tile's calculator, the tabs open the settings,
// about and donation dialogs; a screen reader finds every tile and tab as a
// button named by its words.
#include "launcher_window.h"

#include <windows.h>
#include <oleacc.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "accessible.h"
#include "app_shell.h"
#include "control_factory.h"
#include "display_scale.h"
#include "launcher.h"
#include "launcher_dialogs.h"
#include "resource.h"
#include "scoped.h"
#include "settings_key.h"
#include "wide.h"

namespace prolexa::zeruraruri {
namespace {

constexpr char kKeyName[] = "Zeruraruri";
constexpr char kCaption[] = "Prolexa";
constexpr char kZoomValue[] = "zoom";
// Every size and place here and in the core is in pixels of a 96-DPI
// screen; the window scales them to the screen it stands on.
constexpr int kWidth = 731;
constexpr int kHeight = 540;
// The skin's size: the region cuts the window down to it, so the system's
// frame and caption are not seen.
constexpr int kSkinWidth = 726;
constexpr int kSkinHeight = 509;
constexpr int kCorner = 40;
constexpr RECT kTileArea{22, 99, 696, 500};
constexpr UINT_PTR kUpdateTimer = 2;
// The keyboard focus is a frame this far outside its item's region, in the
// skin's accent colour: outside, so that the hover pictures, which fill the
// regions, leave it whole; two pixels, as the gaps between the tiles allow.
constexpr int kFocusGap = 1;
constexpr int kFocusWidth = 2;
constexpr COLORREF kAccent = RGB(75, 68, 166);
// In high contrast the hovered item's frame is this much thicker, inward.
constexpr int kHotFrameWidth = 3;
// Where high contrast writes, in 96-DPI pixels: a tile's title and subtitle
// from its corner, with their fonts' heights, and the suite's name on the
// banner.
struct PlainLayout {
  int textX = 16;
  int rightMargin = 12;
  int titleTop = 12, titleBottom = 48, titleHeight = 24;
  int subtitleTop = 52, subtitleBottom = 76, wordsHeight = 14;
  RECT banner{32, 36, 400, 72};
  int ruleY = 97;  // the line where the banner's picture ends
};
constexpr PlainLayout kPlain{};
// What a screen reader's "press" on a tile or tab and its choice of one ask
// the window for: the item as wParam (its slot + 1, or 0 for a tab) and
// lParam (the tab).
constexpr UINT kActivateMessage = WM_APP + 20;
constexpr UINT kFocusMessage = WM_APP + 21;

}  // namespace

struct HoverFlags {
  bool normalShown = false;
  bool hoverShown = true;
};

// Everything the window keeps between messages. It also tells a screen
// reader what the window shows: the shown page's tiles and the tabs, in the
// order Tab visits them.
struct State final : AccessibleSource {
  HINSTANCE instance = nullptr;
  HWND main = nullptr;
  // Page 1 before the window exists, so that showing page 0 on creation
  // takes effect.
  int page = 1;
  Tiles tiles{};
  std::array<HoverFlags, SpotCount> spotHover{};
  std::array<HoverFlags, SlotCount> slotHover{};
  int rightDownX = 0;
  // Whether the left button went down on the launcher: a release acts only
  // then. The click that closes the about dialog presses on the dialog and
  // lets go over the launcher, and must not start the tile under it.
  bool leftPressed = false;
  // The scale of the screen the window stands on, the pupil's zoom (in
  // percent of it) and the window's scale, the product of the two.
  DisplayScale screen{};
  int zoom = LeastZoom;
  DisplayScale scale{};
  // The outer size the window was last given. The system would hold a
  // window to the screen's size; the skin cannot shrink, so the window keeps
  // its whole size and the banner drags the rest into view.
  SIZE size{};
  // Where the keyboard focus stands: nowhere until the first key, so that
  // the skin looks as it always did to a pupil with a mouse.
  std::optional<Focusable> focus;
  // The skin, or the colours of the system's high-contrast mode.
  Palette palette{};
  // In high contrast: the hot spot (index in HotSpots()) or slot under the
  // mouse, -1 for none.
  int hotSpot = -1;
  int hotSlot = -1;
  // Made with the window, gone with it.
  std::optional<AccessibleWindow> accessible;

  std::string Name() const override { return kCaption; }
  long Role() const override { return ROLE_SYSTEM_CLIENT; }
  long ItemRole() const override { return ROLE_SYSTEM_PUSHBUTTON; }
  int ItemCount() const override { return static_cast<int>(FocusOrder(tiles).size()); }
  AccessibleItem Item(int index) const override;
  int CurrentItem() const override;
  void MakeCurrent(int index) override;
  std::string DefaultAction() const override { return "Stlačiť"; }
  void DoDefault(int index) override;
};

namespace {

// A mouse position in the window's pixels as the 96-DPI place the core's
// hit tests and the hover tracking take.
Point PlaceOf(const State& launcher, POINT client) {
  const POINT at = launcher.scale.Unscaled(client);
  return {at.x, at.y};
}

Point ClientPoint(const State& launcher, LPARAM lParam) {
  return PlaceOf(launcher, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

RECT ToRect(const Box& b) { return {b.left, b.top, b.right, b.bottom}; }

// The 96-DPI rectangle the focus mark of an item fills, frame and inside.
RECT FocusMarkRect(Focusable item) {
  RECT r = ToRect(FocusBox(item));
  InflateRect(&r, kFocusGap + kFocusWidth, kFocusGap + kFocusWidth);
  return r;
}

// A frame of `width` inside a rectangle.
void DrawFrame(HDC dc, const RECT& r, int width, HBRUSH brush) {
  const RECT sides[] = {{r.left, r.top, r.right, r.top + width},
                        {r.left, r.bottom - width, r.right, r.bottom},
                        {r.left, r.top, r.left + width, r.bottom},
                        {r.right - width, r.top, r.right, r.bottom}};
  for (const RECT& side : sides) FillRect(dc, &side, brush);
}

// Draws the focus mark in the DC's current mapping, where painting is in
// 96-DPI places: in the skin's accent, or in high contrast in the text
// colour, where outside the item's own frame it makes that frame thicker.
void DrawFocusMark(const State& launcher, HDC dc) {
  if (!launcher.focus) return;
  const GdiBrush mark(
      CreateSolidBrush(launcher.palette.system ? launcher.palette.text : kAccent));
  DrawFrame(dc, FocusMarkRect(*launcher.focus), kFocusWidth, mark.Get());
}

// Has the place of the focus mark drawn anew, with or without it.
void InvalidateFocus(const State& launcher) {
  if (!launcher.focus) return;
  RECT area = launcher.scale(FocusMarkRect(*launcher.focus));
  InflateRect(&area, 1, 1);  // the scaling may round either way
  RedrawWindow(launcher.main, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

// Moves the focus frame and tells a screen reader which tile or tab now
// has it.
void MoveFocus(State& launcher, std::optional<Focusable> to) {
  if (to == launcher.focus) return;
  InvalidateFocus(launcher);
  launcher.focus = to;
  InvalidateFocus(launcher);
  const int current = launcher.CurrentItem();
  if (launcher.accessible && current >= 0) {
    launcher.accessible->Notify(EVENT_OBJECT_FOCUS, current);
    launcher.accessible->Notify(EVENT_OBJECT_SELECTION, current);
  }
}

void ShowTilePage(State& launcher, int page) {
  const int shown = ShowPage(launcher.page, page);
  if (shown == launcher.page) return;
  launcher.page = shown;
  launcher.tiles = PageTiles(shown);
  // The new tiles are drawn normal; their hover starts anew.
  launcher.slotHover.fill(HoverFlags{});
  launcher.hotSlot = -1;
  const RECT area = launcher.scale(kTileArea);
  RedrawWindow(launcher.main, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
  // Other tiles, so other buttons, for a screen reader.
  if (launcher.accessible) launcher.accessible->Notify(EVENT_OBJECT_REORDER, -1);
  // A focus shown on the old page's tiles goes to the new page's first.
  if (launcher.focus) MoveFocus(launcher, FocusOrder(launcher.tiles).front());
}

// A program of the suite's folder, the launcher's own: the file's full path,
// or nothing when it is not there. Given a bare name, the shell would run a
// program of that name from the current folder or the search path instead.
std::optional<std::wstring> OwnProgram(std::string_view program) {
  const std::wstring folder = ProgramFolder();
  if (folder.empty()) return std::nullopt;
  std::wstring file = folder + Widen(program) + L".exe";
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return file;
}

// Starts a tile's program from the launcher's folder, and says so when it
// is not there or cannot be started.
void StartProgram(const State& launcher, std::string_view program) {
  if (const std::optional<std::wstring> file = OwnProgram(program)) {
    const std::wstring folder = ProgramFolder();
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    // The message below is ours; the shell's own would come in its words.
    start.fMask = SEE_MASK_FLAG_NO_UI;
    start.lpVerb = L"open";
    start.lpFile = file->c_str();
    start.lpParameters = L"";
    start.lpDirectory = folder.c_str();
    start.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&start)) return;
  }
  const std::string text = "Program " + std::string(program) + " sa nepodarilo spustiť.";
  ShowRefusal(launcher.main, ErrorRefusal(text));
}

// A font for the words of high contrast: never smoothed, so that every
// pixel is in one of the pupil's colours. Heights are 96-DPI pixels; the
// drawing's scale makes them larger.
HFONT PlainFont(int height, int weight, int angle) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfEscapement = angle;
  font.lfOrientation = angle;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = NONANTIALIASED_QUALITY;
  wcscpy(font.lfFaceName, L"Arial");
  return CreateFontIndirectW(&font);
}

void DrawWords(HDC dc, HFONT font, std::string_view words, RECT box, UINT format) {
  const ScopedSelectObject select(dc, font);
  const std::wstring text = Widen(words);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            format | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// Words read from bottom to top, in the middle of a tall narrow box, as the
// tabs' pictures write them.
void DrawUpwards(HDC dc, HFONT font, std::string_view words, const RECT& box) {
  const ScopedSelectObject select(dc, font);
  const std::wstring text = Widen(words);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  // Turned a quarter to the left, the text's top faces left and its start
  // lies at the bottom.
  TextOutW(dc, (box.left + box.right - size.cy) / 2, (box.top + box.bottom + size.cx) / 2,
           text.c_str(), static_cast<int>(text.size()));
}

// High contrast: every place of the skin as framed words in the pupil's
// colours, the hovered one's frame thicker; no picture at all.
void PaintPlain(const State& launcher, HDC dc) {
  const Palette& colours = launcher.palette;
  const GdiBrush ground(CreateSolidBrush(colours.window));
  const GdiBrush ink(CreateSolidBrush(colours.text));
  const RECT skin{0, 0, kSkinWidth, kSkinHeight};
  FillRect(dc, &skin, ground.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.text);
  const GdiFont title(PlainFont(-kPlain.titleHeight, FW_BOLD, 0));
  const GdiFont words(PlainFont(-kPlain.wordsHeight, FW_NORMAL, 0));
  const GdiFont upwards(PlainFont(-kPlain.wordsHeight, FW_BOLD, 900));
  // The banner: the suite's name over a rule where the pictures' edge was.
  DrawWords(dc, title.Get(), kCaption, kPlain.banner, DT_LEFT | DT_VCENTER);
  const RECT rule{0, kPlain.ruleY, kSkinWidth, kPlain.ruleY + 1};
  FillRect(dc, &rule, ink.Get());
  const auto& spots = HotSpots();
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const RECT box = ToRect(spots[i].region);
    const bool hot = launcher.hotSpot == static_cast<int>(i);
    DrawFrame(dc, box, hot ? kHotFrameWidth : 1, ink.Get());
    switch (spots[i].spot) {
      case Spot::Close: DrawWords(dc, words.Get(), "×", box, DT_CENTER | DT_VCENTER); break;
      case Spot::Minimise: DrawWords(dc, words.Get(), "–", box, DT_CENTER | DT_VCENTER); break;
      case Spot::Help: DrawWords(dc, title.Get(), "?", box, DT_CENTER | DT_VCENTER); break;
      default:
        DrawUpwards(dc, upwards.Get(), LabelOf(launcher.tiles, {-1, spots[i].spot}).title, box);
        break;
    }
  }
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (!launcher.tiles[slot].enabled) continue;
    const Box place = SlotBox(slot);
    DrawFrame(dc, ToRect(place), launcher.hotSlot == slot ? kHotFrameWidth : 1, ink.Get());
    const Label label = LabelOf(launcher.tiles, {slot});
    const int left = place.left + kPlain.textX, right = place.right - kPlain.rightMargin;
    DrawWords(dc, title.Get(), label.title,
              RECT{left, place.top + kPlain.titleTop, right, place.top + kPlain.titleBottom},
              DT_LEFT);
    DrawWords(dc, words.Get(), label.subtitle,
              RECT{left, place.top + kPlain.subtitleTop, right, place.top + kPlain.subtitleBottom},
              DT_LEFT);
  }
  DrawFocusMark(launcher, dc);
}

// Draws at the window's scale: the places stay the skin's 96-DPI ones.
void Paint(const State& launcher, HDC dc) {
  const ScaledDrawing scaled(dc, launcher.scale);
  if (launcher.palette.system) {
    PaintPlain(launcher, dc);
    return;
  }
  const ControlFactory f(launcher.instance, nullptr, launcher.scale);
  f.DrawBitmap(dc, launcher.page == 1 ? IDB_PAGE2 : IDB_PAGE1, 0, 97, 725, 411);
  f.DrawBitmap(dc, IDB_BANNER, 0, 0, 725, 100);
  for (const HotSpot& spot : HotSpots()) {
    // The donation tab is painted one column narrower than the mouse
    // draws it.
    const int width = spot.spot == Spot::Donation ? spot.width - 1 : spot.width;
    f.DrawBitmap(dc, spot.normal, spot.at.x, spot.at.y, width, spot.height);
  }
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (!launcher.tiles[slot].enabled) continue;
    const Box place = SlotBox(slot);
    f.DrawBitmap(dc, launcher.tiles[slot].normal, place.left, place.top, TileWidth, TileHeight);
  }
  DrawFocusMark(launcher, dc);
}

// Has an item's place drawn anew: a hot spot's (index in HotSpots()) or a
// slot's; -1 none.
void InvalidateItem(const State& launcher, int spot, int slot) {
  if (spot < 0 && slot < 0) return;
  RECT area = launcher.scale(ToRect(spot >= 0 ? HotSpots()[spot].region : SlotBox(slot)));
  InflateRect(&area, 1, 1);
  RedrawWindow(launcher.main, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

// High contrast: the item under the mouse gets the thicker frame, drawn by
// the paint like everything else.
void TrackMousePlain(State& launcher, Point mouse) {
  int spot = -1, slot = -1;
  const auto& spots = HotSpots();
  for (std::size_t i = 0; i < spots.size() && spot < 0; ++i) {
    if (Contains(spots[i].region, mouse)) spot = static_cast<int>(i);
  }
  for (int s = 0; s < SlotCount && spot < 0 && slot < 0; ++s) {
    if (launcher.tiles[s].enabled && Contains(SlotBox(s), mouse)) slot = s;
  }
  if (spot == launcher.hotSpot && slot == launcher.hotSlot) return;
  InvalidateItem(launcher, launcher.hotSpot, launcher.hotSlot);
  launcher.hotSpot = spot;
  launcher.hotSlot = slot;
  InvalidateItem(launcher, spot, slot);
  if (spot >= 0 || slot >= 0) NotifyWhenMouseLeaves(launcher.main);
}

void TrackMouse(State& launcher, Point mouse) {
  if (launcher.palette.system) {
    TrackMousePlain(launcher, mouse);
    return;
  }
  const ControlFactory f(launcher.instance, launcher.main, launcher.scale);
  const POINT at{mouse.x, mouse.y};
  const auto& spots = HotSpots();
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const HotSpot& s = spots[i];
    f.TrackHover(ToRect(s.region), at, launcher.spotHover[i].normalShown, launcher.spotHover[i].hoverShown,
                 s.normal, s.hover, s.at.x, s.at.y, s.width, s.height);
  }
  for (int slot = 0; slot < SlotCount; ++slot) {
    const Tile& tile = launcher.tiles[slot];
    if (!tile.enabled) continue;
    const Box b = SlotBox(slot);
    f.TrackHover(ToRect(b), at, launcher.slotHover[slot].normalShown, launcher.slotHover[slot].hoverShown,
                 tile.normal, tile.hover, b.left, b.top, TileWidth, TileHeight);
  }
  // While a tile or spot shows its hover picture.
  const auto hovered = [](const HoverFlags& h) { return h.hoverShown; };
  if (std::any_of(launcher.spotHover.begin(), launcher.spotHover.end(), hovered) ||
      std::any_of(launcher.slotHover.begin(), launcher.slotHover.end(), hovered)) {
    NotifyWhenMouseLeaves(launcher.main);
  }
  // The tabs' hover pictures are a column wider than their regions and
  // would cut into the frame.
  if (launcher.focus) {
    const WindowDC window(launcher.main);
    const ScaledDrawing scaled(window.Dc(), launcher.scale);
    DrawFocusMark(launcher, window.Dc());
  }
}

void OpenSpot(const State& launcher, Spot spot) {
  switch (spot) {
    case Spot::Settings:
      ShowSettingsDialog(launcher.instance, launcher.main, launcher.palette);
      break;
    case Spot::About:
      ShowAboutDialog(launcher.instance, launcher.main, launcher.palette);
      break;
    case Spot::Donation:
      ShowDonationDialog(launcher.instance, launcher.main, launcher.palette);
      break;
    case Spot::Minimise:
      SendMessageW(launcher.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case Spot::Close:
      SendMessageW(launcher.main, WM_CLOSE, 0, 0);
      break;
    case Spot::Help:
      break;
  }
}

void OnLeftButtonUp(const State& launcher, Point mouse) {
  const Click click = ClickAt(mouse, launcher.tiles);
  if (click.slot) {
    StartProgram(launcher, launcher.tiles[*click.slot].program);
    return;
  }
  if (click.spot) OpenSpot(launcher, *click.spot);
}

Key KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB: return Key::Tab;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_RETURN: return Key::Enter;
    case VK_SPACE: return Key::Space;
    case VK_PRIOR: return Key::PageUp;
    case VK_NEXT: return Key::PageDown;
    default: return Key::Other;
  }
}

// Starts a tile's program or opens a tab's dialog.
void Activate(const State& launcher, Focusable item) {
  if (item.slot >= 0) {
    StartProgram(launcher, launcher.tiles[item.slot].program);
  } else {
    OpenSpot(launcher, item.tab);
  }
}

// A key moves the focus, turns the page or starts what has the focus, as
// the core says. A held Enter or Space starts its program once, not once
// for each repeat.
void OnKeyDown(State& launcher, WPARAM virtualKey, LPARAM flags) {
  const KeyOutcome out = AfterKey(launcher.page, launcher.focus, KeyOf(virtualKey),
                                  GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0);
  ShowTilePage(launcher, out.page);
  MoveFocus(launcher, out.focus);
  const bool repeated = (flags & (1 << 30)) != 0;
  if (out.activate && !repeated) Activate(launcher, *out.activate);
}

// An item of the shown page as the two private messages carry it; nothing
// for one that is not there (the page has changed since).
std::optional<Focusable> ItemOf(const State& launcher, WPARAM wParam, LPARAM lParam) {
  const Focusable item{static_cast<int>(wParam) - 1, static_cast<Spot>(lParam)};
  const std::vector<Focusable> order = FocusOrder(launcher.tiles);
  if (std::find(order.begin(), order.end(), item) == order.end()) return std::nullopt;
  return item;
}

void PostItem(const State& launcher, UINT message, int index, bool wait) {
  const std::vector<Focusable> order = FocusOrder(launcher.tiles);
  if (index < 0 || index >= static_cast<int>(order.size())) return;
  const Focusable item = order[static_cast<std::size_t>(index)];
  const WPARAM wParam = static_cast<WPARAM>(item.slot + 1);
  const LPARAM lParam = static_cast<LPARAM>(item.tab);
  if (wait) {
    SendMessageW(launcher.main, message, wParam, lParam);
  } else {
    PostMessageW(launcher.main, message, wParam, lParam);
  }
}

void ChangePalette(State& launcher, const Palette& palette) {
  launcher.palette = palette;
  launcher.hotSpot = launcher.hotSlot = -1;
  launcher.spotHover.fill(HoverFlags{});
  launcher.slotHover.fill(HoverFlags{});
  InvalidateRect(launcher.main, nullptr, TRUE);
}

// The banner drags the window: a press there is taken as one on the
// caption, which the system's frame no longer shows.
LRESULT HitTest(const State& launcher, HWND window, WPARAM wParam, LPARAM lParam) {
  const LRESULT answer = DefWindowProcW(window, WM_NCHITTEST, wParam, lParam);
  POINT mouse{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(window, &mouse);
  if (answer == HTCLIENT && DragsWindow(PlaceOf(launcher, mouse)) &&
      GetAsyncKeyState(VK_LBUTTON) < 0) {
    return HTCAPTION;
  }
  return answer;
}

// Cuts the window to the skin's rounded shape at a scale, wherever the
// system's frame puts the client area.
void CutToSkin(HWND window, DisplayScale scale) {
  RECT frame{}, client{};
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int x = origin.x - frame.left;
  const int y = origin.y - frame.top;
  const int w = std::min<int>(scale(kSkinWidth), client.right);
  const int h = std::min<int>(scale(kSkinHeight), client.bottom);
  const int corner = scale(kCorner);
  GdiRegion region(CreateRoundRectRgn(x, y, x + w, y + h, corner, corner));
  // The window owns the region once it is set.
  if (region && SetWindowRgn(window, region.Get(), TRUE)) region.Release();
}

DisplayScale Zoomed(const State& launcher) {
  return prolexa::Zoomed(launcher.screen, launcher.zoom);
}

// Takes a screen's scale: the window moves to `place` (its outer rectangle
// at that scale), is cut to the skin at that size and drawn anew, its
// pictures normal until the mouse moves.
void TakeScale(State& launcher, DisplayScale scale, const RECT& place) {
  launcher.scale = scale;
  launcher.size = {place.right - place.left, place.bottom - place.top};
  launcher.spotHover.fill(HoverFlags{});
  launcher.slotHover.fill(HoverFlags{});
  SetWindowPos(launcher.main, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  CutToSkin(launcher.main, scale);
  InvalidateRect(launcher.main, nullptr, TRUE);
}

// The window was made at the system's scale; a screen of another DPI under
// it (another monitor) has it drawn at that one's, from the same corner. On
// a screen smaller than the window the system has also cut it to the
// screen's size; it gets its whole size back.
void TakeOwnScale(State& launcher) {
  launcher.screen = WindowScale(launcher.main);
  const DisplayScale scale = Zoomed(launcher);
  RECT place{};
  GetWindowRect(launcher.main, &place);
  place.right = place.left + scale(kWidth);
  place.bottom = place.top + scale(kHeight);
  TakeScale(launcher, scale, place);
}

LRESULT CALLBACK LauncherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = CreationState<State>(window, message, lParam);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  State& launcher = *state;
  switch (message) {
    case WM_CREATE:
      launcher.main = window;
      launcher.palette = CurrentPalette();
      ShowTilePage(launcher, 0);
      launcher.accessible.emplace(window, launcher);
      break;
    case WM_NCDESTROY:
      // A screen reader that still holds the object finds it cut off.
      launcher.accessible.reset();
      break;
    case WM_GETOBJECT:
      if (launcher.accessible) return launcher.accessible->Answer(wParam, lParam);
      break;
    case kActivateMessage:
      if (const auto item = ItemOf(launcher, wParam, lParam)) Activate(launcher, *item);
      return 0;
    case kFocusMessage:
      if (const auto item = ItemOf(launcher, wParam, lParam)) MoveFocus(launcher, *item);
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      // High contrast turned on or off, or its colours changed.
      ChangePalette(launcher, CurrentPalette());
      break;
    case WM_ERASEBKGND:
      if (EraseInPalette(window, reinterpret_cast<HDC>(wParam), launcher.palette)) return 1;
      break;
    case WM_PAINT: {
      const PaintDC paint(window);
      Paint(launcher, paint.Dc());
      return 0;
    }
    case WM_MOUSEMOVE:
      TrackMouse(launcher, ClientPoint(launcher, lParam));
      return 0;
    case WM_MOUSELEAVE:
      TrackMouse(launcher, Point{-1, -1});  // nowhere on the window
      return 0;
    case WM_LBUTTONDOWN:
      launcher.leftPressed = true;
      if (OnHelpIcon(ClientPoint(launcher, lParam))) OpenHelp(window);
      break;
    case WM_LBUTTONDBLCLK:  // the second press of a double click
      launcher.leftPressed = true;
      break;
    case WM_LBUTTONUP:
      if (std::exchange(launcher.leftPressed, false)) {
        OnLeftButtonUp(launcher, ClientPoint(launcher, lParam));
      }
      break;
    case WM_KEYDOWN:
      OnKeyDown(launcher, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      if (wParam == MK_RBUTTON) launcher.rightDownX = ClientPoint(launcher, lParam).x;
      break;
    case WM_RBUTTONUP:
      ShowTilePage(launcher,
                   PageAfterRightDrag(launcher.rightDownX, ClientPoint(launcher, lParam).x));
      break;
    case WM_NCHITTEST:
      return HitTest(launcher, window, wParam, lParam);
    case WM_GETMINMAXINFO: {
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      limits.ptMaxTrackSize.x = std::max(limits.ptMaxTrackSize.x, launcher.size.cx);
      limits.ptMaxTrackSize.y = std::max(limits.ptMaxTrackSize.y, launcher.size.cy);
      return 0;
    }
    case WM_DPICHANGED:
      // Moved onto a screen of another DPI: the system suggests the place.
      if (lParam != 0) {
        launcher.screen = ScaleForDpi(LOWORD(wParam));
        TakeScale(launcher, Zoomed(launcher), *reinterpret_cast<const RECT*>(lParam));
      }
      return 0;
    case ZoomMessage: {
      // A step larger or smaller from the same top left corner, moved back
      // onto the screen where it would reach past it.
      const int zoom = ZoomAfter(launcher.zoom, static_cast<ZoomKey>(wParam));
      if (zoom == launcher.zoom) return 0;
      launcher.zoom = zoom;
      const DisplayScale scale = Zoomed(launcher);
      TakeScale(launcher, scale, GrownFromCorner(window, scale, kWidth, kHeight));
      return 0;
    }
    case WM_ACTIVATEAPP:
      InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_CLOSE: {
      SettingsKey key;
      key.Open(HKEY_CURRENT_USER, SettingsPath(kKeyName));
      key.WriteDword(kZoomValue, static_cast<DWORD>(launcher.zoom));
      PostQuitMessage(0);
      break;
    }
    case WM_TIMER:
      // Nothing in the suite arms this timer; an update program would.
      if (wParam == kUpdateTimer) {
        KillTimer(window, kUpdateTimer);
        // Only the update program beside the launcher, and silently.
        if (const auto update = OwnProgram("Aktualizacia")) {
          ShellExecuteW(nullptr, L"open", update->c_str(), L"", L"", SW_SHOWNA);
        }
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

AccessibleItem State::Item(int index) const {
  const Focusable item = FocusOrder(tiles)[static_cast<std::size_t>(index)];
  const Label label = LabelOf(tiles, item);
  return {.name = std::string(label.title) + ", " + std::string(label.subtitle),
          .value = {},
          .place = scale(ToRect(FocusBox(item)))};
}

int State::CurrentItem() const {
  if (!focus) return -1;
  const std::vector<Focusable> order = FocusOrder(tiles);
  const auto at = std::find(order.begin(), order.end(), *focus);
  return at == order.end() ? -1 : static_cast<int>(at - order.begin());
}

// A screen reader may ask from another thread: the window's own does the
// work. A press is posted, so that a dialog it opens does not hold the
// screen reader until it closes.
void State::MakeCurrent(int index) { PostItem(*this, kFocusMessage, index, true); }

void State::DoDefault(int index) { PostItem(*this, kActivateMessage, index, false); }

LauncherWindow::LauncherWindow(HINSTANCE instance) : state_(std::make_unique<State>()) {
  state_->instance = instance;
}

LauncherWindow::~LauncherWindow() {
  if (state_->main != nullptr && IsWindow(state_->main)) DestroyWindow(state_->main);
}

HWND LauncherWindow::Open() {
  State& state = *state_;
  SetHelpPage("zeruraruri.html");
  // A second window in one process (the tests') finds the class there.
  if (!RegisterMainClass(state.instance, kKeyName, LauncherWindowProc) &&
      GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return nullptr;
  }
  {
    SettingsKey key;
    key.Open(HKEY_CURRENT_USER, SettingsPath(kKeyName));
    state.zoom = StoredZoom(key.ReadDword(kZoomValue, LeastZoom));
  }
  state.screen = SystemScale();
  state.scale = Zoomed(state);
  const HWND main = CreateCenteredMainWindow(state.instance, kKeyName, kCaption, kWidth, kHeight,
                                             &state, state.scale);
  if (main == nullptr) return nullptr;
  TakeOwnScale(state);
  ShowMainWindow(main);
  return main;
}

void LauncherWindow::SetPalette(const Palette& palette) {
  if (state_->main != nullptr) ChangePalette(*state_, palette);
}

}  // namespace prolexa::zeruraruri
