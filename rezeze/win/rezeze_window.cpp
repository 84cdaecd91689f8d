#include <windows.h>

#include "rezeze_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return prolexa::RunCalculator(instance, prolexa::rezeze::Form());
}
