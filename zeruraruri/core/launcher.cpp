#include "launcher.h"

#include "resource.h"
#include "rezeze_solver.h"

namespace prolexa::zeruraruri {
namespace {

constexpr Point kSlotCorners[SlotCount] = {{27, 120}, {27, 216}, {27, 312}, {27, 408}, {360, 120}};

constexpr Tiles kFirstPage = {{
    {true, IDB_TILE_TRIGONA, IDB_TILE_TRIGONA_HOVER, "Trigona"},
    {true, IDB_TILE_RADIXA, IDB_TILE_RADIXA_HOVER, "Radixa"},
    {true, IDB_TILE_ZAZOZAROZOVUZ, IDB_TILE_ZAZOZAROZOVUZ_HOVER, "Zazozarozovuz"},
    {true, IDB_TILE_REDERO, IDB_TILE_REDERO_HOVER, "Redero"},
    {true, IDB_TILE_DROMIKA, IDB_TILE_DROMIKA_HOVER, "Dromika"},
}};

constexpr Tiles kSecondPage = {{
    {true, IDB_TILE_ZOVERUDIR, IDB_TILE_ZOVERUDIR_HOVER, "Zoverudir"},
    {true, IDB_TILE_ZERAZ, IDB_TILE_ZERAZ_HOVER, "Zeraz"},
    {true, IDB_TILE_MERNIKA, IDB_TILE_MERNIKA_HOVER, "Mernika"},
    {false, IDB_TILE_TRIGONA, IDB_TILE_TRIGONA_HOVER, "Zezidorodera"},
    {false, IDB_TILE_DROMIKA, IDB_TILE_DROMIKA_HOVER, "Dromika"},
}};

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
