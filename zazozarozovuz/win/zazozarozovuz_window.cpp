#include <windows.h>

#include "zazozarozovuz_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return prolexa::RunCalculator(instance, prolexa::zazozarozovuz::Form());
}
