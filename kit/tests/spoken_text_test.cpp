#include "spoken_text.h"

#include <gtest/gtest.h>

namespace prolexa {
namespace {

TEST(SpokenLine, SaysEachConstructAsATeacherDictatesIt) {
  const struct {
    const char* markup;
    const char* superscript;
    const char* czech;
    const char* slovak;
  } cases[] = {
      // Equals, minus and the square.
      {"a^ = c^ - b^", "2", "a na druhou se rovná c na druhou minus b na druhou",
       "a na druhú sa rovná c na druhú minus b na druhú"},
      // Plus minus, times, a negative number; a number runs into no letters.
      {"x = -b +- 4 * -1 * 2a", "2",
       "x se rovná minus b plus minus 4 krát minus 1 krát 2 a",
       "x sa rovná minus b plus minus 4 krát minus 1 krát 2 a"},
      // The cube, after a unit as written.
      {"V = 2^m = 8m^", "3", "V se rovná 2 na třetí m se rovná 8 m na třetí",
       "V sa rovná 2 na tretiu m sa rovná 8 m na tretiu"},
      // Any other power, itself said in words.
      {"n^ = 5^", "-k", "n umocněno na minus k se rovná 5 umocněno na minus k",
       "n umocnené na minus k sa rovná 5 umocnené na minus k"},
      {"a = @25cm - 9cm@", "2", "a se rovná odmocnina z 25 cm minus 9 cm, konec odmocniny",
       "a sa rovná odmocnina z 25 cm minus 9 cm, koniec odmocniny"},
      // A root inside a numerator; names with their indices as written.
      {"x1/2 = | -b +- @-D@||2a|", "2",
       "x1/2 se rovná zlomek, v čitateli minus b plus minus odmocnina z minus D, konec "
       "odmocniny, ve jmenovateli 2 a, konec zlomku",
       "x1/2 sa rovná zlomok, v čitateli minus b plus minus odmocnina z minus D, koniec "
       "odmocniny, v menovateli 2 a, koniec zlomku"},
      // Factorials; parentheses hold on to the words inside them.
      {"|n!||(n - k)!k!| = 10", "2",
       "zlomek, v čitateli n faktoriál, ve jmenovateli (n minus k) faktoriál k faktoriál, "
       "konec zlomku se rovná 10",
       "zlomok, v čitateli n faktoriál, v menovateli (n minus k) faktoriál k faktoriál, "
       "koniec zlomku sa rovná 10"},
      {"S = 2 * PI * r * (r + pi)", "2", "S se rovná 2 krát pí krát r krát (r plus pí)",
       "S sa rovná 2 krát pí krát r krát (r plus pí)"},
      // The decimal comma, for a point or a comma as written.
      {"o = 2 * 3,14 * 10cm = 62.8cm", "2", "o se rovná 2 krát 3,14 krát 10 cm se rovná 62,8 cm",
       "o sa rovná 2 krát 3,14 krát 10 cm sa rovná 62,8 cm"},
      // A power of ten as the numbers' long form writes it.
      {"1nm = 1.000000e-012km = 1.5e+002", "2",
       "1 nm se rovná 1,000000 krát 10 umocněno na minus 12 km se rovná 1,5 krát 10 na druhou",
       "1 nm sa rovná 1,000000 krát 10 umocnené na minus 12 km sa rovná 1,5 krát 10 na druhú"},
      // A message's words and full stop as written; a unit's slash kept.
      {"Rychlost je 6m/s.", "2", "Rychlost je 6 m/s.", "Rychlost je 6 m/s."},
      {"%a = 1", "2", "", ""},
  };
  for (const auto& c : cases) {
    const FormulaLayout layout = LayoutFormula(c.markup, 12, 230, c.superscript, 85);
    EXPECT_EQ(SpokenLine(layout, PlacesLanguage::Czech), c.czech) << c.markup;
    EXPECT_EQ(SpokenLine(layout, PlacesLanguage::Slovak), c.slovak) << c.markup;
  }
}

}  // namespace
}  // namespace prolexa
