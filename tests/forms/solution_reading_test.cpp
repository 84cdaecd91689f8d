// The worked solution as a screen reader meets it, asked through the
// system's accessibility interface as a reader asks: the lines' words and
// texts, the line the keyboard is on, and what the window announces.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "screen_reader.h"
#include "trigona_form.h"

namespace prolexa {
namespace {

using e2e::ScreenReader;
using e2e::WinEventLog;

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

class SolutionReading : public testing::Test {
 protected:
  void SetUp() override {
    form_.showRefusal = Ignore;
    main_ = CreateCalculatorWindow(window_);
    ASSERT_NE(main_, nullptr);
    events_ = std::make_unique<WinEventLog>(GetCurrentProcessId());
    ASSERT_TRUE(events_->Hooked());
    view_ = window_.SolutionControl().Window();
    reader_ = std::make_unique<ScreenReader>(view_);
    ASSERT_NE(reader_->object, nullptr);
  }
  void TearDown() override {
    reader_.reset();
    events_.reset();
    DestroyWindow(main_);
  }

  // Trigona's legs in centimetres: b and c typed, a computed.
  void Solve(const wchar_t* b, const wchar_t* c) {
    for (int list = 0; list < 3; ++list) SendMessageW(window_.List(list), CB_SETCURSEL, 1, 0);
    SetWindowTextW(window_.Field(1), b);
    SetWindowTextW(window_.Field(2), c);
    events_->Pump();
    events_->Clear();
    window_.Compute();
    events_->Pump();
  }
  bool Heard(DWORD event, LONG child) const { return events_->HeardEvent(event, view_, child); }

  CalculatorForm form_ = trigona::Form();
  CalculatorWindow window_{form_, GetModuleHandleW(nullptr), DisplayScale{96}};
  HWND main_ = nullptr;
  HWND view_ = nullptr;
  std::unique_ptr<WinEventLog> events_;
  std::unique_ptr<ScreenReader> reader_;
};

TEST_F(SolutionReading, EveryLineIsReadAsDictatedAndCopied) {
  Solve(L"3", L"5");
  EXPECT_EQ(reader_->Name(CHILDID_SELF), "Řešení");
  EXPECT_EQ(reader_->Role(CHILDID_SELF), ROLE_SYSTEM_LIST);
  const std::vector<std::string> said = Golden("trigona-speech.txt", "say");
  const std::vector<std::string> copied = Golden("trigona-text.txt", "copy");
  ASSERT_EQ(said.size(), 6u);
  ASSERT_EQ(reader_->ChildCount(), 6);
  for (LONG line = 1; line <= 6; ++line) {
    const auto i = static_cast<std::size_t>(line - 1);
    EXPECT_EQ(reader_->Name(line), said[i]) << line;
    EXPECT_EQ(reader_->Value(line), copied[i]) << line;
    EXPECT_EQ(reader_->Role(line), ROLE_SYSTEM_LISTITEM);
  }
  // Announced as it appears, its first line first.
  EXPECT_TRUE(Heard(EVENT_OBJECT_REORDER, CHILDID_SELF));
  EXPECT_TRUE(Heard(EVENT_SYSTEM_ALERT, 1));
}

TEST_F(SolutionReading, TheKeysMoveTheFocusedLineAndTellTheReader) {
  Solve(L"3", L"5");
  SetFocus(view_);
  events_->Pump();
  EXPECT_TRUE(Heard(EVENT_OBJECT_FOCUS, 1));
  const struct {
    WPARAM key;
    LONG line;
  } moves[] = {{VK_DOWN, 2}, {VK_DOWN, 3}, {VK_END, 6}, {VK_DOWN, 6}, {VK_UP, 5}, {VK_HOME, 1}};
  for (const auto& move : moves) {
    events_->Clear();
    SendMessageW(view_, WM_KEYDOWN, move.key, 0);
    events_->Pump();
    EXPECT_EQ(reader_->FocusedChild(), move.line) << move.key;
    EXPECT_TRUE(reader_->Focused(move.line));
    // A key that does not move leaves the reader alone.
    const bool moved = move.key != VK_DOWN || move.line != 6;
    EXPECT_EQ(Heard(EVENT_OBJECT_FOCUS, move.line), moved) << move.key;
  }
}

TEST_F(SolutionReading, ARefusalShowsNoSolution) {
  Solve(L"3", L"5");
  ASSERT_EQ(reader_->ChildCount(), 6);
  Solve(L"5", L"3");  // a leg longer than the hypotenuse
  EXPECT_EQ(reader_->ChildCount(), 0);
  EXPECT_FALSE(Heard(EVENT_SYSTEM_ALERT, 1));
  EXPECT_TRUE(Heard(EVENT_OBJECT_REORDER, CHILDID_SELF));
}

}  // namespace
}  // namespace prolexa
