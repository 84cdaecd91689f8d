#include "launcher.h"

#include <algorithm>
#include <cstdlib>

#include "resource.h"
#include "rezeze_solver.h"

namespace prolexa::zeruraruri {
namespace {

constexpr Point kSlotCorners[SlotCount] = {{27, 120}, {27, 216}, {27, 312}, {27, 408}, {360, 120}};

constexpr Tiles kFirstPage = {{
    {true, IDB_TILE_TRIGONA, IDB_TILE_TRIGONA_HOVER, "Trigona", "Trigona", "Pytagorova veta"},
    {true, IDB_TILE_RADIXA, IDB_TILE_RADIXA_HOVER, "Radixa", "Radixa", "Kvadratické rovnice"},
    {true, IDB_TILE_ZAZOZAROZOVUZ, IDB_TILE_ZAZOZAROZOVUZ_HOVER, "Zazozarozovuz", "Zazozarozovuz",
     "Variácie a kombinácie"},
    {true, IDB_TILE_REDERO, IDB_TILE_REDERO_HOVER, "Redero", "Redero", "Obvody, obsahy a objemy"},
    {true, IDB_TILE_DROMIKA, IDB_TILE_DROMIKA_HOVER, "Dromika", "Dromika", "Pohyb dvoch telies"},
}};

// The last two slots are never shown: they have no words.
constexpr Tiles kSecondPage = {{
    {true, IDB_TILE_ZOVERUDIR, IDB_TILE_ZOVERUDIR_HOVER, "Zoverudir", "Zoverudir",
     "Ďalší program sady"},
    {true, IDB_TILE_ZERAZ, IDB_TILE_ZERAZ_HOVER, "Zeraz", "Zeraz", "Teplo telesa"},
    {true, IDB_TILE_MERNIKA, IDB_TILE_MERNIKA_HOVER, "Mernika", "Mernika", "Prevody jednotiek"},
    {false, IDB_TILE_TRIGONA, IDB_TILE_TRIGONA_HOVER, "Zezidorodera", {}, {}},
    {false, IDB_TILE_DROMIKA, IDB_TILE_DROMIKA_HOVER, "Dromika", {}, {}},
}};

// The tabs' words as their pictures write them, and what each opens.
constexpr Label kTabLabels[] = {
    {"Nastavenia", "jednotky a voľby, s ktorými kalkulačky začínajú"},
    {"O programe", "názov a verzia"},
    {"Dotácie", "ako podporiť vývoj"},
};

const std::array<HotSpot, SpotCount> kHotSpots = {{
    {Spot::Settings, {694, 99, 721, 248}, IDB_TAB_SETTINGS, IDB_TAB_SETTINGS_HOVER, {694, 100}, 31,
     149},
    {Spot::About, {694, 248, 721, 386}, IDB_TAB_ABOUT, IDB_TAB_ABOUT_HOVER, {694, 248}, 31, 138},
    // The donation tab's pictures are one column wider than its region.
    {Spot::Donation, {694, 386, 721, 495}, IDB_TAB_DONATION, IDB_TAB_DONATION_HOVER, {693, 386}, 32,
     122},
    {Spot::Close, {680, 0, 710, 20}, IDB_CLOSE, IDB_CLOSE_HOVER, {680, 0}, 30, 20},
    {Spot::Minimise, {650, 0, 680, 20}, IDB_MINIMISE, IDB_MINIMISE_HOVER, {650, 0}, 30, 20},
    {Spot::Help, {682, 45, 717, 76}, IDB_HELP, IDB_HELP_HOVER, {682, 45}, 35, 31},
}};

// What a release answers to, first region first: the tabs, then the
// window's own buttons.
constexpr Spot kClickOrder[] = {Spot::Settings, Spot::About, Spot::Donation, Spot::Minimise,
                                Spot::Close};

constexpr UnitList kDistance = ListOf(DistanceUnitNames);
constexpr UnitList kSpeed = ListOf(SpeedUnitNames);
constexpr UnitList kTime = ListOf(TimeUnitNames);

// Each list writes the value its program reads for that list: the motion
// calculator reads its distance, result, two speeds and two times in this
// order of values, whatever order the dialog shows them in.
const std::array<SettingsList, 13> kSettingsLists = {{
    {IDC_TRIGONA_A, "Trigona", "cmb0", LengthUnits, Metres},
    {IDC_TRIGONA_B, "Trigona", "cmb1", LengthUnits, Metres},
    {IDC_TRIGONA_C, "Trigona", "cmb2", LengthUnits, Metres},
    {IDC_VALUE1, "Rezeze", "cmb0", LengthUnits, Metres},
    {IDC_VALUE2, "Rezeze", "cmb1", LengthUnits, Metres},
    {IDC_VALUE3, "Rezeze", "cmb2", LengthUnits, Metres},
    {IDC_VALUE4, "Rezeze", "cmb3", LengthUnits, Metres},
    {IDC_DISTANCE, "Dromika", "cmb0", kDistance, 0},  // Dráha s
    {IDC_RESULT, "Dromika", "cmb1", kSpeed, 0},     // Výsledok
    {IDC_SPEED1, "Dromika", "cmb2", kSpeed, 0},     // Rýchlosť v1
    {IDC_SPEED2, "Dromika", "cmb3", kSpeed, 0},     // Rýchlosť v2
    {IDC_TIME1, "Dromika", "cmb4", kTime, 0},      // Čas t1
    {IDC_TIME2, "Dromika", "cmb5", kTime, 0},      // Čas t2
}};

constexpr std::string_view kShapeTitles[ShapeCount] = {
    "Obvod štvorca",      "Obsah štvorca",      "Obvod obdĺžníka",    "Obsah obdĺžníka",
    "Obvod kruhu",        "Obsah kruhu",        "Obvod trojuholníka", "Obsah trojuholníka",
    "Obvod lichobežníka", "Obsah lichobežníka", "Obsah kocky",        "Objem kocky",
    "Obsah hranola",      "Objem hranola",      "Obsah valca",        "Objem valca",
    "Obsah ihlanu",       "Objem ihlanu",       "Obsah kužeľa",       "Objem kužeľa",
    "Obsah guly",         "Objem guly"};

}  // namespace

bool Contains(const Box& box, Point p) {
  return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

Box SlotBox(int slot) {
  const Point at = kSlotCorners[slot];
  return {at.x, at.y, at.x + TileWidth, at.y + TileHeight};
}

Tiles PageTiles(int page) { return page == 1 ? kSecondPage : kFirstPage; }

int ShowPage(int shown, int asked) { return asked == 0 || asked == 1 ? asked : shown; }

int PageAfterRightDrag(int downX, int upX) { return downX - upX > 0 ? 1 : 0; }

const std::array<HotSpot, SpotCount>& HotSpots() { return kHotSpots; }

bool OnHelpIcon(Point client) {
  for (const HotSpot& h : kHotSpots) {
    if (h.spot == Spot::Help) return Contains(h.region, client);
  }
  return false;
}

Click ClickAt(Point client, const Tiles& tiles) {
  for (Spot spot : kClickOrder) {
    for (const HotSpot& h : kHotSpots) {
      if (h.spot == spot && Contains(h.region, client)) return {spot, std::nullopt};
    }
  }
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (Contains(SlotBox(slot), client)) {
      if (tiles[slot].enabled) return {std::nullopt, slot};
      return {};
    }
  }
  return {};
}

bool DragsWindow(Point client) {
  const bool windowButtons = client.x >= 650 && client.x <= 709 && client.y > 1 && client.y < 20;
  const bool helpIcon = client.x >= 680 && client.x <= 713 && client.y > 46 && client.y < 77;
  const bool belowBanner = client.y >= 100;
  return !windowButtons && !helpIcon && !belowBanner;
}

std::vector<Focusable> FocusOrder(const Tiles& tiles) {
  std::vector<Focusable> order;
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (tiles[slot].enabled) order.push_back({slot});
  }
  // Column by column as the tiles stand, whatever their slots' numbers.
  std::stable_sort(order.begin(), order.end(), [](const Focusable& a, const Focusable& b) {
    const Box p = SlotBox(a.slot), q = SlotBox(b.slot);
    return p.left != q.left ? p.left < q.left : p.top < q.top;
  });
  for (Spot tab : {Spot::Settings, Spot::About, Spot::Donation}) order.push_back({-1, tab});
  return order;
}

Box FocusBox(Focusable item) {
  if (item.slot >= 0) return SlotBox(item.slot);
  for (const HotSpot& h : kHotSpots) {
    if (h.spot == item.tab) return h.region;
  }
  return {};
}

Label LabelOf(const Tiles& tiles, Focusable item) {
  if (item.slot >= 0) return {tiles[item.slot].title, tiles[item.slot].subtitle};
  // The window's own buttons are no tabs and take no focus.
  const int tab = static_cast<int>(item.tab);
  return tab < static_cast<int>(std::size(kTabLabels)) ? kTabLabels[tab] : Label{};
}

namespace {

// The item nearest to `from` in an arrow's direction among those that share
// its row (Left, Right) or column (Up, Down): the smallest gap, then the
// smallest offset of the middles across.
std::optional<Focusable> Neighbour(const std::vector<Focusable>& order, Focusable from, Key key) {
  const Box f = FocusBox(from);
  const bool across = key == Key::Left || key == Key::Right;
  std::optional<Focusable> best;
  long bestGap = 0, bestOffset = 0;
  for (const Focusable& item : order) {
    if (item == from) continue;
    const Box b = FocusBox(item);
    long gap = 0;
    switch (key) {
      case Key::Right: gap = b.left - f.right; break;
      case Key::Left: gap = f.left - b.right; break;
      case Key::Down: gap = b.top - f.bottom; break;
      default: gap = f.top - b.bottom; break;
    }
    const bool shares = across ? b.top < f.bottom && f.top < b.bottom
                               : b.left < f.right && f.left < b.right;
    if (gap < 0 || !shares) continue;
    const long offset = across ? std::labs((b.top + b.bottom) - (f.top + f.bottom))
                               : std::labs((b.left + b.right) - (f.left + f.right));
    if (!best || gap < bestGap || (gap == bestGap && offset < bestOffset)) {
      best = item;
      bestGap = gap;
      bestOffset = offset;
    }
  }
  return best;
}

}  // namespace

KeyOutcome AfterKey(int page, std::optional<Focusable> focus, Key key, bool ctrl, bool shift) {
  KeyOutcome out{page, focus, std::nullopt};
  const bool pageKey =
      key == Key::PageDown || key == Key::PageUp || (key == Key::Tab && ctrl);
  if (pageKey) {
    const int asked = key == Key::PageDown ? 1 : key == Key::PageUp ? 0 : 1 - page;
    out.page = ShowPage(page, asked);
    if (out.page != page || !focus) out.focus = FocusOrder(PageTiles(out.page)).front();
    return out;
  }
  if (key == Key::Other) return out;
  const std::vector<Focusable> order = FocusOrder(PageTiles(page));
  const auto at = focus ? std::find(order.begin(), order.end(), *focus) : order.end();
  // The first key shows where the focus stands; so does any key when the
  // focused item is not on the page.
  if (at == order.end()) {
    out.focus = order.front();
    return out;
  }
  const std::size_t i = static_cast<std::size_t>(at - order.begin());
  const Focusable next = order[(i + 1) % order.size()];
  const Focusable previous = order[(i + order.size() - 1) % order.size()];
  switch (key) {
    case Key::Enter:
    case Key::Space:
      out.activate = *focus;
      break;
    case Key::Tab:
      out.focus = shift ? previous : next;
      break;
    default: {
      const bool forward = key == Key::Right || key == Key::Down;
      out.focus = Neighbour(order, *focus, key).value_or(forward ? next : previous);
      break;
    }
  }
  return out;
}

const std::array<SettingsList, 13>& SettingsLists() { return kSettingsLists; }

std::string_view ShapeTitle(int index) {
  return index >= 0 && index < ShapeCount ? kShapeTitles[index] : std::string_view();
}

DrawSteps ShapePreview(int index) {
  // The exercise calculator's own sketch, moved into the dialog's corner.
  return rezeze::DrawShapeSketch(index, {-40, -80});
}

int PreviousShape(int index) { return rezeze::PreviousExercise(index); }

int NextShape(int index) { return rezeze::NextExercise(index); }

int StoredShape(std::uint32_t stored) {
  return stored < static_cast<std::uint32_t>(ShapeCount) ? static_cast<int>(stored) : 0;
}

}  // namespace prolexa::zeruraruri
