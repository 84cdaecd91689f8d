// Trigona used as a pupil uses it: typed keys, clicks, message boxes, the
// drawn solution and the preferences left in the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

constexpr RECT kResultArea{11, 220, 370, 395};

struct Ui {
  HWND editA, editB, editC, rounding, unitA, unitB, unitC, showUnits, compute, clear, teach,
      places;
};

class TrigonaTest : public CalculatorTest {
 protected:
  TrigonaTest() : CalculatorTest(L"Trigona", "Trigona") {}

  void Start() {
    CalculatorTest::Start();
    ui = {program->Control(L"Edit", 78, 77),      program->Control(L"Edit", 78, 104),
          program->Control(L"Edit", 78, 131),     program->Control(L"Edit", 323, 192),
          program->Control(L"ComboBox", 182, 77), program->Control(L"ComboBox", 182, 104),
          program->Control(L"ComboBox", 182, 131), program->Control(L"Button", 24, 163),
          program->Control(L"Button", 12, 190),   program->Control(L"Button", 93, 190),
          program->Control(L"Button", 420, 190),  program->Control(L"Static", 356, 195)};
    for (HWND control : {ui.editA, ui.editB, ui.editC, ui.rounding, ui.unitA, ui.unitB, ui.unitC,
                         ui.showUnits, ui.compute, ui.clear, ui.teach, ui.places}) {
      ASSERT_NE(control, nullptr);
    }
  }

  void Enter(const std::string& a, const std::string& b, const std::string& c) {
    program->SetText(ui.editA, "");
    program->SetText(ui.editB, "");
    program->SetText(ui.editC, "");
    if (!a.empty()) program->Type(ui.editA, a);
    if (!b.empty()) program->Type(ui.editB, b);
    if (!c.empty()) program->Type(ui.editC, c);
  }

  int InkInResult() const { return Ink(kResultArea); }

  Ui ui{};
};

TEST_F(TrigonaTest, OkDrawsTheWorkedSolution) {
  Start();
  Enter("", "3", "5");
  EXPECT_EQ(program->Text(ui.editB), "3");
  EXPECT_EQ(program->Text(ui.editC), "5");
  EXPECT_EQ(InkInResult(), 0);
  EXPECT_FALSE(program->ClickForMessageBox(ui.compute, 300).has_value());
  // Six lines of 14-pixel text leave a good deal of ink.
  EXPECT_GT(InkInResult(), 400);
}

TEST_F(TrigonaTest, EveryRefusalShowsItsMessageAndLeavesTheAreaEmpty) {
  struct Case {
    const char *a, *b, *c, *message;
  };
  const Case cases[] = {
      {"3", "4", "5", "Zadali jste všechny strany. Můžete zadať jenom dvě strany."},
      {"", "4", "", "Zadali jste jenom jednu stranu. Musíte zadat dvě strany."},
      {"", "", "", "Nezadali jste ani jednu stranu. Musíte zadat dvě strany."},
      {"1000000", "1", "", "Zadali jste velké číslá. Zadejte menší."},
      {"5", "", "5", "Toto ne je pravoúhlí trojúhelník."},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    // A solution first, so that the refusal visibly takes it away.
    Enter("", "3", "5");
    program->Click(ui.compute);
    ASSERT_GT(InkInResult(), 0);

    Enter(c.a, c.b, c.c);
    ASSERT_TRUE(Refuses(ui.compute, c.message));
    EXPECT_EQ(InkInResult(), 0);
    EXPECT_EQ(program->Text(ui.editA), c.a);  // the inputs stay for correction
  }
}

TEST_F(TrigonaTest, TheSideFieldsTakeOnlyNumbers) {
  Start();
  program->Type(ui.editA, "3,5");
  EXPECT_EQ(program->Text(ui.editA), "3.5");
  program->Type(ui.editA, "x-");
  EXPECT_EQ(program->Text(ui.editA), "3.5");
  program->PressKey(ui.editA, VK_DECIMAL);  // a second point
  program->PressKey(ui.editA, '7');
  EXPECT_EQ(program->Text(ui.editA), "3.57");
}

TEST_F(TrigonaTest, TheRoundingFieldDropsSevenToNine) {
  Start();
  EXPECT_EQ(program->Text(ui.rounding), "2");
  TypePlaces(ui.rounding, '8');
  EXPECT_EQ(program->Text(ui.rounding), "");
  program->Type(ui.rounding, "1");
  EXPECT_EQ(program->Text(ui.rounding), "1");
  EXPECT_EQ(program->Text(ui.places), "místo");
}

TEST_F(TrigonaTest, TheSpinnerStopsAtZeroAndSix) {
  Start();
  const HWND spinner = Spinner();
  ASSERT_NE(spinner, nullptr);
  for (int i = 0; i < 6; ++i) program->ClickSpinner(spinner, true);
  EXPECT_EQ(program->Text(ui.rounding), "6");
  EXPECT_EQ(program->Text(ui.places), "míst");
  for (int i = 0; i < 8; ++i) program->ClickSpinner(spinner, false);
  EXPECT_EQ(program->Text(ui.rounding), "0");
  program->ClickSpinner(spinner, true);
  EXPECT_EQ(program->Text(ui.places), "místo");
}

TEST(TrigonaResources, PicturesHaveTheSizesTheWindowDraws) {
  const std::wstring exe = ProgramFolder() + L"\\Trigona.exe";
  const struct {
    int id;
    LONG width, height;
  } pictures[] = {{102, 35, 31}, {103, 35, 31}, {104, 1, 65}, {105, 1, 97}, {106, 88, 104}};
  for (const auto& p : pictures) {
    const std::optional<SIZE> size = BitmapResourceSize(exe, p.id);
    ASSERT_TRUE(size.has_value()) << p.id;
    EXPECT_EQ(size->cx, p.width) << p.id;
    EXPECT_EQ(size->cy, p.height) << p.id;
  }
  EXPECT_TRUE(HasResource(exe, 101, RT_GROUP_ICON));
  EXPECT_TRUE(HasResource(exe, 110, RT_DIALOG));
  EXPECT_TRUE(HasResource(exe, 1, RT_MANIFEST));
  EXPECT_TRUE(HasResource(exe, 1, RT_VERSION));
}

TEST_F(TrigonaTest, ShowUnitsRedrawsOnlyWhileASolutionIsShown) {
  Start();
  ASSERT_EQ(SendMessageW(ui.showUnits, BM_GETCHECK, 0, 0), BST_CHECKED);
  program->Click(ui.showUnits);
  EXPECT_EQ(SendMessageW(ui.showUnits, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(InkInResult(), 0);
  program->Click(ui.showUnits);

  Enter("", "3", "5");
  program->Click(ui.compute);
  const unsigned long long withUnits = program->PixelHash(kResultArea);
  program->Click(ui.showUnits);
  const unsigned long long withoutUnits = program->PixelHash(kResultArea);
  EXPECT_NE(withUnits, withoutUnits);
  EXPECT_GT(InkInResult(), 0);
  program->Click(ui.showUnits);
  EXPECT_EQ(program->PixelHash(kResultArea), withUnits);

  // The box recomputes from the texts as they are now typed.
  program->SetText(ui.editB, "4");
  program->Click(ui.showUnits);
  program->Click(ui.showUnits);
  EXPECT_NE(program->PixelHash(kResultArea), withUnits);
}

TEST_F(TrigonaTest, EditingAfterOkKeepsTheDrawnSolution) {
  Start();
  Enter("", "3", "5");
  program->Click(ui.compute);
  const unsigned long long drawn = program->PixelHash(kResultArea);
  program->Type(ui.editB, "9");
  program->Invalidate();
  EXPECT_EQ(program->PixelHash(kResultArea), drawn);
}

TEST_F(TrigonaTest, PreferencesHaveDefaultsAndSurviveARestart) {
  Start();
  EXPECT_EQ(program->Text(ui.rounding), "2");
  EXPECT_EQ(program->Text(ui.places), "místa");
  EXPECT_EQ(SendMessageW(ui.showUnits, BM_GETCHECK, 0, 0), BST_CHECKED);
  for (HWND unit : {ui.unitA, ui.unitB, ui.unitC}) {
    EXPECT_EQ(SendMessageW(unit, CB_GETCURSEL, 0, 0), 3);
  }
  EXPECT_FALSE(Stored("round").has_value());

  const HWND spinner = Spinner();
  ASSERT_NE(spinner, nullptr);
  program->ClickSpinner(spinner, true);
  program->ClickSpinner(spinner, true);
  EXPECT_EQ(program->Text(ui.rounding), "4");
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("round").value_or(99), 4u);
  EXPECT_EQ(Stored("checked").value_or(99), 1u);
  EXPECT_FALSE(Stored("cmb0").has_value());  // units are the launcher's to write

  Start();
  EXPECT_EQ(program->Text(ui.rounding), "4");
  EXPECT_EQ(program->Text(ui.places), "místa");
}

TEST_F(TrigonaTest, StoredChoicesAreShown) {
  Store("checked", 0);
  Store("cmb0", 0);
  Store("cmb1", 7);  // outside the list: the default entry
  Store("round", 0);
  Start();
  EXPECT_EQ(SendMessageW(ui.showUnits, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(program->Text(ui.unitA), "mm");
  EXPECT_EQ(program->Text(ui.unitB), "m");
  EXPECT_EQ(program->Text(ui.rounding), "0");
  EXPECT_EQ(program->Text(ui.places), "míst");
  Enter("", "3", "5");
  EXPECT_FALSE(program->ClickForMessageBox(ui.compute, 300).has_value());
  EXPECT_GT(InkInResult(), 0);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("checked").value_or(99), 0u);
}

TEST_F(TrigonaTest, TheTeachingDialogShowsTheTheorem) {
  Start();
  program->Click(ui.teach);
  const auto dialog = program->WaitTopWindow(L"#32770");
  ASSERT_TRUE(dialog.has_value());
  EXPECT_EQ(program->Text(*dialog), "Výuka - Trigona");
  EXPECT_EQ(program->Text(GetDlgItem(*dialog, 114)),
            "Obsah čtverce sestrojeného nad přeponou pravoúhlého trojúhelníka je rovný součtu "
            "obsahů čtverců sestrojených nad jeho odvěsnami.");
  EXPECT_EQ(program->Text(GetDlgItem(*dialog, 115)), "Vysvětlení :");
  EXPECT_TRUE(program->CancelDialog(*dialog));
  EXPECT_TRUE(Ended());
}

// Wine hands a web page to the desktop's browser through the commands named
// in its registry. A stand-in in their place writes down, one a line, each
// address it is given, in a file the test reads back through drive Z:.
class BrowserStandIn {
 public:
  BrowserStandIn()
      : record_("/tmp/prolexa-help-" + std::to_string(GetCurrentProcessId()) + ".txt") {
    const std::string command = "/bin/sh -c \"echo \\\"$0\\\" >> " + record_ + "\"";
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
      RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>(command.size() + 1));
      RegCloseKey(key);
    }
  }
  ~BrowserStandIn() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "Browsers");
    DeleteFileW(WindowsPath(record_).c_str());
  }
  BrowserStandIn(const BrowserStandIn&) = delete;
  BrowserStandIn& operator=(const BrowserStandIn&) = delete;

  // The addresses asked for so far, once there are `count` of them or five
  // seconds have passed.
  std::vector<std::string> WaitAddresses(std::size_t count) const {
    std::vector<std::string> addresses;
    for (int i = 0; i < 250 && addresses.size() < count; ++i) {
      Sleep(20);
      addresses.clear();
      std::ifstream file(WindowsPath(record_).c_str());
      for (std::string line; std::getline(file, line);) addresses.push_back(line);
    }
    return addresses;
  }

 private:
  static constexpr const char* kKey = "Software\\Wine\\WineBrowser";
  std::string record_;
};

// No help viewer under Wine shows a page, so the help icon and F1 open the
// program's page of the plain HTML help beside it in the desktop's browser.
TEST_F(TrigonaTest, TheHelpIconAndF1OpenTheHelpPageInTheBrowser) {
  const BrowserStandIn browser;
  Start();
  program->ClickAt(480, 20);
  std::vector<std::string> addresses = browser.WaitAddresses(1);
  ASSERT_EQ(addresses.size(), 1u);
  program->PressKey(ui.editB, VK_F1);
  addresses = browser.WaitAddresses(2);
  ASSERT_EQ(addresses.size(), 2u);
  for (const std::string& address : addresses) {
    EXPECT_TRUE(address.starts_with("file:///") && address.ends_with("/bin/help/trigona.html"))
        << address;
  }
  // And not the empty viewer besides (closed if it came, so that it does not
  // outlive the test).
  EXPECT_FALSE(Program::WaitAnyTopWindow(L"HH Parent", 0).has_value());
  CloseTopWindows(L"HH Parent");
}

TEST_F(TrigonaTest, TheHelpIconLightsUpUnderTheMouse) {
  constexpr RECT icon{470, 10, 505, 41};
  Start();
  program->MoveMouse(200, 300);
  const unsigned long long normal = program->PixelHash(icon);
  program->MoveMouse(480, 20);
  program->MoveMouse(485, 25);
  const unsigned long long hover = program->PixelHash(icon);
  EXPECT_NE(hover, normal);
  program->MoveMouse(200, 300);
  EXPECT_EQ(program->PixelHash(icon), normal);
}

TEST_F(TrigonaTest, TabFollowsTheFocusChain) {
  Start();
  // Each Tab is typed where the focus then is; after the last comes the first.
  // The solution follows the buttons, the help icon comes last.
  const HWND solution = program->Control(L"ProlexaSolution", 11, 220);
  const HWND help = program->Control(L"Button", 470, 10);
  const HWND chain[] = {ui.editA,   ui.unitA,    ui.editB, ui.unitB,  ui.editC,
                        ui.unitC,   ui.showUnits, ui.compute, ui.clear, ui.rounding,
                        ui.teach,   solution,    help,     ui.editA};
  program->Focus(ui.editA);
  for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
    ASSERT_EQ(program->FocusedControl(), chain[i]) << "step " << i;
    program->PressKey(chain[i], VK_TAB);
  }
  EXPECT_EQ(program->FocusedControl(), ui.editA);
  // Shift+Tab goes back: from the first to the last.
  program->PressWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(program->FocusedControl(), help);
  program->PressWith(VK_SHIFT, VK_TAB);
  EXPECT_EQ(program->FocusedControl(), solution);
}

TEST_F(TrigonaTest, CopyPutsTheShownSolutionOnTheClipboardAsTextAndPicture) {
  for (const char* list : {"cmb0", "cmb1", "cmb2"}) Store(list, 1);  // cm
  Start();
  // Without a solution the command leaves the clipboard alone.
  EmptyTheClipboard();
  EXPECT_EQ(Copy().text, "");

  Enter("", "3", "5");
  program->Click(ui.compute);
  const ClipboardContent copied = Copy();
  EXPECT_EQ(copied.text,
            "a² = c² - b²\r\na² = 5²cm - 3²cm\r\na² = 25cm - 9cm\r\na = √(25cm - 9cm)\r\n"
            "a = √(16cm)\r\na = 4cm");
  // The picture is the solution area as the window shows it, from the area's
  // left edge to the window's right one: white, with the lines in ink.
  RECT client{};
  GetClientRect(program->Main(), &client);
  const RECT box{kResultArea.left, kResultArea.top, client.right, kResultArea.bottom};
  const std::vector<COLORREF> shown = program->Pixels(box);
  ASSERT_EQ(copied.width, box.right - box.left);
  ASSERT_EQ(copied.height, box.bottom - box.top);
  EXPECT_GE(SameShare(copied.pixels, shown), 0.99);
  std::size_t white = 0, ink = 0;
  for (COLORREF p : copied.pixels) {
    white += p == 0xFFFFFF;
    ink += (p & 0x808080) == 0;
  }
  EXPECT_GT(white * 2, copied.pixels.size());
  EXPECT_GT(ink, 400u);
}

TEST_F(TrigonaTest, AChangedRoundingRedrawsTheSolutionAtOnce) {
  // Each way of changing the count from 2 to 4; what is shown and copied
  // must be what a fresh solve at 4 places draws.
  const struct {
    bool spinner;
    const char* why;
  } ways[] = {{true, "the up arrow twice"}, {false, "a digit typed into the places"}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.why);
    DeleteKey(key);
    Start();
    Enter("1", "1", "");
    program->Click(ui.compute);
    const std::string atTwo = Copy().text;
    const unsigned long long drawnAtTwo = program->PixelHash(kResultArea);
    ASSERT_NE(atTwo.find("1.42"), std::string::npos) << atTwo;

    if (way.spinner) {
      const HWND spinner = Spinner();
      ASSERT_NE(spinner, nullptr);
      program->ClickSpinner(spinner, true);
      program->ClickSpinner(spinner, true);
    } else {
      TypePlaces(ui.rounding, '4');
    }
    ASSERT_EQ(program->Text(ui.rounding), "4");
    const std::string changed = Copy().text;
    const unsigned long long drawnChanged = program->PixelHash(kResultArea);

    program->Click(ui.compute);
    EXPECT_NE(changed, atTwo);
    EXPECT_EQ(changed, Copy().text);
    EXPECT_NE(drawnChanged, drawnAtTwo);
    EXPECT_EQ(drawnChanged, program->PixelHash(kResultArea));
    program->Close();
  }
}

TEST_F(TrigonaTest, OkPressedUnderItsRefusalShowsNoSecondBox) {
  Start();
  Enter("", "", "");
  for (int i = 0; i < 200; ++i) PostMessageW(ui.compute, BM_CLICK, 0, 0);
  const auto box = program->WaitMessageBox();
  ASSERT_TRUE(box.has_value());
  int most = 0;
  for (int i = 0; i < 30; ++i) {
    most = std::max(most, program->CountTopWindows(L"#32770"));
    Sleep(50);
  }
  program->Settle();
  most = std::max(most, program->CountTopWindows(L"#32770"));
  EXPECT_EQ(most, 1);
  program->CloseMessageBox(*box);
  Sleep(300);
  EXPECT_EQ(program->CountTopWindows(L"#32770"), 0) << "no box waited behind it";
}

}  // namespace
}  // namespace prolexa::e2e
