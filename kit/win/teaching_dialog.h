// The modal "Výuka" dialog of a calculator: a resource template of static
// texts on white, with an optional picture and an optional text set in a
// font of its own (the statement of a theorem).
#pragma once

#include <windows.h>

#include <vector>

#include "../res/calculator_resources.h"

namespace prolexa {

struct TeachingDialogLook {
  int templateId = IDD_TEACHING;
  int pictureId = 0;  // no picture when 0
  RECT picture{};     // where the picture is copied, in client pixels at 96 DPI
  // Texts set in a font of their own (the statement of a theorem,
  // headings); none when empty.
  std::vector<int> emphasisTextIds{};
  int emphasisHeight = 0;
  int emphasisWidth = 0;
  const char* emphasisFace = "";
};

// Shows the dialog owned by `owner` until it is closed with its close box or
// Esc; returns the dialog's result (2).
INT_PTR ShowTeachingDialog(HINSTANCE instance, HWND owner, const TeachingDialogLook& look);

}  // namespace prolexa
