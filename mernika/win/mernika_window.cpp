#include <windows.h>

#include "mernika_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return prolexa::RunCalculator(instance, prolexa::mernika::Form());
}
