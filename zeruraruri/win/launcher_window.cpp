// Zeruraruri: the suite's launcher. One skinned window of picture tiles on
// two pages; a click starts the tile's calculator, the tabs open the
// settings, about and donation dialogs.
#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

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

struct HoverFlags {
  bool normalShown = false;
  bool hoverShown = true;
};

// Everything the window keeps between messages.
struct State {
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
};

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

// Draws the focus mark in the DC's current mapping, where painting is in
// 96-DPI places.
void DrawFocusMark(const State& launcher, HDC dc) {
  if (!launcher.focus) return;
  const RECT r = FocusMarkRect(*launcher.focus);
  const GdiBrush accent(CreateSolidBrush(kAccent));
  const RECT sides[] = {{r.left, r.top, r.right, r.top + kFocusWidth},
                        {r.left, r.bottom - kFocusWidth, r.right, r.bottom},
                        {r.left, r.top, r.left + kFocusWidth, r.bottom},
                        {r.right - kFocusWidth, r.top, r.right, r.bottom}};
  for (const RECT& side : sides) FillRect(dc, &side, accent.Get());
}

// Has the place of the focus mark drawn anew, with or without it.
void InvalidateFocus(const State& launcher) {
  if (!launcher.focus) return;
  RECT area = launcher.scale(FocusMarkRect(*launcher.focus));
  InflateRect(&area, 1, 1);  // the scaling may round either way
  RedrawWindow(launcher.main, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void MoveFocus(State& launcher, std::optional<Focusable> to) {
  if (to == launcher.focus) return;
  InvalidateFocus(launcher);
  launcher.focus = to;
  InvalidateFocus(launcher);
}

void ShowTilePage(State& launcher, int page) {
  const int shown = ShowPage(launcher.page, page);
  if (shown == launcher.page) return;
  launcher.page = shown;
  launcher.tiles = PageTiles(shown);
  // The new tiles are drawn normal; their hover starts anew.
  launcher.slotHover.fill(HoverFlags{});
  const RECT area = launcher.scale(kTileArea);
  RedrawWindow(launcher.main, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
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

// Draws at the window's scale: the places stay the skin's 96-DPI ones.
void Paint(const State& launcher, HDC dc) {
  const ScaledDrawing scaled(dc, launcher.scale);
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

void TrackMouse(State& launcher, Point mouse) {
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
  // A mouse that leaves the window straight from a tile or spot sends no
  // move outside it: while one shows its hover picture, the window asks to
  // be told when the mouse has left.
  const auto hovered = [](const HoverFlags& h) { return h.hoverShown; };
  if (std::any_of(launcher.spotHover.begin(), launcher.spotHover.end(), hovered) ||
      std::any_of(launcher.slotHover.begin(), launcher.slotHover.end(), hovered)) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = launcher.main;
    TrackMouseEvent(&track);
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
      ShowSettingsDialog(launcher.instance, launcher.main);
      break;
    case Spot::About:
      ShowAboutDialog(launcher.instance, launcher.main);
      break;
    case Spot::Donation:
      ShowDonationDialog(launcher.instance, launcher.main);
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

// A key moves the focus, turns the page or starts what has the focus, as
// the core says. A held Enter or Space starts its program once, not once
// for each repeat.
void OnKeyDown(State& launcher, WPARAM virtualKey, LPARAM flags) {
  const KeyOutcome out = AfterKey(launcher.page, launcher.focus, KeyOf(virtualKey),
                                  GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0);
  ShowTilePage(launcher, out.page);
  MoveFocus(launcher, out.focus);
  const bool repeated = (flags & (1 << 30)) != 0;
  if (!out.activate || repeated) return;
  if (out.activate->slot >= 0) {
    StartProgram(launcher, launcher.tiles[out.activate->slot].program);
  } else {
    OpenSpot(launcher, out.activate->tab);
  }
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

LRESULT CALLBACK LauncherWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = CreationState<State>(window, message, lParam);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  State& launcher = *state;
  switch (message) {
    case WM_CREATE:
      launcher.main = window;
      ShowTilePage(launcher, 0);
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
}  // namespace prolexa::zeruraruri

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace prolexa;
  zeruraruri::State state;
  state.instance = instance;
  SetHelpPage("zeruraruri.html");
  if (!RegisterMainClass(instance, zeruraruri::kKeyName, zeruraruri::LauncherWindow)) return 0;
  {
    SettingsKey key;
    key.Open(HKEY_CURRENT_USER, SettingsPath(zeruraruri::kKeyName));
    state.zoom = StoredZoom(key.ReadDword(zeruraruri::kZoomValue, LeastZoom));
  }
  state.screen = SystemScale();
  state.scale = zeruraruri::Zoomed(state);
  const HWND main = CreateCenteredMainWindow(instance, zeruraruri::kKeyName, "Prolexa",
                                             zeruraruri::kWidth, zeruraruri::kHeight, &state,
                                             state.scale);
  if (main == nullptr) return 0;
  zeruraruri::TakeOwnScale(state);
  ShowMainWindow(main);
  KeyPolicy keys;
  keys.helpOwner = main;
  keys.zoomTarget = main;
  return RunMessageLoop(keys);
}
