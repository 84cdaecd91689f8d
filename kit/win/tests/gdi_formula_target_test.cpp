#include "gdi_formula_target.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display_scale.h"
#include "solution.h"
#include "test_window.h"
#include "utf.h"
#include "wide.h"

namespace prolexa {
namespace {

constexpr int CanvasWidth = 420;
constexpr int CanvasHeight = 160;

// A canvas of the size every test here draws on.
class FormulaCanvas : public test::Canvas {
 public:
  FormulaCanvas() : Canvas(CanvasWidth, CanvasHeight) {}
};

int TextWidth(HDC dc, const GdiFont& font, const std::wstring& text) {
  const ScopedSelectObject select(dc, font.Get());
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

TEST(FormulaFont, MainFontAdvancesEightPixelsPerCharacter) {
  const struct {
    const char* text;
    const char* why;
  } cases[] = {
      {"0123456789", "digits"},
      {"a = c - b.", "letters, blanks and signs"},
      {"čšřžýáíéůú", "Czech small letters"},
      {"ČŠŘŽÝÁÍÉŮÚ", "Czech capitals"},
      {"ďťňěóĺľôäŕ", "Czech and Slovak rarer letters"},
      {"WWWWWiiiii", "the widest and narrowest Latin letters"},
  };
  const MemoryDC dc(nullptr);
  const GdiFont font = CreateFormulaFont(FormulaMainFontHeight);
  ASSERT_TRUE(font);
  for (const auto& c : cases) {
    const std::wstring text = Widen(c.text);
    ASSERT_EQ(text.size(), 10u) << c.why;
    EXPECT_EQ(TextWidth(dc.Dc(), font, text), 10 * CharWidth) << c.why;
  }
}

TEST(FormulaFont, HeightsAreCharacterHeights) {
  const MemoryDC dc(nullptr);
  for (int height : {FormulaMainFontHeight, FormulaSmallFontHeight}) {
    const GdiFont font = CreateFormulaFont(height);
    const ScopedSelectObject select(dc.Dc(), font.Get());
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(dc.Dc(), &metrics));
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, -height);
    EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0)
        << "monospaced (the flag is set for variable pitch)";
  }
}

// Where an item may put ink, grown by a pixel for anti-aliasing.
struct Box {
  int left, top, right, bottom;
  const char* what;
};

int CellHeight(int fontHeight) {
  const MemoryDC dc(nullptr);
  const GdiFont font = CreateFormulaFont(fontHeight);
  const ScopedSelectObject select(dc.Dc(), font.Get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.Dc(), &metrics);
  return metrics.tmHeight;
}

std::vector<Box> ItemBoxes(const FormulaLayout& layout, const std::string& superscript) {
  const MemoryDC dc(nullptr);
  const int smallWidth =
      TextWidth(dc.Dc(), CreateFormulaFont(FormulaSmallFontHeight), Widen(superscript));
  const int mainHeight = CellHeight(FormulaMainFontHeight);
  const int smallHeight = CellHeight(FormulaSmallFontHeight);
  std::vector<Box> boxes;
  for (const TextItem& t : layout.texts) {
    const int width = CharWidth * static_cast<int>(CharacterCount(t.text));
    boxes.push_back({t.x - 1, t.y - 1, t.x + width + 1, t.y + mainHeight + 1, "main text"});
  }
  for (const TextItem& t : layout.superscripts) {
    boxes.push_back({t.x - 1, t.y - 1, t.x + smallWidth + 1, t.y + smallHeight + 1, "superscript"});
  }
  for (const RootSign& r : layout.roots) {
    boxes.push_back({r.x + 2, r.y - 13, r.x + r.w + 3, r.y + 13, "root sign"});
  }
  for (const FractionBar& b : layout.bars) {
    boxes.push_back({std::min(b.x1, b.x2) - 1, b.y - 1, std::max(b.x1, b.x2) + 2, b.y + 2,
                     "fraction bar"});
  }
  return boxes;
}

TEST(GdiFormulaTarget, DrawsEveryItemAtItsPlaceAndNothingElsewhere) {
  const char* const lines[] = {
      "a^ = c^ - b^",
      "a = @16@ = 4",
      "x = |12.5||3 + 4| cm",
      "c = |a^ + b^||@2@| ž",
  };
  for (const char* line : lines) {
    const FormulaLayout layout = LayoutFormula(line, 12, 60, "2", 85);
    FormulaCanvas canvas;
    GdiFormulaTarget target(canvas.Dc());
    target.Draw(layout);
    const std::vector<Box> boxes = ItemBoxes(layout, "2");
    for (const Box& box : boxes) {
      int ink = 0;
      for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) ink += canvas.Ink(x, y);
      EXPECT_GT(ink, 0) << line << ": " << box.what << " at " << box.left << ", " << box.top;
    }
    int stray = 0;
    for (int y = 0; y < CanvasHeight; ++y) {
      for (int x = 0; x < CanvasWidth; ++x) {
        if (!canvas.Ink(x, y)) continue;
        const bool inBox = std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) {
          return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
        });
        stray += !inBox;
      }
    }
    EXPECT_EQ(stray, 0) << line << ": ink outside every item";
  }
}

TEST(GdiFormulaTarget, DrawsRootsAndBarsExactly) {
  FormulaLayout layout;
  layout.roots.push_back({20, 50, 40});
  layout.bars.push_back({100, 80, 180});
  FormulaCanvas canvas;
  GdiFormulaTarget(canvas.Dc()).Draw(layout);
  const struct {
    int x, y;
    bool ink;
    const char* why;
  } probes[] = {
      {23, 43, true, "the root starts at (x+3, y-7)"},
      {30, 62, true, "its down stroke reaches (x+10, y+12)"},
      {50, 38, true, "its bar runs at y-12"},
      {61, 38, true, "to x+w+1"},
      {61, 42, true, "and closes down towards y-7"},
      {62, 38, false, "not beyond x+w+1"},
      {50, 37, false, "one pixel thick"},
      {100, 80, true, "the bar starts at x1"},
      {140, 80, true, "runs along y"},
      {179, 80, true, "up to x2"},
      {140, 81, false, "one pixel thick"},
  };
  for (const auto& p : probes) EXPECT_EQ(canvas.Ink(p.x, p.y), p.ink) << p.why;
}

TEST(GdiFormulaTarget, LeavesTheContextsSelectionsAsTheyWere) {
  FormulaCanvas canvas;
  const HGDIOBJ font = GetCurrentObject(canvas.Dc(), OBJ_FONT);
  const HGDIOBJ pen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
  GdiFormulaTarget(canvas.Dc()).Draw(LayoutFormula("a^ = @|1||2|@", 12, 60, "2", 85));
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), pen);
}

TEST(GdiFormulaTarget, PaintsAWholeSolutionAsTheWindowsDo) {
  FormulaCanvas canvas;
  GdiFormulaTarget target(canvas.Dc());
  DrawSteps steps;
  steps.Origin(12, 20);
  steps.Line("a^ = c^ - b^");
  steps.Line("%hidden");
  steps.Line("a = 4");
  PaintSteps(steps, target, FormulaProfile{85});
  int firstLine = 0;
  int secondLine = 0;
  int below = 0;
  for (int y = 0; y < CanvasHeight; ++y) {
    for (int x = 0; x < CanvasWidth; ++x) {
      if (!canvas.Ink(x, y)) continue;
      if (y < 40) ++firstLine;
      else if (y < 70) ++secondLine;
      else ++below;
    }
  }
  EXPECT_GT(firstLine, 0);
  EXPECT_GT(secondLine, 0) << "the hidden line takes no room: the next one is 30 pixels down";
  EXPECT_EQ(below, 0);
}

}  // namespace
}  // namespace prolexa

namespace prolexa {
namespace {

// At any scale each character of a formula line stands in its cell: the
// first's ink starts in the first cell and the last's ends in the last, a
// main text's cells 8 scaled pixels wide, a superscript's 6.
TEST(GdiFormulaTarget, KeepsEachCharacterInItsScaledCell) {
  const std::string line(40, 'W');
  for (int dpi : {96, 120, 144, 192}) {
    const DisplayScale s{dpi};
    for (const auto& [size, cell] : {std::pair{TextSize::Main, CharWidth},
                                     std::pair{TextSize::Small, FormulaSmallCharWidth}}) {
      test::Canvas canvas(s(400), s(40));
      {
        const ScaledDrawing scaled(canvas.Dc(), s);
        FormulaLayout layout;
        (size == TextSize::Main ? layout.texts : layout.superscripts)
            .push_back({.x = 10, .y = 10, .size = size, .text = line});
        GdiFormulaTarget(canvas.Dc()).Draw(layout);
      }
      const auto cellLeft = [&](int i) { return s(10 + i * cell); };
      const int last = static_cast<int>(line.size()) - 1;
      EXPECT_EQ(canvas.InkIn(0, 0, cellLeft(0), s(40)), 0) << dpi << " DPI: ink before the line";
      EXPECT_GT(canvas.InkIn(cellLeft(last), 0, cellLeft(last + 1), s(40)), 0) << dpi;
      EXPECT_EQ(canvas.InkIn(cellLeft(last + 1) + 1, 0, s(400), s(40)), 0)
          << dpi << " DPI: the line drifts past its last cell";
    }
  }
}

}  // namespace
}  // namespace prolexa
