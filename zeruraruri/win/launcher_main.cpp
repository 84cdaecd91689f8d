// Zeruraruri: the suite's launcher. One skinned window of picture tiles on
// two pages; a click or the keyboard starts the tile's calculator, the tabs
// open the settings, about and donation dialogs.
#include <windows.h>

#include "app_shell.h"
#include "launcher_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  prolexa::zeruraruri::LauncherWindow launcher(instance);
  const HWND main = launcher.Open();
  if (main == nullptr) return 0;
  prolexa::KeyPolicy keys;
  keys.helpOwner = main;
  keys.zoomTarget = main;
  return prolexa::RunMessageLoop(keys);
}
