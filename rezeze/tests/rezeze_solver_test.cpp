#include "rezeze_solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "written_steps.h"

namespace prolexa::rezeze {
namespace {

using test::Written;

constexpr int mm = 0, cm = 1, m = 3;

// An exercise with the texts of rows 1 to 4, every row's unit (all "m"
// unless given) and the show-units box.
FormInputs Form(int exercise, std::vector<std::string> texts, std::vector<int> units = {},
                bool showUnits = true) {
  texts.resize(RowCount);
  units.resize(RowCount, m);
  return {texts, units, {showUnits}, exercise};
}

struct SolutionCase {
  const char* why;
  FormInputs form;
  int places;
  std::vector<std::string> lines;
};

TEST(Rezeze, DrawsTheWorkedSolutions) {
  const SolutionCase cases[] = {
      {"square perimeter", Form(0, {"5"}), 2, {"o = 4 * a", "o = 4 * 5m", "o = 20m"}},
      {"a side in cm, the result in m", Form(0, {"5"}, {cm, m}), 2,
       {"o = 4 * a", "o = 4 * 0.05m", "o = 0.2m"}},
      {"without units a square stays a square", Form(1, {"3"}, {}, false), 2,
       {"S = a^", "S = 3^", "S = 9"}},
      {"rectangle perimeter", Form(2, {"2", "3.5"}), 2,
       {"o = 2(a + b)", "o = 2(2m + 3.5m)", "o = 2 * 5.5m", "o = 11m"}},
      {"circle perimeter from the diameter", Form(4, {"", "2"}), 2,
       {"o = PI * d", "o = 3,14 * 2m", "o = 6.29m"}},
      {"circle area from the radius", Form(5, {"2"}), 2,
       {"S = PI * r^", "S = 3,14 * 2^m", "S = 3.14 * 4m", "S = 12.56m^"}},
      {"triangle area names the base z", Form(7, {"4", "3"}), 2,
       {"S = |z * v||2|", "S = |4m * 3m||2|", "S = |12m||2|", "S = 6m^"}},
      {"trapezium perimeter with every field empty: zeros", Form(8, {}), 2,
       {"o = a + b + c + d", "o = 0m + 0m + 0m + 0m", "o = 0m"}},
      {"trapezium area: the mean of the bases times the height", Form(9, {"2", "5", "3"}), 2,
       {"S = |z1 + z2||2| * v", "S = |2m + 5m||2| * 3m", "S = |7m||2| * 3m", "S = 3.5m * 3m",
        "S = 10.5m^"}},
      {"cube volume: a superscript 3 from the first line", Form(11, {"2"}), 2,
       {"^3", "V = a^", "V = 2^m", "V = 8m^"}},
      {"prism volume: only the result's unit takes the 3", Form(13, {"1", "2", "3"}), 2,
       {"V = a * b * c", "V = 1m * 2m * 3m", "^3", "V = 6m^"}},
      {"cylinder volume from the diameter", Form(15, {"", "2", "3"}), 2,
       {"V = |PI * d^||4| * v", "V = |3,14 * 2^m||4| * 3m", "^3", "V = 9.42m^"}},
      {"pyramid surface keeps six places and the plain unit", Form(16, {"1", "1"}), 0,
       {"S = a^ + 2a * s", "S = 1^m + 2 * 1m * 1m", "S = 1m + 2m", "S = 3m"}},
      {"cone volume from the diameter", Form(19, {"", "2", "3"}), 2,
       {"V = |1||12| * PI * d^ * v", "V = |1||12| * 3,14 * 2^m * 3m",
        "V = |1||12| * 3,14 * 4m * 3m", "V = |1||12| * 37.68m", "^3", "V = 3.14m^"}},
      {"sphere volume from the radius", Form(21, {"3"}), 2,
       {"^3", "V = |4||3| * PI * r^", "V = |4||3| * 3,14 * 3^m", "V = |4||3| * 3,14 * 27m",
        "V = 113.04m^"}},
      {"and from the diameter", Form(21, {"", "6"}), 2,
       {"^3", "V = |4||3| * PI * |d^||2^|", "V = |4||3| * 3,14 * |6^||2^|m",
        "V = |4||3| * 3,14 * 27m", "V = 113.04m^"}},
  };
  for (const SolutionCase& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.Accepted()) << verdict.refusal->text;
    const DrawSteps steps = Draw(c.form, verdict.state, c.places);
    ASSERT_FALSE(steps.Steps().empty());
    EXPECT_EQ(steps.Steps()[0].x, 12);
    EXPECT_EQ(steps.Steps()[0].y, 240);
    EXPECT_EQ(Written(steps), c.lines);
  }
}

TEST(Rezeze, RefusesWithTheFirstMessageThatApplies) {
  const struct {
    const char* why;
    FormInputs form;
    std::string_view message;
  } cases[] = {
      {"no side", Form(0, {}), "Musíte zadat stranu čtverce a."},
      {"at the limit in m", Form(0, {"250000000000"}), BigNumbersMessage},
      {"2e11 m in mm is above the limit", Form(0, {"200000000000"}, {m, mm}), BigNumbersMessage},
      {"both sides missing", Form(3, {}), "Musíte zadat obě strany obdelníka."},
      {"radius and diameter", Form(5, {"1", "2"}), "Můžete zadat jen jednu hodnotu. Poloměr r anebo průměr d."},
      {"only c", Form(6, {"", "", "3"}), "Musíte zadat stranu a a stranu b."},
      {"only b", Form(6, {"", "3"}), "Musíte zadat stranu a a stranu c."},
      {"the product, not the sum", Form(6, {"10001", "10001", "10001"}), BigNumbersMessage},
      {"the trapezium's numbers are checked too", Form(9, {"999999999999", "999999999999", "9"}),
       BigNumbersMessage},
      {"prism: nothing", Form(12, {}), "Musíte zadat všechny tri strany hranolu."},
      {"cylinder: everything missing", Form(14, {}), "Musíte zadat poloměr r anebo průměr d a výšku v."},
      {"cylinder: r and d without v", Form(15, {"1", "2"}),
       "Môžete zadat poloměr r anebo průměr d a musíte zadať výšku v válce."},
      {"cylinder base area in Slovak", Form(15, {"", "1200000", "1"}), SlovakBigNumbersMessage},
      {"pyramid with only its height", Form(17, {"", "2"}), "Musíte zadať stranu a."},
      {"cone: r, d and the height", Form(19, {"1", "2", "3"}),
       "Môžete zadať iba jeden hodnotu. Polomer r alebo priemer d."},
      {"a cone surface that no limit checks is still written whole",
       Form(18, {"99999999999999", "", "1"}), BigNumbersMessage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.refusal.has_value());
    EXPECT_EQ(*verdict.refusal, ErrorRefusal(c.message));
  }
  EXPECT_TRUE(Compute(Core, Form(21, {"", "1"})).Accepted()) << "a sphere of diameter 1";
}

TEST(Rezeze, ConvertsBothWaysAtTheLimit) {
  // 999999999 mm is 999999.999 m; 249999999.999 m in mm keeps 4·a just
  // under the limit, 250000000 m reaches past it.
  EXPECT_EQ(Written(Draw(Form(0, {"999999999"}, {mm, m}), 0, 3))[2], "o = 3999999.996m");
  EXPECT_TRUE(Compute(Core, Form(0, {"249999999.999"}, {m, mm})).Accepted());
  EXPECT_FALSE(Compute(Core, Form(0, {"250000000"}, {m, mm})).Accepted());
}

TEST(Rezeze, TheCatalogueGivesEveryExerciseItsRowsAndSketch) {
  for (int i = 0; i < ExerciseCount; ++i) {
    const Exercise& e = ExerciseAt(i);
    EXPECT_GE(e.Rows(), 2) << i;
    EXPECT_EQ(e.ResultUnits().count, 4) << i;
    EXPECT_FALSE(DrawShapeSketch(i).Steps().empty()) << i;
  }
  EXPECT_EQ(ExerciseAt(8).Rows(), 5) << "only the trapezium's perimeter uses row 5";
  EXPECT_EQ(ExerciseAt(13).ResultUnits().entries[3], "m3");
  EXPECT_EQ(PreviousExercise(0), 21);
  EXPECT_EQ(NextExercise(21), 0);
  EXPECT_TRUE(DrawShapeSketch(22).Steps().empty());
}

}  // namespace
}  // namespace prolexa::rezeze
