#include "launcher.h"

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

void Lines(DrawSteps& figure, std::initializer_list<std::pair<Point, Point>> lines) {
  for (const auto& [a, b] : lines) figure.Sketch(SketchItem::Line(a, b));
}

// The circle of radius 30 about (520, 50).
void Circle(DrawSteps& figure) { figure.Sketch(SketchItem::Ellipse({490, 20, 551, 81})); }

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
  DrawSteps figure;
  if (index < 0 || index >= ShapeCount) return figure;
  switch (index / 2) {
    case 0:  // square
      figure.Sketch(SketchItem::Polyline({{495, 20}, {555, 20}, {555, 80}, {495, 80}, {495, 20}}));
      break;
    case 1:  // rectangle
      figure.Sketch(SketchItem::Polyline({{475, 20}, {575, 20}, {575, 80}, {475, 80}, {475, 20}}));
      break;
    case 2:
      Circle(figure);
      break;
    case 3:  // triangle
      figure.Sketch(SketchItem::Polyline({{475, 80}, {575, 80}, {540, 20}, {475, 80}}));
      break;
    case 4:  // trapezium
      Lines(figure, {{{475, 80}, {575, 80}},
                     {{505, 20}, {475, 80}},
                     {{575, 80}, {545, 20}},
                     {{545, 20}, {505, 20}}});
      break;
    case 5:  // cube
      Lines(figure, {{{520, 35}, {485, 23}},
                     {{520, 35}, {555, 23}},
                     {{520, 35}, {520, 82}},
                     {{520, 82}, {485, 70}},
                     {{485, 70}, {485, 23}},
                     {{520, 82}, {555, 70}},
                     {{555, 23}, {555, 70}},
                     {{555, 23}, {520, 11}},
                     {{520, 11}, {485, 23}}});
      break;
    case 6:  // prism
      Lines(figure, {{{525, 25}, {490, 13}},
                     {{490, 13}, {511, 6}},
                     {{525, 25}, {546, 18}},
                     {{546, 18}, {511, 6}},
                     {{525, 25}, {525, 81}},
                     {{490, 13}, {490, 69}},
                     {{525, 81}, {490, 69}},
                     {{546, 18}, {546, 74}},
                     {{546, 74}, {525, 81}}});
      break;
    case 7:  // cylinder
      figure.Sketch(SketchItem::Ellipse({485, 10, 550, 30}));
      Lines(figure, {{{485, 20}, {485, 70}}, {{549, 21}, {549, 70}}});
      figure.Sketch(SketchItem::Ellipse({485, 60, 550, 80}));
      break;
    case 8:  // pyramid
      Lines(figure, {{{520, 82}, {485, 70}},
                     {{520, 82}, {555, 70}},
                     {{520, 82}, {520, 20}},
                     {{485, 70}, {520, 20}},
                     {{555, 70}, {520, 20}}});
      break;
    case 9:  // cone
      Lines(figure, {{{518, 20}, {484, 69}}, {{518, 20}, {550, 70}}});
      figure.Sketch(SketchItem::Ellipse({485, 60, 550, 80}));
      break;
    case 10: {  // sphere: its outline and the lower half of an equator
      Circle(figure);
      // From 190° round through the bottom to 10°, about (520, 35).
      figure.Sketch(SketchItem::Arc({490, 5, 551, 66}, {225, 87}, {815, -17}));
      SketchItem gap = SketchItem::Line({550, 30}, {550, 43});
      gap.white = true;
      figure.Sketch(gap);
      break;
    }
    default:
      break;
  }
  return figure;
}

int PreviousShape(int index) { return index == 0 ? ShapeCount - 1 : index - 1; }

int NextShape(int index) { return index == ShapeCount - 1 ? 0 : index + 1; }

int StoredShape(std::uint32_t stored) {
  return stored < static_cast<std::uint32_t>(ShapeCount) ? static_cast<int>(stored) : 0;
}

}  // namespace prolexa::zeruraruri
