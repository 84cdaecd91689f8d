// Trigona on a screen of any DPI: its window and its worked solution are
// the 96-DPI ones scaled by the screen's DPI, with nothing cut off. The same
// test runs on a 96-DPI screen, which holds the 96-DPI figures below true.
#include <gtest/gtest.h>

#include <algorithm>

#include "calculator_test.h"
#include "scaled_screen.h"

namespace prolexa::e2e {
namespace {

// At 96 DPI: the window's outer size, the places of the fields and buttons
// used here, the solution area, and where the ink of the solution of a = 3,
// b = 4 stands in it.
constexpr SIZE kWindow{525, 500};
constexpr POINT kEditA{78, 77}, kEditB{78, 104}, kCompute{12, 190};
constexpr RECT kSolutionArea{11, 220, 370, 395};
constexpr RECT kSolutionInk{13, 225, 123, 392};
// How far a scaled place or the edge of scaled ink may stand from the
// 96-DPI one multiplied: one pixel of rounding each way for a place; a
// glyph's edge drawn at a larger size lands up to a couple of pixels off.
constexpr int kPlaceSlack = 2;
constexpr int kInkSlack = 4;

class TrigonaScaleTest : public CalculatorTest {
 protected:
  TrigonaScaleTest() : CalculatorTest(L"Trigona", "Trigona") {}

  void SetUp() override {
    CalculatorTest::SetUp();
    ASSERT_EQ(ScreenDpi(), RegisteredDpi()) << "the prefix's screen is not at its DPI";
    scale = DisplayScale{.dpi = ScreenDpi()};
  }

  HWND ControlAt(const wchar_t* windowClass, POINT at96) const {
    return program->ControlNear(windowClass, scale(at96.x), scale(at96.y), kPlaceSlack);
  }

  DisplayScale scale;
};

TEST_F(TrigonaScaleTest, TheWindowIsItsSizeAtTheScreensScale) {
  Start();
  RECT place{};
  GetWindowRect(program->Main(), &place);
  EXPECT_TRUE(Near(place.right - place.left, scale(kWindow.cx), kPlaceSlack, "the width"));
  EXPECT_TRUE(Near(place.bottom - place.top, scale(kWindow.cy), kPlaceSlack, "the height"));
}

TEST_F(TrigonaScaleTest, ASolutionIsDrawnWholeAtTheScreensScale) {
  Start();
  const HWND editA = ControlAt(L"Edit", kEditA), editB = ControlAt(L"Edit", kEditB),
             compute = ControlAt(L"Button", kCompute);
  ASSERT_NE(editA, nullptr) << "field a at its scaled place";
  ASSERT_NE(editB, nullptr) << "field b at its scaled place";
  ASSERT_NE(compute, nullptr) << "OK at its scaled place";
  program->Type(editA, "3");
  program->Type(editB, "4");
  const std::optional<MessageBoxInfo> box = program->ClickForMessageBox(compute, 500);
  ASSERT_FALSE(box.has_value()) << box->caption << ": " << box->text;

  // The ink is looked for across the whole width of the client area, so
  // that a drawing cut off and one running past its scaled area both show.
  RECT client{};
  GetClientRect(program->Main(), &client);
  const RECT below{0, scale(kSolutionArea.top), client.right,
                   std::min<LONG>(client.bottom, scale(kSolutionArea.bottom))};
  const RECT ink = program->InkBounds(below);
  const RECT expected = scale(kSolutionInk);
  EXPECT_TRUE(Near(ink.left, expected.left, kInkSlack, "the ink's left edge"));
  EXPECT_TRUE(Near(ink.top, expected.top, kInkSlack, "the ink's top edge"));
  EXPECT_TRUE(Near(ink.right, expected.right, kInkSlack, "the ink's right edge"));
  EXPECT_TRUE(Near(ink.bottom, expected.bottom, kInkSlack, "the ink's bottom edge"));
}

}  // namespace
}  // namespace prolexa::e2e
