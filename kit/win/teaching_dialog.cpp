#include "teaching_dialog.h"

#include "control_factory.h"
#include "scoped.h"

namespace prolexa {
namespace {

// What one open dialog owns; it lives on the stack of ShowTeachingDialog for
// as long as the modal loop runs.
struct TeachingDialog {
  HINSTANCE instance;
  const TeachingDialogLook* look;
  GdiBrush white;
  GdiFont emphasis;
};

INT_PTR CALLBACK TeachingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TeachingDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      self = reinterpret_cast<TeachingDialog*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      self->white.Reset(CreateSolidBrush(RGB(255, 255, 255)));
      const TeachingDialogLook& look = *self->look;
      if (!look.emphasisTextIds.empty()) {
        // The template's own font grows with the screen's DPI; this one is
        // given in 96-DPI pixels.
        const DisplayScale scale = WindowScale(dialog);
        self->emphasis.Reset(CreateFontFromDefault(scale(look.emphasisHeight),
                                                   scale(look.emphasisWidth), look.emphasisFace));
        for (int id : look.emphasisTextIds) {
          SendDlgItemMessageW(dialog, id, WM_SETFONT,
                              reinterpret_cast<WPARAM>(self->emphasis.Get()), TRUE);
        }
      }
      return TRUE;
    }
    case WM_PAINT: {
      if (self == nullptr || self->look->pictureId == 0) return FALSE;
      const RECT& r = self->look->picture;
      PaintDC paint(dialog);
      const ScaledDrawing scaled(paint.Dc(), WindowScale(dialog));
      ControlFactory(self->instance, dialog)
          .DrawBitmap(paint.Dc(), self->look->pictureId, r.left, r.top, r.right - r.left,
                      r.bottom - r.top);
      return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return self != nullptr ? reinterpret_cast<INT_PTR>(self->white.Get()) : FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR ShowTeachingDialog(HINSTANCE instance, HWND owner, const TeachingDialogLook& look) {
  // The brush and the font are released when this returns, after the dialog
  // and its controls are gone.
  TeachingDialog dialog{instance, &look, GdiBrush(), GdiFont()};
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(look.templateId), owner, TeachingProc,
                         reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace prolexa
