#include "control_factory.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "scoped.h"
#include "test_window.h"
#include "wide.h"

namespace prolexa {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);    // bitmap 102 of the tests
constexpr COLORREF Blue = RGB(0, 0, 255);   // bitmap 103

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

RECT PlaceInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

struct CreationCase {
  const char* what;
  std::function<HWND(const ControlFactory&)> create;
  const wchar_t* className;
  DWORD typeMask;  // the bits that hold the control's kind
  DWORD style;     // expected under typeMask
  DWORD exStyle;   // WS_EX_CLIENTEDGE or nothing
  const char* text;
};

TEST(ControlFactory, CreatesEachControlWithTheSuitesStyles) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const CreationCase cases[] = {
      {"label", [](const ControlFactory& f) { return f.CreateLabel("přepona c", 12, 131, 50, 20); },
       L"Static", SS_TYPEMASK, SS_LEFTNOWORDWRAP, 0, "přepona c"},
      {"edit", [](const ControlFactory& f) { return f.CreateEdit("3", 78, 77, 97, 21); }, L"Edit",
       ES_NUMBER | ES_MULTILINE | ES_PASSWORD | ES_AUTOHSCROLL, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
       "3"},
      {"number edit", [](const ControlFactory& f) { return f.CreateNumberEdit("", 323, 192, 30, 21); },
       L"Edit", ES_NUMBER | ES_MULTILINE | ES_PASSWORD | ES_AUTOHSCROLL, ES_NUMBER | ES_AUTOHSCROLL,
       WS_EX_CLIENTEDGE, ""},
      {"button", [](const ControlFactory& f) { return f.CreateButton("Výuka", 420, 190, 75, 25); },
       L"Button", BS_TYPEMASK, BS_PUSHBUTTON, 0, "Výuka"},
      {"check box",
       [](const ControlFactory& f) { return f.CreateCheckBox("Zobrazit jednotky", 24, 163, 110, 15); },
       L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, 0, "Zobrazit jednotky"},
      {"radio button", [](const ControlFactory& f) { return f.CreateRadioButton("kruh", 5, 5, 60, 15); },
       L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON, 0, "kruh"},
      {"drop list", [](const ControlFactory& f) { return f.CreateDropList(182, 77, 50, 110); },
       L"ComboBox", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_SORT,
       CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0, ""},
  };
  for (const CreationCase& c : cases) {
    const HWND control = c.create(factory);
    ASSERT_NE(control, nullptr) << c.what;
    EXPECT_TRUE(test::HasClass(control, c.className)) << c.what;
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_POPUP), static_cast<DWORD>(WS_CHILD | WS_VISIBLE))
        << c.what;
    EXPECT_EQ(style & c.typeMask, c.style) << c.what;
    EXPECT_EQ(exStyle & WS_EX_CLIENTEDGE, c.exStyle) << c.what;
    EXPECT_EQ(GetParent(control), window.Get()) << c.what;
    EXPECT_EQ(GetDlgCtrlID(control), 0) << c.what << " carries no control id";
    EXPECT_EQ(WindowTextUtf8(control), c.text) << c.what;
  }
}

TEST(ControlFactory, PlacesControlsAtTheirPixels) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const HWND label = factory.CreateLabel("odvěsna a", 12, 77, 50, 20);
  const HWND edit = factory.CreateEdit("", 78, 104, 97, 21);
  const RECT labelPlace = PlaceInParent(label);
  const RECT editPlace = PlaceInParent(edit);
  const RECT labelExpected{12, 77, 62, 97};
  const RECT editExpected{78, 104, 175, 125};
  EXPECT_TRUE(EqualRect(&labelPlace, &labelExpected));
  EXPECT_TRUE(EqualRect(&editPlace, &editExpected));
}

TEST(ControlFactory, CreationFailsWithNull) {
  // A child window needs a parent.
  const ControlFactory orphan(Instance(), nullptr);
  EXPECT_EQ(orphan.CreateLabel("x", 0, 0, 10, 10), nullptr);
  EXPECT_EQ(orphan.CreateDropList(0, 0, 10, 10), nullptr);
  HWND spinner = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(1));
  orphan.CreateSpinner(&spinner, nullptr, 0, 6, 2);
  EXPECT_EQ(spinner, nullptr);
  orphan.CreateSpinner(nullptr, nullptr, 0, 6, 2);  // no place for the handle: no crash
}

TEST(ControlFactory, SpinnerWritesItsPositionIntoTheBuddy) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const HWND edit = factory.CreateNumberEdit("", 323, 192, 30, 21);
  HWND spinner = nullptr;
  factory.CreateSpinner(&spinner, edit, 0, 6, 4);
  ASSERT_NE(spinner, nullptr);
  EXPECT_TRUE(test::HasClass(spinner, L"msctls_updown32"));
  const DWORD style = static_cast<DWORD>(GetWindowLongW(spinner, GWL_STYLE));
  EXPECT_EQ(style & (UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ALIGNLEFT | UDS_AUTOBUDDY),
            static_cast<DWORD>(UDS_SETBUDDYINT | UDS_ALIGNRIGHT));
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spinner, UDM_GETBUDDY, 0, 0)), edit);
  int low = -1;
  int high = -1;
  SendMessageW(spinner, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 6);
  EXPECT_EQ(WindowTextUtf8(edit), "4");
  EXPECT_EQ(SpinnerPosition(spinner, 2), 4);
  const RECT place = PlaceInParent(spinner);
  EXPECT_GT(place.right - place.left, 0) << "it sizes itself to the buddy";
  // The up-down control takes the right end of the edit's place, sharing
  // the edit's 2-pixel client edge.
  EXPECT_GE(place.right, 323 + 30 - 2) << "at the buddy's right edge";
  EXPECT_LE(place.right, 323 + 30);
  const RECT editPlace = PlaceInParent(edit);
  EXPECT_LE(editPlace.right, place.left + 2) << "the edit gives up the room it takes";

  SendMessageW(spinner, UDM_SETPOS32, 0, 1);
  EXPECT_EQ(WindowTextUtf8(edit), "1");
  EXPECT_EQ(SpinnerPosition(spinner, 2), 1);
}

TEST(SpinnerPosition, FallsBackWhenTheSpinnerReportsAnError) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const HWND edit = factory.CreateNumberEdit("", 10, 10, 30, 21);
  HWND spinner = nullptr;
  factory.CreateSpinner(&spinner, edit, 0, 6, 3);
  ASSERT_NE(spinner, nullptr);
  SetWindowTextW(edit, L"x");
  EXPECT_EQ(SpinnerPosition(spinner, 2), 2) << "a buddy text that is no number";
  EXPECT_EQ(SpinnerPosition(nullptr, 2), 2) << "no spinner at all";
}

TEST(ControlFactory, AppliesTheDefaultFontAndTextLimits) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const HWND edits[] = {factory.CreateEdit("", 0, 0, 50, 20), factory.CreateEdit("", 0, 30, 50, 20),
                        factory.CreateNumberEdit("", 0, 60, 50, 20)};
  const int limits[] = {19, 5, 1};
  factory.ApplyDefaultFont(edits, 2);
  factory.LimitTexts(edits, 3, limits);
  const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(edits[0], WM_GETFONT, 0, 0)), guiFont);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(edits[1], WM_GETFONT, 0, 0)), guiFont);
  EXPECT_NE(reinterpret_cast<HGDIOBJ>(SendMessageW(edits[2], WM_GETFONT, 0, 0)), guiFont)
      << "only the first count controls";
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(SendMessageW(edits[i], EM_GETLIMITTEXT, 0, 0), limits[i]) << i;
  }
  SetWindowTextW(edits[2], L"12");
  SendMessageW(edits[2], EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"3"));
  EXPECT_EQ(WindowTextUtf8(edits[2]).size(), 2u) << "typing stops at the limit";
}

constexpr std::array<std::string_view, 4> Units = {"mm", "cm", "dm", "m"};

TEST(FillCombos, AddsTheStringsAndSelectsTheStoredIndex) {
  struct SelectionCase {
    DWORD stored;
    LRESULT selected;
    const char* why;
  };
  const SelectionCase cases[] = {
      {0, 0, "the first entry"},
      {3, 3, "3 is the fourth entry of four"},
      {4, CB_ERR, "one past the list"},
      {7, CB_ERR, "far outside the list"},
      {0xFFFFFFFFu, CB_ERR, "a stored value that would read as -1"},
  };
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  for (const SelectionCase& c : cases) {
    const HWND combo = factory.CreateDropList(10, 10, 50, 110);
    factory.FillCombos(&combo, 0, 1, ListOf(Units), &c.stored);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4) << c.why;
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), c.selected) << c.why;
    DestroyWindow(combo);
  }
}

TEST(FillCombos, FillsTheRangeFromFirstWithItsOwnSelections) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  HWND combos[4];
  for (int i = 0; i < 4; ++i) combos[i] = factory.CreateDropList(10, 10 + 30 * i, 60, 110);
  const DWORD selections[] = {0, 2, 1, 3};
  constexpr std::array<std::string_view, 4> words = {"sek", "min", "hod", "čas"};
  factory.FillCombos(combos, 1, 2, ListOf(words), selections);
  const LRESULT counts[] = {0, 4, 4, 0};
  const LRESULT selected[] = {CB_ERR, 2, 1, CB_ERR};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(SendMessageW(combos[i], CB_GETCOUNT, 0, 0), counts[i]) << i;
    EXPECT_EQ(SendMessageW(combos[i], CB_GETCURSEL, 0, 0), selected[i]) << i;
  }
  wchar_t entry[16] = {};
  ASSERT_EQ(SendMessageW(combos[1], CB_GETLBTEXTLEN, 3, 0), 3);
  SendMessageW(combos[1], CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(Narrow(entry), "čas") << "entries keep their order and their letters";

  for (int n : {0, -1}) {
    factory.FillCombos(combos, 0, n, ListOf(words), selections);
    EXPECT_EQ(SendMessageW(combos[0], CB_GETCOUNT, 0, 0), 0) << "n = " << n;
  }
}

using test::Canvas;

TEST(ControlFactory, DrawsTheTopLeftPartOfABitmap) {
  const ControlFactory factory(Instance(), nullptr);
  Canvas canvas(120, 80);
  factory.DrawBitmap(canvas.Dc(), 102, 10, 10, 35, 31);
  factory.DrawBitmap(canvas.Dc(), 103, 60, 10, 10, 5);
  factory.DrawBitmap(canvas.Dc(), 999, 60, 40, 35, 31);  // no such picture: nothing
  const struct {
    int x, y;
    COLORREF colour;
    const char* why;
  } probes[] = {
      {10, 10, Red, "top-left corner"},   {44, 40, Red, "bottom-right corner"},
      {45, 40, White, "right of it"},     {44, 41, White, "below it"},
      {9, 10, White, "left of it"},       {60, 10, Blue, "the cut picture's corner"},
      {69, 14, Blue, "its last pixel"},   {70, 14, White, "only 10 pixels wide"},
      {69, 15, White, "only 5 high"},     {70, 50, White, "a missing picture draws nothing"},
  };
  for (const auto& p : probes) EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.why;
}

TEST(ControlFactory, DrawsABandAcrossAWidth) {
  const ControlFactory factory(Instance(), nullptr);
  Canvas canvas(60, 60);
  factory.DrawBand(canvas.Dc(), 103, 5, 25, 10, 31);
  const struct {
    int x, y;
    COLORREF colour;
    const char* why;
  } probes[] = {
      {5, 10, Blue, "from xFrom"},   {24, 40, Blue, "up to xTo - 1"},
      {25, 20, White, "not at xTo"}, {4, 20, White, "not before xFrom"},
      {15, 41, White, "h rows"},     {15, 9, White, "from row y"},
  };
  for (const auto& p : probes) EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.why;
}

TEST(ControlFactory, DrawsTheDoubleSizePictureOnScreensMoreThanAQuarterLarger) {
  const ControlFactory factory(Instance(), nullptr);
  constexpr COLORREF Green = RGB(0, 255, 0);            // 106's double size, a BMP
  constexpr COLORREF PngTopLeft = RGB(0, 128, 128);     // 107's, a PNG in four quarters
  constexpr COLORREF PngBottomRight = RGB(0, 160, 0);
  const struct {
    int dpi;
    int id;
    COLORREF topLeft, bottomRight;  // of the 35 x 31 place, in device pixels
  } cases[] = {
      {96, 106, Red, Red},     {120, 106, Red, Red},       {144, 106, Green, Green},
      {192, 106, Green, Green}, {96, 107, Blue, Blue},     {120, 107, Blue, Blue},
      {144, 107, PngTopLeft, PngBottomRight},               {192, 107, PngTopLeft, PngBottomRight},
  };
  for (const auto& c : cases) {
    const DisplayScale scale{c.dpi};
    Canvas canvas(scale(60), scale(60));
    {
      const ScaledDrawing scaled(canvas.Dc(), scale);
      factory.DrawBitmap(canvas.Dc(), c.id, 10, 10, 35, 31);
    }
    const int left = scale(10), top = scale(10), right = scale(45) - 1, bottom = scale(41) - 1;
    EXPECT_EQ(canvas.At(left, top), c.topLeft) << c.dpi << " dpi, picture " << c.id;
    EXPECT_EQ(canvas.At(right, bottom), c.bottomRight) << c.dpi << " dpi, picture " << c.id;
    EXPECT_EQ(canvas.At(right + 1, bottom + 1), White) << c.dpi << " dpi, picture " << c.id;
  }
}

// Between sizes the picture is resampled smoothly: at 150 % the column of
// the 53 that the double-size picture's boundary of quarters (35 of 70)
// crosses in its middle is half of each, and the columns beside it are
// pure.
TEST(ControlFactory, ResamplesAPictureSmoothlyBetweenItsSizes) {
  const ControlFactory factory(Instance(), nullptr);
  const DisplayScale scale{144};
  Canvas canvas(scale(60), scale(60));
  {
    const ScaledDrawing scaled(canvas.Dc(), scale);
    factory.DrawBitmap(canvas.Dc(), 107, 10, 10, 35, 31);
  }
  const int left = scale(10), top = scale(10);
  EXPECT_EQ(canvas.At(left + 25, top), RGB(0, 128, 128));  // the top left quarter's colour
  EXPECT_EQ(canvas.At(left + 26, top), RGB(64, 64, 128));   // half of it and half of the next
  EXPECT_EQ(canvas.At(left + 27, top), RGB(128, 0, 128));  // the top right quarter's
}

TEST(CreateFontFromDefault, TakesHeightWidthAndFace) {
  const struct {
    int height, width;
    const char* face;
    const wchar_t* stored;
  } cases[] = {
      {-12, 8, "Times New Roman", L"Times New Roman"},
      {18, 0, "Microsoft Sans Serif", L"Microsoft Sans Serif"},
      {-14, 0, "Courier New", L"Courier New"},
      {-10, 0, "A face name far longer than the thirty-one characters a font holds",
       L"A face name far longer than the"},
  };
  LOGFONTW gui{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
  for (const auto& c : cases) {
    const GdiFont font(CreateFontFromDefault(c.height, c.width, c.face));
    ASSERT_TRUE(font) << c.face;
    LOGFONTW attributes{};
    GetObjectW(font.Get(), sizeof attributes, &attributes);
    EXPECT_EQ(attributes.lfHeight, c.height) << c.face;
    EXPECT_EQ(attributes.lfWidth, c.width) << c.face;
    EXPECT_STREQ(attributes.lfFaceName, c.stored) << "cut to the field, never past it";
    EXPECT_EQ(attributes.lfWeight, gui.lfWeight) << "the rest from the default GUI font";
    EXPECT_EQ(attributes.lfCharSet, gui.lfCharSet);
  }
}

TEST(ControlFactory, TrackHoverDrawsOnlyOnEnteringAndLeaving) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const RECT region{470, 10, 505, 41};
  const POINT inside{480, 20};
  const POINT outside{100, 100};
  const POINT rightEdge{505, 20};  // the right and bottom edges are outside
  const POINT topLeft{470, 10};
  const struct {
    POINT mouse;
    HoverDrawn drawn;
    const char* why;
  } moves[] = {
      {inside, HoverDrawn::Nothing, "a first move inside leaves the normal picture"},
      {inside, HoverDrawn::Nothing, "and so does the next"},
      {outside, HoverDrawn::Normal, "the first move outside draws the normal picture"},
      {outside, HoverDrawn::Nothing, "once"},
      {rightEdge, HoverDrawn::Nothing, "the right edge is outside"},
      {topLeft, HoverDrawn::Hover, "entering draws the hover picture"},
      {inside, HoverDrawn::Nothing, "once"},
      {inside, HoverDrawn::Nothing, "however many moves arrive"},
      {outside, HoverDrawn::Normal, "leaving draws the normal picture again"},
      {inside, HoverDrawn::Hover, "and entering the hover one"},
  };
  bool normalShown = false;
  bool hoverShown = true;
  for (const auto& m : moves) {
    EXPECT_EQ(factory.TrackHover(region, m.mouse, normalShown, hoverShown, 102, 103, 470, 10, 35,
                                 31),
              m.drawn)
        << m.why;
    EXPECT_NE(normalShown, hoverShown) << m.why;
  }
}

TEST(ControlFactory, TrackHoverDrawsThePictureOnTheParent) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const RECT region{470, 10, 505, 41};
  bool normalShown = false;
  bool hoverShown = true;
  factory.TrackHover(region, {1, 1}, normalShown, hoverShown, 102, 103, 400, 10, 35, 31);
  const WindowDC dc(window.Get());
  EXPECT_EQ(GetPixel(dc.Dc(), 400, 10), Red);
  EXPECT_EQ(GetPixel(dc.Dc(), 434, 40), Red);
  factory.TrackHover(region, {480, 20}, normalShown, hoverShown, 102, 103, 400, 10, 35, 31);
  EXPECT_EQ(GetPixel(dc.Dc(), 400, 10), Blue);
  EXPECT_EQ(GetPixel(dc.Dc(), 434, 40), Blue);
}

TEST(ControlFactory, TitleBannerDrawsTheAddressAndTheTitle) {
  const ControlFactory factory(Instance(), nullptr);
  Canvas canvas(400, 120);
  SetBkMode(canvas.Dc(), OPAQUE);
  factory.DrawTitleBanner(canvas.Dc(), "Trigona", 10, 7, 250, 80);
  EXPECT_EQ(GetBkMode(canvas.Dc()), TRANSPARENT) << "later drawing of the paint is transparent";
  EXPECT_GT(canvas.InkIn(10, 0, 240, 45), 0) << "the title at (10, 0)";
  EXPECT_GT(canvas.InkIn(250, 80, 400, 100), 0) << "the address at (250, 80)";
  EXPECT_EQ(canvas.InkIn(0, 50, 400, 78), 0) << "nothing between them";

  Canvas none(400, 120);
  factory.DrawTitleBanner(none.Dc(), "Trigona", 10, 0, 250, 80);
  EXPECT_EQ(none.InkIn(0, 0, 240, 45), 0) << "a title length of 0 draws no title";

  Canvas cut(400, 120);
  factory.DrawTitleBanner(cut.Dc(), "Trigona", 10, 1, 250, 80);
  EXPECT_GT(cut.InkIn(10, 0, 40, 45), 0) << "the first character";
  EXPECT_EQ(cut.InkIn(45, 0, 240, 45), 0) << "and no more";

  Canvas longer(400, 120);
  factory.DrawTitleBanner(longer.Dc(), "Trigona", 10, 500, 250, 80);
  EXPECT_EQ(longer.InkIn(0, 0, 240, 45), canvas.InkIn(0, 0, 240, 45))
      << "a length past the title draws the title and nothing beyond it";
}

TEST(RoundingSelector, ComposesLabelEditSpinnerAndPlacesWord) {
  struct SelectorCase {
    PlacesLanguage language;
    int position;
    const char* label;
    const char* places;
  };
  const SelectorCase cases[] = {
      {PlacesLanguage::Czech, 2, "Zaokrouhlit na:", "místa"},
      {PlacesLanguage::Czech, 1, "Zaokrouhlit na:", "místo"},
      {PlacesLanguage::Czech, 0, "Zaokrouhlit na:", "míst"},
      {PlacesLanguage::Slovak, 5, "Zaokruhliť na:", "miest"},
      {PlacesLanguage::Slovak, 4, "Zaokruhliť na:", "miesta"},
  };
  const RoundingSelectorPlace place{{245, 195, 70, 15}, {323, 192, 30, 21}, {356, 195, 35, 15}};
  for (const SelectorCase& c : cases) {
    test::TestWindow window;
    const ControlFactory factory(Instance(), window.Get());
    RoundingSelector selector;
    ASSERT_TRUE(CreateRoundingSelector(factory, selector, place, c.position, c.language));
    EXPECT_EQ(WindowTextUtf8(selector.label), c.label);
    EXPECT_EQ(WindowTextUtf8(selector.places), c.places);
    EXPECT_EQ(WindowTextUtf8(selector.edit), std::to_string(c.position));
    EXPECT_EQ(SpinnerPosition(selector.spinner, -1), c.position);
    EXPECT_EQ(SendMessageW(selector.edit, EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_NE(GetWindowLongW(selector.edit, GWL_STYLE) & ES_NUMBER, 0);
    const RECT editPlace = PlaceInParent(selector.edit);
    EXPECT_EQ(editPlace.left, 323);
    EXPECT_EQ(editPlace.top, 192);
    const RECT labelPlace = PlaceInParent(selector.label);
    const RECT labelExpected{245, 195, 315, 210};
    EXPECT_TRUE(EqualRect(&labelPlace, &labelExpected));
    const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    for (HWND text : {selector.label, selector.edit, selector.places}) {
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)), guiFont);
    }
  }
}

TEST(RoundingSelector, PiecesCanBeMadeInAnyOrder) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const HWND edit = CreateRoundingEdit(factory, {323, 192, 30, 21});
  const HWND places = CreatePlacesLabel(factory, {356, 195, 35, 15}, PlacesLanguage::Czech);
  const HWND label = CreateRoundingLabel(factory, {245, 195, 70, 15}, PlacesLanguage::Slovak);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(WindowTextUtf8(edit), "");
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 1);
  EXPECT_EQ(WindowTextUtf8(places), "místa");
  EXPECT_EQ(WindowTextUtf8(label), "Zaokruhliť na:");
  const HWND spinner = CreateRoundingSpinner(factory, edit, 6);
  ASSERT_NE(spinner, nullptr);
  EXPECT_EQ(WindowTextUtf8(edit), "6");
  int low = -1;
  int high = -1;
  SendMessageW(spinner, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, MaxPlaces);
}

TEST(UpdatePlacesLabel, FollowsTheEditAndKeepsTheLabelForAnEmptyEdit) {
  test::TestWindow window;
  const ControlFactory factory(Instance(), window.Get());
  const HWND edit = CreateRoundingEdit(factory, {0, 0, 30, 21});
  const HWND label = CreatePlacesLabel(factory, {40, 0, 35, 15}, PlacesLanguage::Czech);
  const struct {
    const wchar_t* edit;
    const char* label;
  } steps[] = {{L"1", "místo"}, {L"3", "místa"}, {L"", "místa"}, {L"6", "míst"},
               {L"", "míst"},   {L"0", "míst"}};
  for (const auto& s : steps) {
    SetWindowTextW(edit, s.edit);
    UpdatePlacesLabel(edit, label, PlacesLanguage::Czech);
    EXPECT_EQ(WindowTextUtf8(label), s.label) << Narrow(s.edit);
  }
}

}  // namespace
}  // namespace prolexa
