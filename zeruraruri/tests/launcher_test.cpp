#include "launcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace prolexa::zeruraruri {
namespace {

TEST(Pages, HoldTheirProgramsInTheirSlots) {
  const struct {
    int page, slot;
    bool enabled;
    const char* program;
    int normal, hover;
  } rows[] = {
      {0, 0, true, "Trigona", IDB_TILE_TRIGONA, IDB_TILE_TRIGONA_HOVER},
      {0, 1, true, "Radixa", IDB_TILE_RADIXA, IDB_TILE_RADIXA_HOVER},
      {0, 2, true, "Zazozarozovuz", IDB_TILE_ZAZOZAROZOVUZ, IDB_TILE_ZAZOZAROZOVUZ_HOVER},
      {0, 3, true, "Redero", IDB_TILE_REDERO, IDB_TILE_REDERO_HOVER},
      {0, 4, true, "Dromika", IDB_TILE_DROMIKA, IDB_TILE_DROMIKA_HOVER},
      {1, 0, true, "Zoverudir", IDB_TILE_ZOVERUDIR, IDB_TILE_ZOVERUDIR_HOVER},
      {1, 1, true, "Zeraz", IDB_TILE_ZERAZ, IDB_TILE_ZERAZ_HOVER},
      {1, 2, true, "Mernika", IDB_TILE_MERNIKA, IDB_TILE_MERNIKA_HOVER},
      {1, 3, false, "Zezidorodera", IDB_TILE_TRIGONA, IDB_TILE_TRIGONA_HOVER},
      {1, 4, false, "Dromika", IDB_TILE_DROMIKA, IDB_TILE_DROMIKA_HOVER},
  };
  for (const auto& r : rows) {
    const Tile tile = PageTiles(r.page)[r.slot];
    EXPECT_EQ(tile.enabled, r.enabled) << r.program;
    EXPECT_EQ(tile.program, r.program);
    EXPECT_EQ(tile.normal, r.normal) << r.program;
    EXPECT_EQ(tile.hover, r.hover) << r.program;
  }
}

TEST(Pages, SwitchOnlyBetweenTheTwoAndByTheDragsDirection) {
  EXPECT_EQ(ShowPage(1, 0), 0);
  EXPECT_EQ(ShowPage(0, 1), 1);
  EXPECT_EQ(ShowPage(0, 0), 0);
  EXPECT_EQ(ShowPage(1, 2), 1) << "no third page";
  EXPECT_EQ(PageAfterRightDrag(400, 300), 1) << "to the left";
  EXPECT_EQ(PageAfterRightDrag(400, 400), 0) << "a click without moving";
  EXPECT_EQ(PageAfterRightDrag(300, 400), 0) << "to the right";
}

TEST(ClickAt, FindsTheFirstRegionThatHoldsThePoint) {
  const Tiles second = PageTiles(1);
  const struct {
    Point at;
    const Tiles& tiles;
    std::optional<Spot> spot;
    std::optional<int> slot;
    const char* why;
  } rows[] = {
      {{700, 150}, PageTiles(0), Spot::Settings, {}, "the settings tab"},
      {{694, 248}, PageTiles(0), Spot::About, {}, "a tab's top edge is its own"},
      {{720, 494}, PageTiles(0), Spot::Donation, {}, "the donation tab's corner"},
      {{721, 300}, PageTiles(0), {}, {}, "right of the tabs"},
      {{665, 10}, PageTiles(0), Spot::Minimise, {}, "minimise"},
      {{680, 10}, PageTiles(0), Spot::Close, {}, "close starts where minimise ends"},
      {{27, 120}, PageTiles(0), {}, 0, "the first tile's corner"},
      {{336, 496}, PageTiles(0), {}, 3, "the fourth tile's far corner"},
      {{337, 300}, PageTiles(0), {}, {}, "between the columns"},
      {{400, 150}, PageTiles(0), {}, 4, "the right column"},
      {{400, 150}, second, {}, {}, "a disabled slot does nothing"},
      {{100, 430}, second, {}, {}, "nor the lower-left one"},
      {{100, 250}, second, {}, 1, "Zeraz"},
      {{700, 60}, PageTiles(0), {}, {}, "the help icon acts on the press"},
  };
  for (const auto& r : rows) {
    const Click click = ClickAt(r.at, r.tiles);
    EXPECT_EQ(click.spot, r.spot) << r.why;
    EXPECT_EQ(click.slot, r.slot) << r.why;
  }
  EXPECT_TRUE(OnHelpIcon({682, 45}));
  EXPECT_FALSE(OnHelpIcon({717, 60}));
}

TEST(DragsWindow, OnTheBannerButNotItsPictures) {
  const struct {
    Point at;
    bool drags;
  } rows[] = {
      {{300, 50}, true},  {{0, 0}, true},     {{300, 99}, true},  {{300, 100}, false},
      {{660, 10}, false}, {{709, 19}, false}, {{710, 10}, true},  {{660, 1}, true},
      {{690, 60}, false}, {{713, 76}, false}, {{690, 77}, true},  {{400, 300}, false},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(DragsWindow(r.at), r.drags) << r.at.x << ", " << r.at.y;
  }
  // No picture a click answers to drags the window from its middle: the
  // banner's buttons and help icon, and the tabs below the banner.
  for (const HotSpot& h : HotSpots()) {
    const Point middle{(h.region.left + h.region.right) / 2, (h.region.top + h.region.bottom) / 2};
    EXPECT_FALSE(DragsWindow(middle)) << static_cast<int>(h.spot);
  }
}

TEST(SettingsLists, WriteTheValuesTheirProgramsRead) {
  const struct {
    int control;
    const char* key;
    const char* value;
    int entries, defaultEntry;
    const char* last;
  } rows[] = {
      {IDC_TRIGONA_A, "Trigona", "cmb0", 4, 3, "m"},
      {IDC_TRIGONA_C, "Trigona", "cmb2", 4, 3, "m"},
      {IDC_VALUE1, "Rezeze", "cmb0", 4, 3, "m"},
      {IDC_VALUE4, "Rezeze", "cmb3", 4, 3, "m"},
      {IDC_DISTANCE, "Dromika", "cmb0", 2, 0, "km"},
      {IDC_RESULT, "Dromika", "cmb1", 2, 0, "km/h"},
      {IDC_SPEED1, "Dromika", "cmb2", 2, 0, "km/h"},
      {IDC_SPEED2, "Dromika", "cmb3", 2, 0, "km/h"},
      {IDC_TIME1, "Dromika", "cmb4", 3, 0, "hod"},
      {IDC_TIME2, "Dromika", "cmb5", 3, 0, "hod"},
  };
  for (const auto& r : rows) {
    const SettingsList* found = nullptr;
    for (const SettingsList& list : SettingsLists()) {
      if (list.control == r.control) found = &list;
    }
    ASSERT_NE(found, nullptr) << r.control;
    EXPECT_EQ(found->keyName, r.key) << r.control;
    EXPECT_EQ(std::string(found->value), r.value) << r.control;
    EXPECT_EQ(found->entries.count, r.entries) << r.control;
    EXPECT_EQ(found->defaultEntry, r.defaultEntry) << r.control;
    EXPECT_EQ(found->entries.entries[r.entries - 1], r.last) << r.control;
  }
}

TEST(Shapes, EveryIndexHasItsTitleAndFigure) {
  for (int i = 0; i < ShapeCount; ++i) {
    EXPECT_FALSE(ShapeTitle(i).empty()) << i;
    EXPECT_FALSE(ShapePreview(i).Steps().empty()) << i;
    // Pairs share a figure.
    if (i % 2 == 1) {
      const DrawSteps a = ShapePreview(i - 1), b = ShapePreview(i);
      ASSERT_EQ(a.Steps().size(), b.Steps().size()) << i;
      for (std::size_t k = 0; k < a.Steps().size(); ++k) {
        EXPECT_EQ(a.Steps()[k].sketch, b.Steps()[k].sketch) << i;
      }
    }
  }
  EXPECT_EQ(ShapeTitle(0), "Obvod štvorca");
  EXPECT_EQ(ShapeTitle(21), "Objem guly");
  EXPECT_TRUE(ShapePreview(-1).Steps().empty());
  EXPECT_TRUE(ShapePreview(22).Steps().empty());
  EXPECT_EQ(ShapePreview(6).Steps().size(), 1u) << "the triangle as one closed line";
}

TEST(Shapes, StepAroundAndOpenInRange) {
  EXPECT_EQ(PreviousShape(0), 21) << "from the square to the sphere's volume";
  EXPECT_EQ(NextShape(21), 0);
  EXPECT_EQ(NextShape(4), 5);
  EXPECT_EQ(PreviousShape(4), 3);
  EXPECT_EQ(StoredShape(21), 21);
  EXPECT_EQ(StoredShape(22), 0);
  EXPECT_EQ(StoredShape(0xFFFFFFFFu), 0);
}

constexpr Focusable kSettingsTab{-1, Spot::Settings};
constexpr Focusable kAboutTab{-1, Spot::About};
constexpr Focusable kDonationTab{-1, Spot::Donation};

TEST(Keyboard, VisitsTheEnabledTilesColumnByColumnThenTheTabs) {
  const std::vector<Focusable> first = {{0}, {1}, {2}, {3}, {4}, kSettingsTab, kAboutTab,
                                        kDonationTab};
  EXPECT_EQ(FocusOrder(PageTiles(0)), first);
  const std::vector<Focusable> second = {{0}, {1}, {2}, kSettingsTab, kAboutTab, kDonationTab};
  EXPECT_EQ(FocusOrder(PageTiles(1)), second) << "the disabled slots are skipped";
  EXPECT_EQ(FocusBox({4}).left, SlotBox(4).left);
  EXPECT_EQ(FocusBox(kAboutTab).top, 248);
}

TEST(Keyboard, KeysMoveTheFocusActivateAndTurnThePage) {
  using F = std::optional<Focusable>;
  const F none;
  const struct {
    int page;
    F focus;
    Key key;
    bool ctrl, shift;
    int pageAfter;
    F focusAfter, activate;
    const char* why;
  } rows[] = {
      {0, none, Key::Down, false, false, 0, Focusable{0}, none, "the first key shows the focus"},
      {0, none, Key::Enter, false, false, 0, Focusable{0}, none, "and starts nothing"},
      {0, Focusable{0}, Key::Tab, false, false, 0, Focusable{1}, none, "Tab: down the column"},
      {0, Focusable{3}, Key::Tab, false, false, 0, Focusable{4}, none, "to the next column"},
      {0, Focusable{4}, Key::Tab, false, false, 0, kSettingsTab, none, "then the tabs"},
      {0, kDonationTab, Key::Tab, false, false, 0, Focusable{0}, none, "wrapping"},
      {0, Focusable{0}, Key::Tab, false, true, 0, kDonationTab, none, "Shift+Tab back"},
      {0, Focusable{0}, Key::Right, false, false, 0, Focusable{4}, none, "the tile in its row"},
      {0, Focusable{4}, Key::Left, false, false, 0, Focusable{0}, none, "and back"},
      {0, Focusable{1}, Key::Right, false, false, 0, kAboutTab, none, "the tab beside it"},
      {0, Focusable{3}, Key::Right, false, false, 0, kDonationTab, none, ""},
      {0, kAboutTab, Key::Left, false, false, 0, Focusable{2}, none, "the nearer row"},
      {0, kSettingsTab, Key::Left, false, false, 0, Focusable{4}, none, "the nearer column"},
      {0, Focusable{1}, Key::Up, false, false, 0, Focusable{0}, none, ""},
      {0, Focusable{4}, Key::Down, false, false, 0, kSettingsTab, none, "nothing below: along"},
      {0, Focusable{0}, Key::Up, false, false, 0, kDonationTab, none, "nothing above: back"},
      {1, Focusable{2}, Key::Down, false, false, 1, kSettingsTab, none, "past the disabled"},
      {0, Focusable{1}, Key::Enter, false, false, 0, Focusable{1}, Focusable{1}, "starts it"},
      {0, kAboutTab, Key::Space, false, false, 0, kAboutTab, kAboutTab, "opens it"},
      {0, Focusable{2}, Key::Other, false, false, 0, Focusable{2}, none, "Esc and the like"},
      {0, Focusable{2}, Key::PageDown, false, false, 1, Focusable{0}, none, "the second page"},
      {1, Focusable{2}, Key::PageDown, false, false, 1, Focusable{2}, none, "no third page"},
      {1, kAboutTab, Key::PageUp, false, false, 0, Focusable{0}, none, "the first page"},
      {0, none, Key::Tab, true, false, 1, Focusable{0}, none, "Ctrl+Tab: the other page"},
      {1, Focusable{1}, Key::Tab, true, true, 0, Focusable{0}, none, "and back"},
      {1, Focusable{4}, Key::Enter, false, false, 1, Focusable{0}, none, "a slot not on the page"},
  };
  for (const auto& r : rows) {
    const KeyOutcome out = AfterKey(r.page, r.focus, r.key, r.ctrl, r.shift);
    EXPECT_EQ(out.page, r.pageAfter) << r.why;
    EXPECT_EQ(out.focus, r.focusAfter) << r.why;
    EXPECT_EQ(out.activate, r.activate) << r.why;
  }
}

}  // namespace
}  // namespace prolexa::zeruraruri
