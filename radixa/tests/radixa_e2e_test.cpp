// Radixa used as a pupil uses it: coefficients typed with the keypad minus,
// clicks, message boxes, the drawn solution and the rounding kept in the
// registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

// The roots (their last lines stand on the footer band; the maker's address
// at its right is left out) and the discriminant block.
constexpr RECT kRootsArea{11, 175, 660, 540};
constexpr RECT kDiscriminantArea{419, 75, 739, 175};
constexpr RECT kClosingTexts{11, 428, 739, 452};

struct Ui {
  HWND a, b, c, rounding, compute, clear, teach, places;
};

class RadixaTest : public CalculatorTest {
 protected:
  RadixaTest() : CalculatorTest(L"Radixa", "Radixa") {}

  void Start() {
    CalculatorTest::Start();
    ui = {program->Control(L"Edit", 78, 77),    program->Control(L"Edit", 78, 104),
          program->Control(L"Edit", 78, 131),   program->Control(L"Edit", 233, 127),
          program->Control(L"Button", 150, 90), program->Control(L"Button", 231, 90),
          program->Control(L"Button", 312, 90), program->Control(L"Static", 266, 130)};
    for (HWND control :
         {ui.a, ui.b, ui.c, ui.rounding, ui.compute, ui.clear, ui.teach, ui.places}) {
      ASSERT_NE(control, nullptr);
    }
    // The roots' area reaches into the footer band, which has ink of its own.
    emptyRoots = program->PixelHash(kRootsArea);
    bandInk = Ink(kRootsArea);
  }

  // Ink of the solution in the roots' area, the band's own left out.
  int RootsInk() const { return Ink(kRootsArea) - bandInk; }
  bool RootsEmpty() const { return program->PixelHash(kRootsArea) == emptyRoots; }

  // Types a coefficient as a pupil does: the minus from the keypad.
  void TypeCoefficient(HWND field, const std::string& text) {
    program->SetText(field, "");
    program->Focus(field);
    for (char ch : text) {
      program->PressKey(field, ch == '-' ? VK_SUBTRACT : ch == '.' ? VK_OEM_PERIOD
                                                                   : static_cast<UINT>(ch));
    }
  }

  void Enter(const std::string& a, const std::string& b, const std::string& c) {
    TypeCoefficient(ui.a, a);
    TypeCoefficient(ui.b, b);
    TypeCoefficient(ui.c, c);
  }

  Ui ui{};
  unsigned long long emptyRoots = 0;
  int bandInk = 0;
};

TEST_F(RadixaTest, TwoRealRootsAreDrawnInBothAreas) {
  Start();
  Enter("1", "-3", "2");
  EXPECT_EQ(program->Text(ui.b), "-3");
  EXPECT_TRUE(RootsEmpty());
  EXPECT_EQ(Ink(kDiscriminantArea), 0);
  EXPECT_FALSE(program->ClickForMessageBox(ui.compute, 300).has_value());
  EXPECT_GT(Ink(kDiscriminantArea), 200);
  EXPECT_GT(RootsInk(), 600);
  EXPECT_EQ(Ink(kClosingTexts), 0);  // only complex roots end with sentences
}

TEST_F(RadixaTest, ComplexRootsEndWithTheClosingTexts) {
  Start();
  Enter("1", "2", "5");
  EXPECT_FALSE(program->ClickForMessageBox(ui.compute, 300).has_value());
  EXPECT_GT(Ink(kDiscriminantArea), 200);
  EXPECT_GT(Ink(kClosingTexts), 200);
}

TEST_F(RadixaTest, TheCopiedPictureShowsTheFieldsInItsBox) {
  Start();
  Enter("1", "2", "5");
  program->Click(ui.compute);
  // Both areas' box reaches over the fields and buttons beside the
  // discriminant: the picture shows them as the window does.
  RECT client{}, box{};
  GetClientRect(program->Main(), &client);
  const RECT areas{kRootsArea.left, kDiscriminantArea.top, client.right, kRootsArea.bottom};
  IntersectRect(&box, &areas, &client);
  const std::vector<COLORREF> copied = Copy().pixels;
  EXPECT_GE(SameShare(copied, program->Pixels(box)), 0.99);
  // Their texts in ink, as many dark pixels as the window shows there.
  const RECT fields{box.left, box.top, kDiscriminantArea.left, kRootsArea.top};
  const int width = box.right - box.left;
  int copiedInk = 0;
  for (int y = fields.top; y < fields.bottom; ++y) {
    for (int x = fields.left; x < fields.right; ++x) {
      const COLORREF p = copied.at(static_cast<std::size_t>((y - box.top) * width + x - box.left));
      copiedInk += (p & 0x808080) == 0;
    }
  }
  const int shownInk = Ink(fields);
  EXPECT_GT(shownInk, 300);
  EXPECT_NEAR(copiedInk, shownInk, shownInk / 20);
}

TEST_F(RadixaTest, EveryRefusalShowsItsMessageAndLeavesTheAreasEmpty) {
  struct Case {
    const char *a, *b, *c, *message;
  };
  const Case cases[] = {
      {"1", "2", "", "Nezadali jste všechny hodnoty. Musíte zadat všechny hodnoty."},
      {"", "", "", "Nezadali jste ani jednu hodnotu. Musíte zadat všechny hodnoty."},
      {"1", "10000000", "1", "Zadali jste velké číslá. Zadejte menší."},
      {"0", "2", "1", "Hodnota a nesmí být nula. Toto není kvadratická rovnice."},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Enter("1", "-3", "2");
    program->Click(ui.compute);
    ASSERT_GT(RootsInk(), 0);

    Enter(c.a, c.b, c.c);
    ASSERT_TRUE(Refuses(ui.compute, c.message));
    EXPECT_TRUE(RootsEmpty());
    EXPECT_EQ(Ink(kDiscriminantArea), 0);
    EXPECT_EQ(program->Text(ui.b), c.b);
  }
}

TEST_F(RadixaTest, ClearEmptiesTheFieldsAndBothAreas) {
  Start();
  Enter("1", "-3", "2");
  program->Click(ui.compute);
  ASSERT_GT(RootsInk(), 0);
  program->Click(ui.clear);
  for (HWND field : {ui.a, ui.b, ui.c}) EXPECT_EQ(program->Text(field), "");
  EXPECT_TRUE(RootsEmpty());
  EXPECT_EQ(Ink(kDiscriminantArea), 0);
}

TEST_F(RadixaTest, OnlyTheKeypadMinusTypesASign) {
  Start();
  program->Type(ui.a, "-2,5x");
  EXPECT_EQ(program->Text(ui.a), "2.5");
  program->SetText(ui.a, "");
  program->Focus(ui.a);
  program->PressKey(ui.a, VK_SUBTRACT);
  program->PressKey(ui.a, '4');
  program->PressKey(ui.a, VK_DECIMAL);
  program->PressKey(ui.a, '5');
  EXPECT_EQ(program->Text(ui.a), "-4.5");
}

TEST_F(RadixaTest, CoefficientFieldsHoldElevenCharacters) {
  Start();
  program->Type(ui.a, "1234567890123");
  EXPECT_EQ(program->Text(ui.a), "12345678901");
}

TEST_F(RadixaTest, TheRoundingSurvivesARestart) {
  Start();
  EXPECT_EQ(program->Text(ui.rounding), "2");
  TypePlaces(ui.rounding, '3');
  const HWND spinner = Spinner();
  ASSERT_NE(spinner, nullptr);
  program->ClickSpinner(spinner, true);
  EXPECT_EQ(program->Text(ui.rounding), "4");
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("round").value_or(99), 4u);

  Start();
  EXPECT_EQ(program->Text(ui.rounding), "4");
  EXPECT_EQ(program->Text(ui.places), "místa");
}

TEST_F(RadixaTest, TabCyclesThroughFieldsButtonsAndRounding) {
  Start();
  // The solution follows the buttons, the help icon comes last.
  const HWND solution = program->Control(L"ProlexaSolution", 11, 75);
  const HWND help = program->Control(L"Button", 695, 10);
  const HWND chain[] = {ui.a,     ui.b,        ui.c,  ui.compute, ui.clear,
                        solution, ui.rounding, help,  ui.a};
  program->Focus(ui.a);
  for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
    ASSERT_EQ(program->FocusedControl(), chain[i]) << "step " << i;
    program->PressKey(chain[i], VK_TAB);
  }
  EXPECT_EQ(program->FocusedControl(), ui.a);
}

TEST_F(RadixaTest, TheTeachingDialogExplainsTheEquation) {
  Start();
  program->Click(ui.teach);
  const auto dialog = program->WaitTopWindow(L"#32770");
  ASSERT_TRUE(dialog.has_value());
  EXPECT_EQ(program->Text(*dialog), "Výuka - Radixa");
  for (int id = 111; id <= 118; ++id) {
    EXPECT_FALSE(program->Text(GetDlgItem(*dialog, id)).empty()) << id;
  }
  EXPECT_NE(program->Text(GetDlgItem(*dialog, 117)).find("diskriminant"), std::string::npos);
  EXPECT_TRUE(program->CancelDialog(*dialog));
}

}  // namespace
}  // namespace prolexa::e2e
