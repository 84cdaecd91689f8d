// The worked solution as a screen reader meets it, asked through the
// system's accessibility interface as a reader asks: the lines' words and
// texts, the line the keyboard is on, and what the window announces.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "radixa_form.h"
#include "trigona_form.h"
#include "wide.h"

namespace prolexa {
namespace {

void Ignore(HWND, const Refusal&) {}

// The lines of a golden file of the command-line solver that start with
// the tag ("say", "copy").
std::vector<std::string> Golden(const std::string& file, const std::string& tag) {
  std::ifstream in(std::string(PROLEXA_GOLDEN_DIR) + "/" + file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(tag + "\t", 0) == 0) lines.push_back(line.substr(tag.size() + 1));
  }
  return lines;
}

VARIANT Child(LONG id) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string Read(IAccessible* object, LONG id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
  BSTR text = nullptr;
  (object->*get)(Child(id), &text);
  std::string read = text != nullptr ? Narrow(text) : std::string();
  SysFreeString(text);
  return read;
}

LONG Number(IAccessible* object, LONG id,
            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT value{};
  (object->*get)(Child(id), &value);
  return value.vt == VT_I4 ? value.lVal : -1;
}

// The WinEvents the process raises, as a reader's hook receives them.
struct Heard {
  DWORD event;
  HWND window;
  LONG child;
};
std::vector<Heard> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                   DWORD) {
  if (object == OBJID_CLIENT) heard.push_back({event, window, child});
}

void Pump() {
  MSG message;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
}

bool HeardEvent(DWORD event, HWND window, LONG child) {
  for (const Heard& h : heard) {
    if (h.event == event && h.window == window && h.child == child) return true;
  }
  return false;
}

class SolutionReading : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    form_.showRefusal = Ignore;
    main_ = CreateCalculatorWindow(window_);
    ASSERT_NE(main_, nullptr);
    hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hear, GetCurrentProcessId(), 0,
                            WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook_, nullptr);
    view_ = window_.SolutionControl().Window();
    ASSERT_EQ(AccessibleObjectFromWindow(view_, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&solution_)),
              S_OK);
  }
  void TearDown() override {
    if (solution_ != nullptr) solution_->Release();
    UnhookWinEvent(hook_);
    DestroyWindow(main_);
    CoUninitialize();
  }

  // Trigona's legs in centimetres: b and c typed, a computed.
  void Solve(const wchar_t* b, const wchar_t* c) {
    for (int list = 0; list < 3; ++list) SendMessageW(window_.List(list), CB_SETCURSEL, 1, 0);
    SetWindowTextW(window_.Field(1), b);
    SetWindowTextW(window_.Field(2), c);
    Pump();
    heard.clear();
    window_.Compute();
    Pump();
  }
  LONG Count() {
    LONG count = -1;
    solution_->get_accChildCount(&count);
    return count;
  }

  CalculatorForm form_ = trigona::Form();
  CalculatorWindow window_{form_, GetModuleHandleW(nullptr), DisplayScale{96}};
  HWND main_ = nullptr;
  HWND view_ = nullptr;
  HWINEVENTHOOK hook_ = nullptr;
  IAccessible* solution_ = nullptr;
};

TEST_F(SolutionReading, EveryLineIsReadAsDictatedAndCopied) {
  Solve(L"3", L"5");
  EXPECT_EQ(Read(solution_, CHILDID_SELF, &IAccessible::get_accName), "Řešení");
  EXPECT_EQ(Number(solution_, CHILDID_SELF, &IAccessible::get_accRole), ROLE_SYSTEM_LIST);
  const std::vector<std::string> said = Golden("trigona-speech.txt", "say");
  const std::vector<std::string> copied = Golden("trigona-text.txt", "copy");
  ASSERT_EQ(said.size(), 6u);
  ASSERT_EQ(Count(), 6);
  for (LONG line = 1; line <= 6; ++line) {
    const auto i = static_cast<std::size_t>(line - 1);
    EXPECT_EQ(Read(solution_, line, &IAccessible::get_accName), said[i]) << line;
    EXPECT_EQ(Read(solution_, line, &IAccessible::get_accValue), copied[i]) << line;
    EXPECT_EQ(Number(solution_, line, &IAccessible::get_accRole), ROLE_SYSTEM_LISTITEM);
  }
  // Announced as it appears, its first line first.
  EXPECT_TRUE(HeardEvent(EVENT_OBJECT_REORDER, view_, CHILDID_SELF));
  EXPECT_TRUE(HeardEvent(EVENT_SYSTEM_ALERT, view_, 1));
}

TEST_F(SolutionReading, TheKeysMoveTheFocusedLineAndTellTheReader) {
  Solve(L"3", L"5");
  SetFocus(view_);
  Pump();
  EXPECT_TRUE(HeardEvent(EVENT_OBJECT_FOCUS, view_, 1));
  const struct {
    WPARAM key;
    LONG line;
  } moves[] = {{VK_DOWN, 2}, {VK_DOWN, 3}, {VK_END, 6}, {VK_DOWN, 6}, {VK_UP, 5}, {VK_HOME, 1}};
  for (const auto& move : moves) {
    heard.clear();
    SendMessageW(view_, WM_KEYDOWN, move.key, 0);
    Pump();
    VARIANT focus{};
    solution_->get_accFocus(&focus);
    EXPECT_EQ(focus.vt == VT_I4 ? focus.lVal : -1, move.line) << move.key;
    EXPECT_TRUE(Number(solution_, move.line, &IAccessible::get_accState) & STATE_SYSTEM_FOCUSED);
    // A key that does not move leaves the reader alone.
    const bool moved = move.key != VK_DOWN || move.line != 6;
    EXPECT_EQ(HeardEvent(EVENT_OBJECT_FOCUS, view_, move.line), moved) << move.key;
  }
}

TEST_F(SolutionReading, ARefusalShowsNoSolution) {
  Solve(L"3", L"5");
  ASSERT_EQ(Count(), 6);
  Solve(L"5", L"3");  // a leg longer than the hypotenuse
  EXPECT_EQ(Count(), 0);
  EXPECT_FALSE(HeardEvent(EVENT_SYSTEM_ALERT, view_, 1));
  EXPECT_TRUE(HeardEvent(EVENT_OBJECT_REORDER, view_, CHILDID_SELF));
}

}  // namespace
}  // namespace prolexa
