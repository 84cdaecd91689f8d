// Any byte string as a mark-up line: the layout must neither crash nor touch
// memory outside the line, a hidden line must draw nothing, and the right
// edge the layout notes must be where its items end; reading its display list
// back as words must not crash or touch memory outside it either.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formula.h"
#include "spoken_text.h"
#include "utf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::size_t characters = prolexa::CharacterCount(line);
  {
    const prolexa::FormulaLayout layout = prolexa::LayoutFormula(line, 12, 230, "2", 85);
    std::size_t drawn = 0;
    for (const prolexa::TextItem& item : layout.texts) drawn += prolexa::CharacterCount(item.text);
    if (drawn > characters) std::abort();
    if (line.find('%') != std::string_view::npos &&
        (layout.advance != 0 || !layout.texts.empty() || !layout.roots.empty())) {
      std::abort();
    }
    int right = 0;
    for (const auto* items : {&layout.texts, &layout.superscripts}) {
      for (const prolexa::TextItem& t : *items) {
        right = std::max(right, t.x + 8 * static_cast<int>(prolexa::CharacterCount(t.text)));
      }
    }
    for (const prolexa::RootSign& r : layout.roots) right = std::max(right, r.x + r.w + 2);
    for (const prolexa::FractionBar& b : layout.bars) right = std::max({right, b.x1, b.x2});
    if (prolexa::RightEdge(layout) != right) std::abort();
    (void)prolexa::SpokenLine(layout, prolexa::PlacesLanguage::Slovak);
  }
  return 0;
}
