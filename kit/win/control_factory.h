// Creation of the suite's controls with its standard styles, and the drawing
// of bitmaps, the hover picture and the title banner of a main window.
//
// A factory holds only the instance (source of the bitmap resources) and the
// parent window of the controls it creates; make one on the stack wherever
// it is needed. Controls get no identifiers: the programs keep the returned
// handles and recognise WM_COMMAND by the sender's handle. Every creation
// returns null when the window cannot be created.
#pragma once

#include <windows.h>

#include <string_view>

#include "display_scale.h"
#include "number_text.h"
#include "scoped.h"
#include "units.h"

namespace prolexa {

// The maker's web address drawn under every calculator's footer band.
inline constexpr std::string_view MakerAddress = "tolvek.cz";
static_assert(MakerAddress.size() == 9, "the banner draws nine characters");

// A font with the stock default GUI font's attributes but the given height
// (0: the default font's own), width (0: the face's own) and face (empty:
// the default font's own). The caller deletes it (or hands it to a
// GdiFont).
HFONT CreateFontFromDefault(int height, int width, std::string_view face);

// The font of the suite's controls at a screen's scale: the default GUI
// font's face at 8 points (11 pixels high at 96 DPI).
inline constexpr int UiFontHeight = -11;
HFONT CreateUiFont(DisplayScale scale);

// A picture resource of the program, or null when it has none of that
// number.
GdiBitmap LoadArt(HINSTANCE instance, int resourceId);

// What TrackHover drew, if anything.
enum class HoverDrawn { Nothing, Normal, Hover };

class ControlFactory {
 public:
  ControlFactory(HINSTANCE instance, HWND parent, DisplayScale scale = {})
      : instance_(instance), parent_(parent), scale_(scale) {}

  HWND CreateLabel(std::string_view text, int x, int y, int w, int h) const;
  HWND CreateEdit(std::string_view text, int x, int y, int w, int h) const;
  // An edit that refuses every character but digits by itself.
  HWND CreateNumberEdit(std::string_view text, int x, int y, int w, int h) const;
  HWND CreateButton(std::string_view text, int x, int y, int w, int h) const;
  // A push button its parent draws (WM_DRAWITEM); its text names it.
  HWND CreateDrawnButton(std::string_view text, int x, int y, int w, int h) const;
  HWND CreateCheckBox(std::string_view text, int x, int y, int w, int h) const;
  HWND CreateRadioButton(std::string_view text, int x, int y, int w, int h) const;
  // h includes the dropped-down list.
  HWND CreateDropList(int x, int y, int w, int h) const;
  // An up-down control bound to `buddy`: it places itself at the buddy's
  // right edge and writes its position as the buddy's text. The handle (null
  // on failure) goes to *out.
  void CreateSpinner(HWND* out, HWND buddy, int low, int high, int position) const;

  // The stock default GUI font on each control.
  void ApplyDefaultFont(const HWND* controls, int count) const;
  // limits[i] characters for edits[i].
  void LimitTexts(const HWND* edits, int count, const int* limits) const;
  // Fills combos[first] .. combos[first + n - 1] with the same entries and
  // selects selections[i] in combos[i]; a selection outside the list leaves
  // that combo without selection (the stored value may be anything).
  void FillCombos(const HWND* combos, int first, int n, UnitList entries,
                  const DWORD* selections) const;

  // The drawing functions take the context's logical places, which a
  // ScaledDrawing makes 96-DPI places on a screen of any DPI: a picture then
  // comes from its double-size version where the device is more than a
  // quarter larger (and the program has one), stretched smoothly to the
  // device pixels it covers.
  //
  // Copies the top-left w x h pixels of a bitmap resource to (x, y).
  void DrawBitmap(HDC dc, int resourceId, int x, int y, int w, int h) const;
  // Stretches a band picture one pixel wide and h high across every x from
  // xFrom up to (not including) xTo at row y: one narrow bitmap fills any
  // width.
  void DrawBand(HDC dc, int resourceId, int xFrom, int xTo, int y, int h) const;
  // Swaps the normal and the hover picture as the mouse enters or leaves
  // `region`, drawing on the parent window at the factory's scale; the
  // places and the mouse are 96-DPI places. The flags belong to the program;
  // they start with hoverShown true and normalShown false, so that the first
  // move outside the picture draws the normal one and a first move inside
  // draws nothing (the paint handler has just drawn the normal one).
  HoverDrawn TrackHover(const RECT& region, POINT mouse, bool& normalShown, bool& hoverShown,
                        int normalId, int hoverId, int x, int y, int w, int h) const;
  // Sets a transparent background on dc (it stays so for the rest of the
  // paint), then draws MakerAddress at (addressX, addressY) and the first
  // titleLength characters of the title large and italic at (titleX, 0).
  void DrawTitleBanner(HDC dc, std::string_view title, int titleX, int titleLength,
                       int addressX, int addressY) const;

  HINSTANCE Instance() const { return instance_; }
  HWND Parent() const { return parent_; }

 private:
  HWND CreateControl(DWORD exStyle, const wchar_t* className, std::string_view text,
                     DWORD style, int x, int y, int w, int h) const;

  HINSTANCE instance_;
  HWND parent_;
  DisplayScale scale_;
};

// The selector of decimal places shared by the calculators: a label, a
// one-digit number edit with an up-down control (0 to 6) and a label with the
// places word, kept up to date by UpdatePlacesLabel.
inline constexpr int MaxPlaces = 6;

struct ControlPlace {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// The up-down control needs no place: it attaches itself to the edit.
struct RoundingSelectorPlace {
  ControlPlace label;
  ControlPlace edit;
  ControlPlace places;
};

struct RoundingSelector {
  HWND label = nullptr;
  HWND edit = nullptr;
  HWND spinner = nullptr;
  HWND places = nullptr;
};

// "Zaokrouhlit na:" or "Zaokruhliť na:".
std::string_view RoundingLabelText(PlacesLanguage language);

// The pieces, for programs whose creation order puts other controls between
// them. The edit is empty and limited to one character; the places label
// starts with the word for 2 to 4 places until UpdatePlacesLabel runs.
HWND CreateRoundingLabel(const ControlFactory& factory, const ControlPlace& place,
                         PlacesLanguage language);
HWND CreateRoundingEdit(const ControlFactory& factory, const ControlPlace& place);
HWND CreatePlacesLabel(const ControlFactory& factory, const ControlPlace& place,
                       PlacesLanguage language);
// Range 0 to 6 at the stored position; null on failure.
HWND CreateRoundingSpinner(const ControlFactory& factory, HWND edit, int position);

// All of it in one go: label, edit, places label, spinner, the default font on
// all but the spinner, and the places word for the position. False at the
// first control that cannot be created (`out` then holds those made so far).
bool CreateRoundingSelector(const ControlFactory& factory, RoundingSelector& out,
                            const RoundingSelectorPlace& place, int position,
                            PlacesLanguage language);

// Puts the places word for the edit's digit into the label; an empty edit
// leaves the label as it is.
void UpdatePlacesLabel(HWND edit, HWND label, PlacesLanguage language);

// The up-down control's position, or `fallback` when it reports an error
// (its buddy's text is not a number in its range).
int SpinnerPosition(HWND spinner, int fallback);

}  // namespace prolexa
