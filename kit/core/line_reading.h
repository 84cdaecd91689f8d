// How a laid-out line reads: its display list read back into the parts,
// roots, superscripts and fractions it was laid out from, left to right.
// Every back end that writes a line as words or characters (the copied text,
// the spoken text) starts from this reading, so that they read the places
// alike.
//
// The reading goes by the items' places, not by the mark-up:
// - A root sign stands 5 pixels left of the blank that stands for its
//   opening mark, on its text's own row; its width gives the blank of the
//   closing mark.
// - A superscript belongs to the character it is raised after, and leads its
//   part when it stands before the first one.
// - A numerator and a denominator are the texts that start at the left end
//   of their bar, above and below it, off the line's row.
// - The row's parts and the fractions follow each other by their left edges.
// - A line that draws no main text reads as nothing.
#pragma once

#include <string>
#include <vector>

#include "formula.h"

namespace prolexa {

// One drawn character of a part and what stands on and after it.
struct ReadCell {
  // A blank that stands for a root's opening or closing mark.
  enum class Mark { None, RootOpen, RootClose };
  std::string character{};  // UTF-8, as drawn
  Mark mark = Mark::None;
  std::vector<std::string> superscripts{};  // raised after it, in drawing order
};

// One drawn text: on the line's row, or a fraction's numerator or denominator.
struct ReadPart {
  std::vector<std::string> lead{};  // superscripts before its first character
  std::vector<ReadCell> cells{};
};

// A piece of the line: a part on the row, or a fraction with its two parts
// (a part the layout did not draw reads as empty).
struct ReadPiece {
  bool fraction = false;
  ReadPart row{};
  ReadPart numerator{};
  ReadPart denominator{};
};

// The pieces of one line's display list from left to right; none for a line
// without text.
std::vector<ReadPiece> ReadLine(const FormulaLayout& layout);

}  // namespace prolexa
