#include <windows.h>

#include "trigona_form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return prolexa::RunCalculator(instance, prolexa::trigona::Form());
}
