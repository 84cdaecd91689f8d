#include <windows.h>

#include "radixa_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return prolexa::RunCalculator(instance, prolexa::radixa::Form());
}
