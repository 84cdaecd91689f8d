#include "heat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace prolexa::zeraz {
namespace {

constexpr int J = 0, kJ = 1, g = 0, kg = 1, t = 2, C = 0, K = 1;

// Texts of T, m, c, t0, t1; units {T, m, t0, t1}.
FormInputs Form(std::vector<std::string> texts, std::vector<int> units = {J, t, C, C},
                bool showUnits = true) {
  texts.resize(5);
  return {texts, units, {showUnits}, 0};
}

TEST(Zeraz, FindsTheMissingQuantity) {
  const struct {
    const char* why;
    FormInputs form;
    int sought;
    std::vector<std::string> lines;
  } cases[] = {
      {"the start values: 150 J, the mass in kg", Form({"150", "", "1", "10", "25"}),
       Mass,
       {"m = |T||c *(t1 - t0)|", "m = |150J||1 * (25C - 10C)|", "m = |150J||1 * 15C|",
        "m = |150J||15|", "m = 10kg"}},
      {"5 kg of water warmed by 10 degrees", Form({"", "5", "4180", "20", "30"}, {J, kg, C, C}),
       Heat,
       {"T = m * c *(t1 - t0)", "T = 5kg * 4180 * (30C - 20C)", "T = 5kg * 4180 * 10C",
        "T = 209000J"}},
      {"the capacity has no unit", Form({"2", "500", "", "0", "1"}, {kJ, g, C, C}), Capacity,
       {"c = |T||m *(t1 - t0)|", "c = |2000J||0.5 * (1C - 0C)|", "c = |2000J||0.5kg * 1C|",
        "c = |2000J||0.5|", "c = 4000"}},
      {"the start temperature, from Kelvin", Form({"3000", "2", "100", "", "300"}, {J, kg, C, K}),
       Start,
       {"t0 = t1 - |T||m * c|", "t0 = 26.85C - |3000J||2kg * 100|", "t0 = 26.85C - |3000J||200|",
        "t0 = 11.85C"}},
      {"the end temperature, units hidden", Form({"300", "3", "10", "20"}, {J, kg, C, C}, false),
       End,
       {"t1 = t0 + |T||m * c|", "t1 = 20 + |300||3 * 10|", "t1 = 20 + |300||30|", "t1 = 30"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.Accepted()) << verdict.refusal->text;
    EXPECT_EQ(verdict.state, c.sought);
    EXPECT_EQ(Draw(c.form, verdict.state, 0).Lines(), c.lines);
  }
}

TEST(Zeraz, RefusesCountsBigNumbersAndZeroDivisors) {
  const struct {
    FormInputs form;
    std::string_view message;
  } cases[] = {
      {Form({"1", "2", "3", "4", "5"}), "Zadali ste všetky údaje. Môžete zadať iba štyri údaje."},
      {Form({"1", "2", "3"}), "Zadali ste tri údaje. Musíte zadať štyri údaje."},
      {Form({"1", "2"}), "Zadali ste dve údaje. Musíte zadať štyri údaje."},
      {Form({"1"}), "Zadali ste jeden údaj. Musíte zadať štyri údaje."},
      {Form({}), "Nezadali ste ani jeden údaj. Musíte zadať štyri údaje."},
      {Form({"", "2000000000", "1", "0", "1"}, {J, t, C, C}), BigNumbersMessage},
      {Form({"", "1000000", "1000000", "0", "10"}, {J, kg, C, C}), BigNumbersMessage},
      {Form({"150", "", "1", "20", "20"}), ZeroDivisorMessage},
      {Form({"150", "", "0", "10", "20"}), ZeroDivisorMessage},
      {Form({"150", "0", "", "10", "20"}), ZeroDivisorMessage},
      {Form({"150", "0", "4", "", "20"}), ZeroDivisorMessage},
      // A divisor or a factor of it that its line writes as 0, whatever
      // lies past the sixth place: t1 - t0 written -0 would give -10000000.
      {Form({"1", "", "1", "10.0000001", "10"}), ZeroDivisorMessage},
      {Form({"1", "", "10000000", "10.0000001", "10"}), ZeroDivisorMessage},
      {Form({"1", "", "0.001", "10", "10.0004"}), ZeroDivisorMessage},
      {Form({"1", "0.0000004", "", "10", "20"}, {J, kg, C, C}), ZeroDivisorMessage},
      {Form({"1", "1", "0.0000004", "", "20"}, {J, kg, C, C}), ZeroDivisorMessage},
  };
  for (const auto& c : cases) {
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.refusal.has_value()) << c.message;
    EXPECT_EQ(*verdict.refusal, ErrorRefusal(c.message));
  }
}

}  // namespace
}  // namespace prolexa::zeraz
