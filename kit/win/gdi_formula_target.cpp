#include "gdi_formula_target.h"

#include <string>
#include <vector>

#include "control_factory.h"
#include "wide.h"

namespace prolexa {
namespace {

// How far below a text's top its baseline lies in the font selected into
// the context, at 96 DPI.
int AscentAt96(HDC dc) {
  const MemoryDC plain(nullptr);
  const ScopedSelectObject font(plain.Dc(), GetCurrentObject(dc, OBJ_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(plain.Dc(), &metrics);
  return metrics.tmAscent;
}

// Draws texts whose places are their top left corners at 96 DPI. They go
// out on their baselines, which the context scales exactly, whereas a
// larger font's own ascent is rounded on its own and would shift the text
// by a pixel or two. Each character is set in its own cell, `cell` logical
// pixels wide, as the layout counts them, for the same reason: the font's
// own advance is rounded differently at another scale, and a long line
// would drift from its marks.
void DrawTexts(HDC dc, const std::vector<TextItem>& items, int cell) {
  const int ascent = AscentAt96(dc);
  const UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT);
  std::vector<INT> advances;
  for (const TextItem& item : items) {
    const std::wstring text = Widen(item.text);
    advances.assign(text.size(), cell);
    ExtTextOutW(dc, item.x, item.y + ascent, 0, nullptr, text.c_str(),
                static_cast<UINT>(text.size()), advances.data());
  }
  SetTextAlign(dc, align);
}

void DrawRootSign(HDC dc, const RootSign& root) {
  const int x = root.x;
  const int y = root.y;
  const POINT points[] = {{x + 3, y - 7},           {x + 7, y - 12},
                          {x + 10, y + 12},         {x + 14, y - 12},
                          {x + root.w + 1, y - 12}, {x + root.w + 1, y - 7}};
  Polyline(dc, points, static_cast<int>(sizeof points / sizeof points[0]));
}

void DrawSketch(HDC dc, const SketchItem& item, bool ownColours) {
  const Box& b = item.box;
  const long c = ownColours ? item.colour : -1;
  // One logical pixel wide: as wide as the scale makes it.
  const GdiPen own(c >= 0 ? CreatePen(PS_SOLID, 1, RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF))
                          : nullptr);
  const ScopedSelectObject pen(dc, own ? static_cast<HGDIOBJ>(own.Get())
                                       : GetCurrentObject(dc, OBJ_PEN));
  switch (item.kind) {
    case SketchItem::Kind::Polyline: {
      std::vector<POINT> corners;
      for (const Point& p : item.points) corners.push_back({p.x, p.y});
      Polyline(dc, corners.data(), static_cast<int>(corners.size()));
      break;
    }
    case SketchItem::Kind::Arc:
      Arc(dc, b.left, b.top, b.right, b.bottom, item.from.x, item.from.y, item.to.x, item.to.y);
      break;
    case SketchItem::Kind::Ellipse: {
      // An outline only: what lies inside the figure stays visible.
      const ScopedSelectObject hollow(dc, GetStockObject(NULL_BRUSH));
      Ellipse(dc, b.left, b.top, b.right, b.bottom);
      break;
    }
    case SketchItem::Kind::Label: {
      // The controls' font at 96 DPI, which the context scales.
      const GdiFont labels(CreateUiFont({}));
      const ScopedSelectObject font(dc, labels.Get());
      const std::wstring text = Widen(item.text);
      const int ascent = AscentAt96(dc);
      const UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT);
      TextOutW(dc, item.at.x, item.at.y + ascent, text.c_str(), static_cast<int>(text.size()));
      SetTextAlign(dc, align);
      break;
    }
  }
}

}  // namespace

GdiFont CreateFormulaFont(int height) {
  return GdiFont(CreateFontFromDefault(height, 0, "Courier New"));
}

void GdiFormulaTarget::Draw(const FormulaLayout& layout) {
  {
    const GdiFont font = CreateFormulaFont(FormulaMainFontHeight);
    const ScopedSelectObject select(dc_, font.Get());
    DrawTexts(dc_, layout.texts, CharWidth);
  }
  const GdiFont font = CreateFormulaFont(FormulaSmallFontHeight);
  const ScopedSelectObject select(dc_, font.Get());
  DrawTexts(dc_, layout.superscripts, FormulaSmallCharWidth);
  // Lines one logical pixel wide, which a scaled context widens with the
  // rest; the stock pen would stay one device pixel thin.
  const GdiPen pen(CreatePen(PS_SOLID, 1, GetTextColor(dc_)));
  const ScopedSelectObject withPen(dc_, pen.Get());
  for (const RootSign& root : layout.roots) DrawRootSign(dc_, root);
  for (const FractionBar& bar : layout.bars) {
    MoveToEx(dc_, bar.x1, bar.y, nullptr);
    LineTo(dc_, bar.x2, bar.y);
  }
  for (const SketchItem& item : layout.sketches) DrawSketch(dc_, item, ownColours_);
}

}  // namespace prolexa
