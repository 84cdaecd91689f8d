#include "launcher.h"

#include "rezeze_solver.h"

namespace prolexa::zeruraruri {
namespace {

constexpr Point kSlotCorners[SlotCount] = {{27, 120}, {27, 216}, {27, 312}, {27, 408}, {360, 120}};

constexpr Tiles kFirstPage = {{
    {true, 16, 17, "Trigona", "Tolvek-00-Trigona"},
    {true, 12, 13, "Radixa", "Tolvek-00-Radixa"},
    {true, 10, 11, "Zazozarozovuz", "Tolvek-00-Zazozarozovuz"},
    {true, 18, 19, "Redero", "Tolvek-00-Rezeze"},
    {true, 14, 15, "Dromika", "Tolvek-00-Dromika"},
}};

constexpr Tiles kSecondPage = {{
    {true, 20, 21, "Zoverudir", "Tolvek-00-Zoverudir"},
    {true, 22, 23, "Zeraz", "Tolvek-00-Zeraz"},
    {true, 24, 25, "Mernika", "Tolvek-00-Mernika"},
    {false, 16, 17, "Zezidorodera", "Tolvek-00-Zezidorodera"},
    {false, 14, 15, "Dromika", "Tolvek-00-Dromika"},
}};

const std::array<HotSpot, SpotCount> kHotSpots = {{
    {Spot::Settings, {694, 99, 721, 248}, 107, 108, {694, 100}, 31, 149},
    {Spot::About, {694, 248, 721, 386}, 109, 110, {694, 248}, 31, 138},
    // The donation tab's pictures are one column wider than its region.
    {Spot::Donation, {694, 386, 721, 495}, 111, 112, {693, 386}, 32, 122},
    {Spot::Close, {680, 0, 710, 20}, 113, 114, {680, 0}, 30, 20},
    {Spot::Minimise, {650, 0, 680, 20}, 115, 116, {650, 0}, 30, 20},
    {Spot::Help, {682, 45, 717, 76}, 105, 106, {682, 45}, 35, 31},
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
    {1003, "Trigona", "cmb0", LengthUnits, Metres},
    {1005, "Trigona", "cmb1", LengthUnits, Metres},
    {1007, "Trigona", "cmb2", LengthUnits, Metres},
    {1018, "Rezeze", "cmb0", LengthUnits, Metres},
    {1020, "Rezeze", "cmb1", LengthUnits, Metres},
    {1022, "Rezeze", "cmb2", LengthUnits, Metres},
    {1024, "Rezeze", "cmb3", LengthUnits, Metres},
    {1027, "Dromika", "cmb0", kDistance, 0},  // Dráha s
    {1037, "Dromika", "cmb1", kSpeed, 0},     // Výsledok
    {1029, "Dromika", "cmb2", kSpeed, 0},     // Rýchlosť v1
    {1031, "Dromika", "cmb3", kSpeed, 0},     // Rýchlosť v2
    {1033, "Dromika", "cmb4", kTime, 0},      // Čas t1
    {1035, "Dromika", "cmb5", kTime, 0},      // Čas t2
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
