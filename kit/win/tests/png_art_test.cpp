#include "png_art.h"

#include <gtest/gtest.h>

#include "../../res/double_art.h"
#include "display_scale.h"
#include "scoped.h"

namespace prolexa {
namespace {

static_assert(DOUBLE_ART(0) == DoubleArtOffset,
              "resource scripts and the kit number the double-size pictures alike");

// The test's PNG picture (res/double.png): 70 x 62 in four quarters.
constexpr COLORREF TopLeft = RGB(0, 128, 128);
constexpr COLORREF TopRight = RGB(128, 0, 128);
constexpr COLORREF BottomLeft = RGB(255, 160, 0);
constexpr COLORREF BottomRight = RGB(0, 160, 0);

TEST(LoadPngArt, DecodesAPngResourceAndNothingElse) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const struct {
    int id;
    const char* what;
  } nothing[] = {
      {108, "a BMP under the PNG type"},
      {109, "a PNG cut off in its pixel data"},
      {102, "a picture of the BMP type only"},
      {9999, "no resource of that number"},
  };
  for (const auto& c : nothing) EXPECT_FALSE(LoadPngArt(instance, c.id)) << c.what;

  const GdiBitmap picture = LoadPngArt(instance, DOUBLE_ART(107));
  ASSERT_TRUE(picture);
  BITMAP size{};
  GetObjectW(picture.Get(), sizeof size, &size);
  EXPECT_EQ(size.bmWidth, 70);
  EXPECT_EQ(size.bmHeight, 62);
  const MemoryDC memory(nullptr);
  const ScopedSelectObject select(memory.Dc(), picture.Get());
  const struct {
    int x, y;
    COLORREF colour;
  } probes[] = {
      {0, 0, TopLeft},     {34, 30, TopLeft},     {35, 0, TopRight},     {69, 30, TopRight},
      {0, 31, BottomLeft}, {34, 61, BottomLeft},  {35, 31, BottomRight}, {69, 61, BottomRight},
  };
  for (const auto& p : probes) {
    EXPECT_EQ(GetPixel(memory.Dc(), p.x, p.y), p.colour) << p.x << ", " << p.y;
  }
}

}  // namespace
}  // namespace prolexa
