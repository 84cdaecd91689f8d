// The launcher used as a pupil or teacher uses it: its window, a tile that
// starts a calculator, the second page, a start that fails, and the settings
// kept for the calculators.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "display_scale.h"
#include "driver.h"
#include "screen_reader.h"
#include "resource.h"
#include "scoped.h"
#include "wide.h"

namespace prolexa::e2e {
namespace {

const std::string kTrigona = "Software\\Tolvek\\Prolexa\\Trigona";
const std::string kDromika = "Software\\Tolvek\\Prolexa\\Dromika";
const std::string kRezeze = "Software\\Tolvek\\Prolexa\\Rezeze";
const std::string kCombinations = "Software\\Tolvek\\Prolexa\\Zazozarozovuz";
const std::string kLauncher = "Software\\Tolvek\\Prolexa\\Zeruraruri";
constexpr RECT kFourthSlot{27, 408, 337, 497};
constexpr RECT kFirstSlot{27, 120, 337, 209};
constexpr const wchar_t* kCalculators[] = {L"Trigona.exe", L"Radixa.exe", L"Zazozarozovuz.exe",
                                           L"Redero.exe", L"Dromika.exe"};

int CalculatorsRunning() {
  int running = 0;
  for (const wchar_t* exe : kCalculators) running += ProcessCount(exe);
  return running;
}

std::string EntryOf(HWND list, int i) {
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, i, 0);
  std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
  entry.resize(wcslen(entry.c_str()));
  return Narrow(entry);
}

// The pixels a control leaves its text: all of a label, a push button less
// its frame, an option button less its round box and the gap after it.
int TextRoom(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  if (ClassOf(control) != L"Button") return client.right;
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  if (kind == BS_AUTORADIOBUTTON) return client.right - GetSystemMetrics(SM_CXMENUCHECK) - 4;
  return client.right - 6;
}

// Whether a text stands whole in `room` pixels of a control, said as a
// failure's message.
::testing::AssertionResult Fits(const LOGFONTW& font, HWND control, const std::string& text,
                                int room) {
  const SIZE size = TextExtent(font, text);
  if (size.cx > room) {
    return ::testing::AssertionFailure() << '"' << text << "\" is " << size.cx << " px wide in "
                                         << room << " px of control " << GetDlgCtrlID(control);
  }
  return ::testing::AssertionSuccess();
}

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string* key : {&kTrigona, &kDromika, &kRezeze, &kCombinations, &kLauncher}) {
      DeleteKey(*key);
    }
  }
  void TearDown() override { SetUp(); }

  // From the drive's root, not the program folder: the calculators must
  // still be found beside the launcher.
  void Start() {
    launcher = std::make_unique<Program>(ProgramFolder() + L"\\Zeruraruri.exe",
                                         L"Tolvek-00-Zeruraruri", L"C:\\");
    ASSERT_TRUE(launcher->Started());
  }

  HWND OpenSettings() {
    launcher->ClickAt(700, 150);
    const auto dialog = launcher->WaitTopWindow(L"#32770");
    return dialog ? *dialog : nullptr;
  }

  std::unique_ptr<Program> launcher;
};

TEST_F(LauncherTest, IsTheSkinnedWindowOfItsSize) {
  Start();
  EXPECT_EQ(launcher->Text(launcher->Main()), "Prolexa");
  RECT place{};
  GetWindowRect(launcher->Main(), &place);
  EXPECT_EQ(place.right - place.left, 731);
  EXPECT_EQ(place.bottom - place.top, 540);
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(launcher->Main(), region), COMPLEXREGION) << "rounded corners";
  DeleteObject(region);
}

// A mouse that leaves the window straight from a tile sends no move outside
// it: the system's leave message must turn the tile normal again. Under Wine
// on a virtual display the real pointer does not reliably reach another
// process's window, so the move onto the tile and the leave message are
// handed to the launcher as the system would send them.
TEST_F(LauncherTest, ATileTurnsNormalWhenTheMouseLeavesTheWindowFromIt) {
  Start();
  const RECT tile{227, 180, 327, 205};  // the lower right of Trigona's tile
  const unsigned long long normal = launcher->PixelHash(tile);
  launcher->MoveMouse(100, 160);
  PostMessageW(launcher->Main(), WM_MOUSELEAVE, 0, 0);
  launcher->Settle();
  // What another process draws reaches the screen a moment later.
  for (int waited = 0; waited < 2000 && launcher->PixelHash(tile) != normal; waited += 50) {
    Sleep(50);
  }
  EXPECT_EQ(launcher->PixelHash(tile), normal) << "the normal picture again";
}

TEST_F(LauncherTest, ATileStartsItsCalculator) {
  Start();
  launcher->ClickAt(100, 160);
  const auto trigona = Program::WaitAnyTopWindow(L"Tolvek-00-Trigona");
  ASSERT_TRUE(trigona.has_value());
  PostMessageW(*trigona, WM_CLOSE, 0, 0);
  launcher->ClickAt(100, 450);  // Redero is the program Rezeze
  const auto rezeze = Program::WaitAnyTopWindow(L"Tolvek-00-Rezeze");
  ASSERT_TRUE(rezeze.has_value());
  PostMessageW(*rezeze, WM_CLOSE, 0, 0);
  launcher->ClickAt(100, 350);
  const auto counts = Program::WaitAnyTopWindow(L"Tolvek-00-Zazozarozovuz");
  ASSERT_TRUE(counts.has_value());
  PostMessageW(*counts, WM_CLOSE, 0, 0);
  launcher->ClickAt(400, 150);
  const auto dromika = Program::WaitAnyTopWindow(L"Tolvek-00-Dromika");
  ASSERT_TRUE(dromika.has_value());
  PostMessageW(*dromika, WM_CLOSE, 0, 0);
  EXPECT_FALSE(launcher->WaitMessageBox(300).has_value());
}

// What a pupil sees of a pixel: ink (text, figures), the light ground, or
// neither (an edge between them).
enum class Shade { Ink, Light, Between };

Shade ShadeOf(COLORREF p) {
  const int mean = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
  return mean < 128 ? Shade::Ink : mean > 200 ? Shade::Light : Shade::Between;
}

// Tells the launcher that its screen has another DPI, as the system does
// when it is moved onto another screen. The suggested rectangle does not
// travel with this message to another process, so it is written into the
// launcher's own memory.
bool SendDpiChanged(const Program& program, int dpi, const RECT& suggested) {
  const OwnedHandle<HANDLE, CloseHandle> process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.ProcessId()));
  if (!process) return false;
  void* remote = VirtualAllocEx(process.Get(), nullptr, sizeof suggested,
                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote == nullptr) return false;
  const bool written =
      WriteProcessMemory(process.Get(), remote, &suggested, sizeof suggested, nullptr) != 0;
  if (written) {
    SendMessageW(program.Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(remote));
  }
  VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
  return written;
}

RECT BoxOf(HRGN region) {
  RECT box{};
  GetRgnBox(region, &box);
  return box;
}

// Moved onto a screen of 144 DPI (the system suggests a place half as large
// again; Wine on X11 sends no such message, so the test does), the launcher
// shows and answers everything half as large again.
TEST_F(LauncherTest, AtOneAndAHalfTimesTheDpiTheSkinGrowsWithItsPlaces) {
  Start();
  const HWND main = launcher->Main();
  if (WindowScale(main).dpi != BaseDpi) GTEST_SKIP() << "the places below grow from 96 DPI";
  const std::vector<COLORREF> tile = launcher->Pixels(kFirstSlot);
  RECT before{};
  GetWindowRect(main, &before);
  const GdiRegion region(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(main, region.Get());
  const RECT skin = BoxOf(region.Get());
  // With the client area's corner at the screen's, the tiles stay on a small
  // screen.
  POINT corner{0, 0};
  ClientToScreen(main, &corner);
  const int width = MulDiv(before.right - before.left, 3, 2);
  const int height = MulDiv(before.bottom - before.top, 3, 2);
  const RECT suggested{before.left - corner.x, before.top - corner.y,
                       before.left - corner.x + width, before.top - corner.y + height};
  ASSERT_TRUE(SendDpiChanged(*launcher, 144, suggested));
  launcher->Settle();

  // Taller than the test's screen, it keeps its whole size.
  RECT after{};
  GetWindowRect(main, &after);
  EXPECT_NEAR(after.right - after.left, width, 2);
  EXPECT_NEAR(after.bottom - after.top, height, 2);
  GetWindowRgn(main, region.Get());
  const RECT cut = BoxOf(region.Get());
  EXPECT_NEAR(cut.right - cut.left, (skin.right - skin.left) * 1.5, 2) << "the skin's shape";
  EXPECT_NEAR(cut.bottom - cut.top, (skin.bottom - skin.top) * 1.5, 2);

  // Each pixel of the tile as drawn at 96 DPI against the middle of the
  // pixels it covers now: ink stays ink and the ground stays light. (The
  // smoothing blurs some of the thinnest strokes to neither; the tile drawn
  // at its 96-DPI place keeps under a tenth of its ink.)
  const int tileW = kFirstSlot.right - kFirstSlot.left;
  const RECT grown{0, 0, 2 * kFirstSlot.right, 2 * kFirstSlot.bottom};
  const std::vector<COLORREF> shown = launcher->Pixels(grown);
  ASSERT_EQ(shown.size(), static_cast<std::size_t>(grown.right * grown.bottom));
  int ink = 0, inkKept = 0, light = 0, lightKept = 0;
  for (std::size_t i = 0; i < tile.size(); ++i) {
    const Shade was = ShadeOf(tile[i]);
    if (was == Shade::Between) continue;
    // The middle of 96-DPI pixel p lies at 1.5 p + 0.75 now.
    const int x = (6 * (kFirstSlot.left + static_cast<int>(i) % tileW) + 3) / 4;
    const int y = (6 * (kFirstSlot.top + static_cast<int>(i) / tileW) + 3) / 4;
    const bool kept = ShadeOf(shown[static_cast<std::size_t>(y * grown.right + x)]) == was;
    (was == Shade::Ink ? ink : light) += 1;
    (was == Shade::Ink ? inkKept : lightKept) += kept;
  }
  ASSERT_GT(ink, 500) << "the tile has ink to compare";
  EXPECT_GE(inkKept, ink * 3 / 4) << inkKept << " of " << ink << " ink pixels";
  EXPECT_GE(lightKept, light * 98 / 100) << lightKept << " of " << light << " light pixels";

  // A click at a tile's new place starts its calculator; at 96 DPI both
  // points lie beside the tiles.
  for (const auto& [x, y, windowClass] : {std::tuple{150, 675, L"Tolvek-00-Rezeze"},
                                          std::tuple{600, 225, L"Tolvek-00-Dromika"}}) {
    launcher->ClickAt(x, y);
    const auto started = Program::WaitAnyTopWindow(windowClass);
    ASSERT_TRUE(started.has_value()) << x << ", " << y;
    PostMessageW(*started, WM_CLOSE, 0, 0);
  }
  EXPECT_FALSE(launcher->WaitMessageBox(300).has_value());
}

TEST_F(LauncherTest, TheSecondPageHasThreeTilesAndSaysWhatCannotStart) {
  Start();
  const unsigned long long firstPage = launcher->PixelHash(kFourthSlot);
  launcher->RightDrag(400, 300, 300);
  EXPECT_NE(launcher->PixelHash(kFourthSlot), firstPage) << "no tile in the fourth slot";
  launcher->ClickAt(100, 450);
  EXPECT_FALSE(launcher->WaitMessageBox(300).has_value()) << "a disabled slot does nothing";

  launcher->ClickAt(100, 160);  // Zoverudir lies outside the suite
  const auto box = launcher->WaitMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "Chyba");
  EXPECT_EQ(box->text, "Program Zoverudir sa nepodarilo spustiť.");
  launcher->CloseMessageBox(*box);

  for (const auto& [y, windowClass] :
       {std::pair{250, L"Tolvek-00-Zeraz"}, std::pair{350, L"Tolvek-00-Mernika"}}) {
    launcher->ClickAt(100, y);
    const auto started = Program::WaitAnyTopWindow(windowClass);
    ASSERT_TRUE(started.has_value()) << y;
    PostMessageW(*started, WM_CLOSE, 0, 0);
    for (int i = 0; i < 150 && IsWindow(*started); ++i) Sleep(20);
  }
  launcher->Invalidate();  // where the calculators stood over it

  launcher->RightDrag(300, 400, 300);
  EXPECT_EQ(launcher->PixelHash(kFourthSlot), firstPage) << "back to the first page";
}

// How many pixels of a rectangle of the launcher show the focus mark's
// colour (the skin's accent).
int AccentPixels(const Program& program, const RECT& client) {
  int accent = 0;
  for (COLORREF p : program.Pixels(client)) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    accent += std::abs(r - 75) <= 8 && std::abs(g - 68) <= 8 && std::abs(b - 166) <= 8;
  }
  return accent;
}

// A pupil without a mouse: Tab shows the focus on the first tile, Down
// moves it onto Radixa's, Enter starts Radixa; Page Down and Page Up turn
// the pages as the right-button drag does, the focus going to the new
// page's first tile.
TEST_F(LauncherTest, TheKeyboardAloneStartsACalculatorAndTurnsThePage) {
  Start();
  const HWND main = launcher->Main();
  // The rows of the focus mark just below Trigona's tile and just above
  // Radixa's, the whole width of the mark.
  constexpr RECT kBelowTrigona{24, 210, 340, 212};
  constexpr RECT kAboveRadixa{24, 213, 340, 215};
  constexpr int kRow = 2 * (340 - 24);
  EXPECT_EQ(AccentPixels(*launcher, kBelowTrigona), 0) << "no focus before a key";
  const unsigned long long firstPage = launcher->PixelHash(kFourthSlot);

  launcher->PressKey(main, VK_TAB);
  EXPECT_EQ(AccentPixels(*launcher, kBelowTrigona), kRow) << "the focus on Trigona";
  launcher->PressKey(main, VK_DOWN);
  EXPECT_EQ(AccentPixels(*launcher, kBelowTrigona), 0) << "gone from Trigona";
  EXPECT_EQ(AccentPixels(*launcher, kAboveRadixa), kRow) << "the focus on Radixa";
  launcher->PressKey(main, VK_ESCAPE);
  launcher->PressKey(main, VK_RETURN);
  const auto radixa = Program::WaitAnyTopWindow(L"Tolvek-00-Radixa");
  ASSERT_TRUE(radixa.has_value());
  PostMessageW(*radixa, WM_CLOSE, 0, 0);
  for (int i = 0; i < 150 && IsWindow(*radixa); ++i) Sleep(20);
  EXPECT_EQ(ProcessCount(L"Trigona.exe"), 0) << "only the focused tile started";
  launcher->Invalidate();  // where Radixa stood over it

  launcher->PressKey(main, VK_NEXT);
  const unsigned long long secondPage = launcher->PixelHash(kFourthSlot);
  EXPECT_NE(secondPage, firstPage) << "no tile in the fourth slot";
  launcher->PressKey(main, VK_RETURN);  // Zoverudir, the second page's first
  const auto box = launcher->WaitMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, "Program Zoverudir sa nepodarilo spustiť.");
  launcher->CloseMessageBox(*box);
  launcher->PressKey(main, VK_PRIOR);
  EXPECT_EQ(launcher->PixelHash(kFourthSlot), firstPage) << "back to the first page";
  launcher->RightDrag(400, 300, 300);
  EXPECT_EQ(launcher->PixelHash(kFourthSlot), secondPage) << "as the drag shows it";
}

// Every tile and tab of the page shown is a push button ("43") that says
// its words and is pressed, in the order Tab visits them; after Page Down,
// those of the second page.
TEST_F(LauncherTest, AScreenReaderFindsEveryTileAndTabAsANamedButton) {
  const std::vector<std::string> tabs = {
      "Nastavenia, jednotky a voľby, s ktorými kalkulačky začínajú 43 Stlačiť",
      "O programe, názov a verzia 43 Stlačiť", "Dotácie, ako podporiť vývoj 43 Stlačiť"};
  const std::vector<std::string> pages[] = {
      {"Trigona, Pytagorova veta 43 Stlačiť", "Radixa, Kvadratické rovnice 43 Stlačiť",
       "Zazozarozovuz, Variácie a kombinácie 43 Stlačiť",
       "Redero, Obvody, obsahy a objemy 43 Stlačiť", "Dromika, Pohyb dvoch telies 43 Stlačiť"},
      {"Zoverudir, Ďalší program sady 43 Stlačiť", "Zeraz, Teplo telesa 43 Stlačiť",
       "Mernika, Prevody jednotiek 43 Stlačiť"}};
  static_assert(ROLE_SYSTEM_PUSHBUTTON == 43);
  Start();
  const ScreenReader reader(launcher->Main());
  ASSERT_NE(reader.object, nullptr);
  for (std::vector<std::string> page : pages) {
    if (page.size() == 3) launcher->PressKey(launcher->Main(), VK_NEXT);
    page.insert(page.end(), tabs.begin(), tabs.end());
    EXPECT_EQ(reader.Children(), page);
  }
}

// The keyboard's focus frame is the focus a screen reader follows: each
// move is announced for the tile now framed, which alone says it has the
// focus. A screen reader that moves the focus itself moves the frame.
TEST_F(LauncherTest, AScreenReaderHearsWhereTheKeysMoveTheFocus) {
  Start();
  const ScreenReader reader(launcher->Main());
  ASSERT_NE(reader.object, nullptr);
  // The focus events of the launcher's window, as a reader's hook gets them
  // from another process.
  WinEventLog events(launcher->ProcessId(), EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS);
  ASSERT_TRUE(events.Hooked());
  // Tab onto Trigona, Down onto Radixa, Up back, Right onto Dromika beside
  // Trigona, Tab onto the settings tab; then (no key) the screen reader
  // onto Zazozarozovuz.
  const std::pair<UINT, long> steps[] = {
      {VK_TAB, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_RIGHT, 5}, {VK_TAB, 6}, {0, 3}};
  for (const auto& [key, child] : steps) {
    if (key != 0) launcher->PressKey(launcher->Main(), key);
    if (key == 0) reader.object->accSelect(SELFLAG_TAKEFOCUS, ScreenReader::Child(child));
    events.WaitFor(EVENT_OBJECT_FOCUS, child);
    EXPECT_EQ(events.LastChild(EVENT_OBJECT_FOCUS), child) << "the focus event";
    for (long other = 1; other <= 8; ++other) {
      EXPECT_EQ(reader.Focused(other), other == child) << other << " after the move to " << child;
    }
  }
}

// A screen reader's "press" does what Enter does: a tab opens its dialog, a
// tile starts its calculator.
TEST_F(LauncherTest, AScreenReadersPressOpensATabOrStartsATile) {
  Start();
  const ScreenReader reader(launcher->Main());
  ASSERT_NE(reader.object, nullptr);
  for (const auto& [child, caption] :
       {std::pair{6L, "Nastavenia"}, std::pair{7L, "O programe"}, std::pair{8L, "Dotácie"}}) {
    EXPECT_EQ(reader.object->accDoDefaultAction(ScreenReader::Child(child)), S_OK);
    const auto dialog = launcher->WaitTopWindow(L"#32770");
    ASSERT_TRUE(dialog.has_value()) << caption;
    EXPECT_EQ(launcher->Text(*dialog), caption);
    EXPECT_TRUE(launcher->CancelDialog(*dialog));
  }
  EXPECT_EQ(reader.object->accDoDefaultAction(ScreenReader::Child(2)), S_OK);
  const auto radixa = Program::WaitAnyTopWindow(L"Tolvek-00-Radixa");
  ASSERT_TRUE(radixa.has_value());
  PostMessageW(*radixa, WM_CLOSE, 0, 0);
}

TEST_F(LauncherTest, SettingsKeepWhatIsStoredAndOnlyOkSaves) {
  WriteDword(kTrigona, "cmb1", 1);
  WriteDword(kDromika, "cmb5", 2);
  WriteDword(kRezeze, "index", 30);
  WriteDword(kCombinations, "index", 2);
  WriteDword(kLauncher, "update", 1);
  Start();
  HWND dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(launcher->Text(dialog), "Nastavenia");
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, IDC_TRIGONA_B)), "cm");
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, IDC_TRIGONA_A)), "m") << "nothing stored: metres";
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, IDC_TIME2)), "hod");
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_COMBINATIONS), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, IDC_SHAPE_TITLE)), "Obvod štvorca")
      << "30 is no shape";
  launcher->Click(GetDlgItem(dialog, IDC_SHAPE_PREVIOUS));
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, IDC_SHAPE_TITLE)), "Objem guly");
  launcher->Click(GetDlgItem(dialog, IDC_SETTINGS_OK));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(ReadDword(kTrigona, "cmb1"), 1u);
  EXPECT_EQ(ReadDword(kTrigona, "cmb0"), 3u);
  EXPECT_EQ(ReadDword(kDromika, "cmb5"), 2u) << "a stored hour survives";
  EXPECT_EQ(ReadDword(kDromika, "cmb1"), 0u);
  EXPECT_EQ(ReadDword(kRezeze, "index"), 21u);
  EXPECT_EQ(ReadDword(kCombinations, "index"), 2u);
  EXPECT_EQ(ReadDword(kLauncher, "update"), 0u);

  dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  SendMessageW(GetDlgItem(dialog, IDC_TRIGONA_A), CB_SETCURSEL, 0, 0);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);  // what Enter sends
  launcher->Settle();
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(ReadDword(kTrigona, "cmb0"), 3u) << "Enter closes without saving";
}

// Texts are measured as the controls measure them to lay them out: a label
// breaks its line where this says its text is too long. (Under Wine the
// glyphs come out a little narrower than measured, which errs to the safe
// side.)
TEST_F(LauncherTest, SettingsShowEveryTextWhole) {
  const std::optional<LOGFONTW> font =
      DialogFont(ProgramFolder() + L"\\Zeruraruri.exe", IDD_SETTINGS);
  ASSERT_TRUE(font.has_value());
  Start();
  const HWND dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    if (ClassOf(control) != L"ComboBox") {
      EXPECT_TRUE(Fits(*font, control, launcher->Text(control), TextRoom(control)));
      continue;
    }
    // An entry must stand whole in the closed list, inside its 2-pixel frame
    // and left of the arrow (as wide as a scroll bar), and in the dropped
    // one, inside its border; with 2 pixels of air each side.
    RECT client{};
    GetClientRect(control, &client);
    const int closed = client.right - 4 - GetSystemMetrics(SM_CXVSCROLL) - 4;
    const int dropped = static_cast<int>(SendMessageW(control, CB_GETDROPPEDWIDTH, 0, 0)) - 2 - 4;
    const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0) << GetDlgCtrlID(control);
    for (int i = 0; i < count; ++i) {
      EXPECT_TRUE(Fits(*font, control, EntryOf(control, i), closed)) << "closed";
      EXPECT_TRUE(Fits(*font, control, EntryOf(control, i), dropped)) << "dropped";
    }
  }
  // Every shape's title, as ">>" steps through them.
  const HWND title = GetDlgItem(dialog, IDC_SHAPE_TITLE);
  for (int shape = 0; shape < 22; ++shape) {
    EXPECT_TRUE(Fits(*font, title, launcher->Text(title), TextRoom(title))) << shape;
    launcher->Click(GetDlgItem(dialog, IDC_SHAPE_NEXT));
  }
  EXPECT_TRUE(launcher->CancelDialog(dialog));
}

TEST_F(LauncherTest, AStoredOptionOutsideTheFourShowsTheFirst) {
  WriteDword(kCombinations, "index", 7);
  Start();
  const HWND dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_VARIATIONS), BM_GETCHECK, 0, 0), BST_CHECKED);
  launcher->Click(GetDlgItem(dialog, IDC_SETTINGS_OK));
  EXPECT_EQ(ReadDword(kCombinations, "index"), 0u);
}

TEST_F(LauncherTest, TheClickThatClosesAboutStartsNothingUnderIt) {
  for (int i = 0; i < 100 && CalculatorsRunning() != 0; ++i) Sleep(50);
  ASSERT_EQ(CalculatorsRunning(), 0) << "calculators of an earlier test still run";
  Start();
  launcher->ClickAt(700, 300);
  const auto about = launcher->WaitTopWindow(L"#32770");
  ASSERT_TRUE(about.has_value());
  // A point inside the dialog with the first tile (Trigona) under it.
  RECT tile = kFirstSlot, inside{}, both{};
  MapWindowPoints(launcher->Main(), nullptr, reinterpret_cast<POINT*>(&tile), 2);
  GetClientRect(*about, &inside);
  MapWindowPoints(*about, nullptr, reinterpret_cast<POINT*>(&inside), 2);
  ASSERT_TRUE(IntersectRect(&both, &tile, &inside));
  MouseClickAtScreen({(both.left + both.right) / 2, (both.top + both.bottom) / 2});
  for (int i = 0; i < 100 && IsWindow(*about); ++i) Sleep(20);
  EXPECT_FALSE(IsWindow(*about));
  Sleep(500);
  launcher->Settle();
  EXPECT_EQ(CalculatorsRunning(), 0);
  if (CalculatorsRunning() == 0) return;
  if (const auto started = Program::WaitAnyTopWindow(L"Tolvek-00-Trigona")) {
    PostMessageW(*started, WM_CLOSE, 0, 0);
  }
}

// Folders made for one test and removed with what they hold.
class Folders {
 public:
  ~Folders() {
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) DeleteFileW(it->c_str());
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) RemoveDirectoryW(it->c_str());
  }
  std::wstring Make(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folders_.push_back(temp + name);
    CreateDirectoryW(folders_.back().c_str(), nullptr);
    return folders_.back();
  }
  bool Copy(const std::wstring& from, const std::wstring& to) {
    files_.push_back(to);
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
  }

 private:
  std::vector<std::wstring> folders_, files_;
};

TEST_F(LauncherTest, StartsOnlyTheProgramsBesideItself) {
  // The launcher without Radixa beside it, started from a folder that holds
  // a Radixa.exe and an update program of its own.
  Folders folders;
  // Ended before the folders go, so that its file can be removed.
  struct EndLauncher {
    std::unique_ptr<Program>& program;
    ~EndLauncher() { program.reset(); }
  } end{launcher};
  const std::wstring own = folders.Make(L"prolexa-launcher-alone");
  const std::wstring current = folders.Make(L"prolexa-other-folder");
  ASSERT_TRUE(folders.Copy(ProgramFolder() + L"\\Zeruraruri.exe", own + L"\\Zeruraruri.exe"));
  ASSERT_TRUE(folders.Copy(ProgramFolder() + L"\\Radixa.exe", current + L"\\Radixa.exe"));
  ASSERT_TRUE(folders.Copy(ProgramFolder() + L"\\Mernika.exe", current + L"\\Aktualizacia.exe"));
  launcher = std::make_unique<Program>(own + L"\\Zeruraruri.exe", L"Tolvek-00-Zeruraruri", current);
  ASSERT_TRUE(launcher->Started());

  launcher->ClickAt(100, 250);
  const auto box = launcher->WaitMessageBox();
  const auto stranger = Program::WaitAnyTopWindow(L"Tolvek-00-Radixa", 300);
  if (stranger) {
    PostMessageW(*stranger, WM_CLOSE, 0, 0);
    for (int i = 0; i < 150 && ProcessCount(L"Radixa.exe") != 0; ++i) Sleep(20);
  }
  EXPECT_FALSE(stranger.has_value()) << "the other folder's Radixa ran";
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, "Program Radixa sa nepodarilo spustiť.");
  launcher->CloseMessageBox(*box);

  // Nor does the update timer, which nothing in the suite arms, start one.
  PostMessageW(launcher->Main(), WM_TIMER, 2, 0);
  launcher->Settle();
  const auto update = Program::WaitAnyTopWindow(L"Tolvek-00-Mernika", 1000);
  if (update) {
    PostMessageW(*update, WM_CLOSE, 0, 0);
    for (int i = 0; i < 150 && ProcessCount(L"Aktualizacia.exe") != 0; ++i) Sleep(20);
  }
  EXPECT_FALSE(update.has_value()) << "the other folder's Aktualizacia ran";
}

}  // namespace
}  // namespace prolexa::e2e
