// What every calculator's end-to-end test does around its own checks: starts
// the program from an empty preferences key (and empties it again after),
// reads the ink of its solution areas and what a copy puts on the
// clipboard, and ends it as the close box does to read what it stored.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "driver.h"
#include "wide.h"

namespace prolexa::e2e {

class CalculatorTest : public ::testing::Test {
 protected:
  // The program file `exe` (without ".exe") keeps its preferences under
  // Software\Tolvek\Prolexa\<keyName>, and its main window's class is
  // "Tolvek-00-" followed by the same name.
  CalculatorTest(std::wstring exe, const std::string& keyName)
      : key("Software\\Tolvek\\Prolexa\\" + keyName),
        exe_(ProgramFolder() + L"\\" + exe + L".exe"),
        windowClass_(L"Tolvek-00-" + Widen(keyName)) {}

  void SetUp() override { DeleteKey(key); }
  void TearDown() override {
    program.reset();
    DeleteKey(key);
  }

  // Starts the program anew (ending one that still runs).
  void Start() {
    program.reset();
    program = std::make_unique<Program>(exe_, windowClass_);
    ASSERT_TRUE(program->Started());
  }

  // The pixels drawn in ink in a rectangle of the client area.
  int Ink(const RECT& area) const { return program->CountPixels(area).dark; }

  // What the copy command (Ctrl+C outside a field) puts on the clipboard.
  ClipboardContent Copy() const {
    SendMessageW(program->Main(), WM_COPY, 0, 0);
    return ReadClipboard();
  }

  // Presses OK and takes the message box it brings up, closing it: a
  // success when the box has this caption and text.
  ::testing::AssertionResult Refuses(HWND compute, const std::string& text,
                                     const std::string& caption = "Chyba") {
    const std::optional<MessageBoxInfo> box = program->ClickForMessageBox(compute);
    if (!box) return ::testing::AssertionFailure() << "no message box";
    if (box->caption != caption || box->text != text) {
      return ::testing::AssertionFailure() << "the box " << box->caption << ": " << box->text;
    }
    return ::testing::AssertionSuccess();
  }

  // Puts a digit in place of the last one of the rounding field, as typed.
  void TypePlaces(HWND rounding, UINT digit) {
    program->Focus(rounding);
    program->PressKey(rounding, VK_END);
    program->PressKey(rounding, VK_BACK);
    program->PressKey(rounding, digit);
  }

  HWND Spinner() const { return program->ControlOfClass(L"msctls_updown32"); }

  // Closes the main window; a success once the program has ended with 0, so
  // that what it stored on the way out can be read.
  ::testing::AssertionResult Ended() {
    DWORD exitCode = 1;
    if (!program->Close(&exitCode)) return ::testing::AssertionFailure() << "still running";
    if (exitCode != 0) return ::testing::AssertionFailure() << "exit code " << exitCode;
    return ::testing::AssertionSuccess();
  }

  std::optional<DWORD> Stored(const std::string& name) const { return ReadDword(key, name); }
  void Store(const std::string& name, DWORD value) const { WriteDword(key, name, value); }

  const std::string key;
  std::unique_ptr<Program> program;

 private:
  std::wstring exe_, windowClass_;
};

}  // namespace prolexa::e2e
