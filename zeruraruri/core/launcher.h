// What the launcher knows without a window: the tiles of its two pages, the
// hot spots of its skin and which of them holds a point, where the window
// may be dragged, and the choices its settings dialog keeps for four
// calculators, with the shape preview of the exercise calculator.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "formula.h"
#include "resource.h"
#include "solution.h"
#include "units.h"

namespace prolexa::zeruraruri {

// Whether a point lies in a box, left and top included, right and bottom
// not (as the window system takes a rectangle).
bool Contains(const Box& box, Point p);

// One of the five tile slots as a page fills it.
struct Tile {
  bool enabled = false;
  int normal = 0;  // bitmap resources
  int hover = 0;
  std::string_view program;  // the program file's name, without ".exe"
  // What the tile's picture says: the program's name and what it is for.
  std::string_view title;
  std::string_view subtitle;
};

inline constexpr int SlotCount = 5;
inline constexpr int TileWidth = 310;
inline constexpr int TileHeight = 89;
using Tiles = std::array<Tile, SlotCount>;

// Where slot i (0 to 4) stands in the client area; it is also its click region.
Box SlotBox(int slot);

// The tiles of page 0 or 1. The second page leaves its last slot as the
// first page had it, but disabled.
Tiles PageTiles(int page);

// The page shown after one is asked for: only a switch from the other page
// takes effect; anything else leaves `shown` as it is.
int ShowPage(int shown, int asked);

// A right-button drag from downX to upX: to the left shows the second page,
// anything else the first.
int PageAfterRightDrag(int downX, int upX);

enum class Spot { Settings, About, Donation, Close, Minimise, Help };
inline constexpr int SpotCount = 6;

// A picture of the skin that reacts to the mouse.
struct HotSpot {
  Spot spot;
  Box region;
  int normal;   // bitmap resources
  int hover;
  Point at;     // where the pictures are drawn
  int width;    // and how large TrackHover draws them
  int height;
};

// In the order the mouse moves track them.
const std::array<HotSpot, SpotCount>& HotSpots();

// Whether a point lies on the help icon, which opens help on the press.
bool OnHelpIcon(Point client);

// What a left-button release on a point asks for: a hot spot (the help icon
// is handled on the press and never answered here), an enabled slot, or
// nothing.
struct Click {
  std::optional<Spot> spot;
  std::optional<int> slot;
};
Click ClickAt(Point client, const Tiles& tiles);

// Whether a press at a client point may drag the window: everywhere on the
// banner but its minimise, close and help pictures.
bool DragsWindow(Point client);

// What the keyboard focus stands on: an enabled tile's slot, or one of the
// three tabs (settings, about, donation) when `slot` is -1.
struct Focusable {
  int slot = -1;
  Spot tab = Spot::Settings;
  friend bool operator==(const Focusable&, const Focusable&) = default;
};

// The focusable items of a page in the order Tab visits them: the enabled
// tiles column by column, each column from the top, then the tabs from the
// top.
std::vector<Focusable> FocusOrder(const Tiles& tiles);

// The region an item answers clicks in; its focus mark is drawn around it.
Box FocusBox(Focusable item);

// What an item shows, which is also what a screen reader says of it: a
// tile's program and what it is for, a tab's word and what it opens.
struct Label {
  std::string_view title;
  std::string_view subtitle;
};
Label LabelOf(const Tiles& tiles, Focusable item);

// The launcher's keys, as the window tells them to the core.
enum class Key { Tab, Left, Right, Up, Down, Enter, Space, PageUp, PageDown, Other };

// Where the pupil stands after a key: the page shown, the focused item, and
// what the key starts or opens (a tile's program or a tab's dialog).
struct KeyOutcome {
  int page = 0;
  std::optional<Focusable> focus;
  std::optional<Focusable> activate;
};

// What a key does on a page with the focus (none until the first key).
// Without a focus, the first navigation key, Enter or Space only shows the
// focus on the first tile. Tab and Shift+Tab go along the order, wrapping;
// an arrow goes to the nearest item in its direction that shares a row (or
// column) with the focused one, else along the order as Tab (Right, Down)
// or Shift+Tab (Left, Up) would; Enter and Space activate the focused item;
// Page Down shows the second page, Page Up the first, Ctrl+Tab the other,
// and a page that changes puts the focus on its first tile. Any other key
// changes nothing.
KeyOutcome AfterKey(int page, std::optional<Focusable> focus, Key key, bool ctrl, bool shift);

// A list of the settings dialog and the registry value it keeps.
struct SettingsList {
  int control;
  std::string_view keyName;  // the program's key under Software\Tolvek\Prolexa
  const char* value;
  UnitList entries;
  int defaultEntry;
};

inline constexpr std::array<std::string_view, 2> DistanceUnitNames = {"m", "km"};
inline constexpr std::array<std::string_view, 2> SpeedUnitNames = {"m/s", "km/h"};
inline constexpr std::array<std::string_view, 3> TimeUnitNames = {"sek", "min", "hod"};

const std::array<SettingsList, 13>& SettingsLists();

// The four option buttons of the combinatorics calculator, from the first.
inline constexpr int FirstCombinationButton = IDC_VARIATIONS;
inline constexpr int CombinationButtons = 4;

// The exercise calculator's 22 shapes, in pairs that share a figure.
inline constexpr int ShapeCount = 22;
std::string_view ShapeTitle(int index);
// The figure of a shape in the dialog's client pixels; nothing for an index
// outside 0 to 21.
DrawSteps ShapePreview(int index);
// "<<" and ">>": one back or forward, wrapping from the first to the last
// and back.
int PreviousShape(int index);
int NextShape(int index);
// A stored index as the dialog opens with it: outside 0 to 21 the square.
int StoredShape(std::uint32_t stored);

}  // namespace prolexa::zeruraruri
