// The launcher's main window, made by the program and, with colours forced
// as the system's high-contrast mode would give them, by its tests.
#pragma once

#include <windows.h>

#include <memory>

#include "palette.h"

namespace prolexa::zeruraruri {

struct State;

class LauncherWindow {
 public:
  explicit LauncherWindow(HINSTANCE instance);
  ~LauncherWindow();
  LauncherWindow(const LauncherWindow&) = delete;
  LauncherWindow& operator=(const LauncherWindow&) = delete;

  // Makes and shows the window at the zoom the pupil left it at; nullptr
  // when it cannot be made.
  HWND Open();
  // Draws in a palette from now on, as a change of the system's settings
  // does with the palette they ask for.
  void SetPalette(const Palette& palette);

 private:
  std::unique_ptr<State> state_;
};

}  // namespace prolexa::zeruraruri
