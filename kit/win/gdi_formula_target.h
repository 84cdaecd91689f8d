// Draws a display list on a device context in its logical places (which a
// ScaledDrawing makes 96-DPI places): the main texts in a monospaced
// 14-pixel font, each character in its 8-pixel cell, the superscripts in a
// 10-pixel one, root signs and fraction bars with a pen one logical pixel
// wide in the text colour, a figure's lines, arcs and ellipses in their
// colour or the context's current pen, a figure's labels in the controls'
// font. Text goes out in the context's current colour and background mode.
#pragma once

#include <windows.h>

#include "formula.h"
#include "scoped.h"

namespace prolexa {

// The layout counts 8 pixels per character; "Courier New" at a character
// height of 14 pixels (height -14, not the cell height +14, which gives 7)
// advances exactly that, and so does its metric-compatible substitute.
inline constexpr int FormulaMainFontHeight = -14;
inline constexpr int FormulaSmallFontHeight = -10;
// What the small face advances a character at that height.
inline constexpr int FormulaSmallCharWidth = 6;

// A formula font: the default GUI font's attributes with the given height and
// the face "Courier New".
GdiFont CreateFormulaFont(int height);

class GdiFormulaTarget : public FormulaTarget {
 public:
  // Without its own colours every sketch is drawn in the text colour too,
  // as in the system's high-contrast colours.
  explicit GdiFormulaTarget(HDC dc, bool ownColours = true) : dc_(dc), ownColours_(ownColours) {}
  void Draw(const FormulaLayout& layout) override;

 private:
  HDC dc_;
  bool ownColours_;
};

}  // namespace prolexa
