// The worked solution as a Czech or Slovak teacher dictates it: one more back
// end of the display list, for a pupil who hears the solution from a screen
// reader. No speech engine reads mathematics in these languages, so the
// lines are written out in words here and the engine only reads words.
//
// A line is read as line_reading.h reads the places and said word by word,
// the words separated by single blanks:
// - "=" "se rovná" ("sa rovná"), "+" "plus", "-" "minus" (so "+-" is "plus
//   minus" and "-16" "minus 16"), "*" "krát", "!" "faktoriál", "PI" (or
//   "pi") "pí";
// - a superscript 2 "na druhou" ("na druhú"), 3 "na třetí" ("na tretiu"),
//   any other k "umocněno na k" ("umocnené na k") after what it is raised
//   after;
// - a root "odmocnina z …, konec odmocniny" ("koniec odmocniny");
// - a fraction "zlomek, v čitateli …, ve jmenovateli …, konec zlomku"
//   ("zlomok, v čitateli …, v menovateli …, koniec zlomku");
// - a number with the decimal comma, so that a voice reads "celá": "62.8"
//   is "62,8" and "3,14" stays; a number written with its power of ten,
//   "1.5e+011", is "1,5 krát 10 umocněno na 11"; a number runs into no
//   letters ("25cm" is "25 cm");
// - anything else as written: names ("x1", "t0"), units ("m/s", "kg"),
//   words of a message, and the parentheses, which hold on to the word
//   inside them ("(25 C minus 10 C)"): a reader then pauses at them or
//   names them as the pupil has set it to.
// A line that draws no main text says nothing and gives no line.
#pragma once

#include <string>
#include <vector>

#include "formula.h"
#include "number_text.h"

namespace prolexa {

// The words of one line's display list, or nothing for a line without text.
std::string SpokenLine(const FormulaLayout& layout, PlacesLanguage language);

// The spoken lines of a solution's display lists, in drawing order.
std::vector<std::string> SpokenSolution(const std::vector<FormulaLayout>& layouts,
                                        PlacesLanguage language);

}  // namespace prolexa
