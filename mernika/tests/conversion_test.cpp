#include "conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace prolexa::mernika {
namespace {

constexpr int nm = 0, um = 1, mm = 2, cm = 3, m = 5, km = 6;

FormInputs Form(int category, std::string value, int from, int to) {
  return {{value, ""}, {category, from, to}, {}, category};
}

TEST(Mernika, ConvertsAndWritesTheLine) {
  const struct {
    FormInputs form;
    std::string line;
  } cases[] = {
      {Form(0, "5", mm, m), "5mm = 0.005m"},
      {Form(0, "2.5", km, m), "2.5km = 2500m"},
      {Form(0, "1", nm, km), "1nm = 1.000000e-012km"},
      {Form(0, "0", cm, m), "0cm = 0.000000e+000m"},
      {Form(8, "3", 0, 1), "3mPa = 0.003Pa"},
      {Form(4, "2", 4, 0), "2GW = 2.000000e+012mW"},
      {Form(0, "007.250", mm, mm), "7.25mm = 7.25mm"},
      {Form(0, "1.0000001", m, m), "1.000001m = 1m"},  // rounded up, then written "%f"
      {Form(0, "999999999999.999", m, km), "999999999999.999m = 999999999.999999km"},
      {Form(0, "10000000000000", km, um), "10000000000000km = 1.000000e+022um"},
      {Form(0, "1000000000000", km, m), "1000000000000km = 1.000000e+015m"},
      {Form(0, "9999999999999999999", m, m),
       "9999999999999999999m = 1.000000e+019m"},  // the digits as typed
  };
  for (const auto& c : cases) {
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.Accepted()) << c.line << ": " << verdict.refusal->text;
    const auto lines = Draw(c.form, 0, 0).Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], c.line);
  }
}

TEST(Mernika, RefusesInOrder) {
  const struct {
    FormInputs form;
    std::string_view message;
  } cases[] = {
      {Form(3, "", 0, 0), "Nezadali ste žiadnu hodnotu."},
      {Form(0, "", m, km), "Nezadali ste žiadnu hodnotu."},
      {Form(3, "1", 0, 0), NotInThisVersion},
      {Form(1, "1", 0, 1), NotInThisVersion},
      {Form(2, "1", 0, 1), NotInThisVersion},
      {Form(9, "1", 0, 1), NotInThisVersion},
      {Form(10, "1", 0, 1), NotInThisVersion},
      {Form(0, "1000000000000", m, km), "Zadali ste veľké čísla. Zadajte menšie."},
      {Form(0, "10000000000001", km, um), "Zadali ste veľké čísla. Zadajte menšie."},
      {Form(0, "-7e700", km, m), "Zadali ste veľké čísla. Zadajte menšie."},
  };
  for (const auto& c : cases) {
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.refusal.has_value()) << c.message;
    EXPECT_EQ(*verdict.refusal, ErrorRefusal(c.message));
  }
}

TEST(Mernika, FactorsFollowThePhysicalSizes) {
  EXPECT_DOUBLE_EQ(ConversionFactor(0, km, nm), 1e12) << "a kilometre is 10^12 nanometres";
  EXPECT_DOUBLE_EQ(ConversionFactor(0, um, mm), 0.001);
  EXPECT_DOUBLE_EQ(ConversionFactor(5, 4, 1), 1e9) << "a giganewton is 10^9 newtons";
  EXPECT_EQ(ConversionFactor(0, m, 7), -1) << "no such unit";
  EXPECT_EQ(Symbol("Kilometer štvorcový km2"), "km2");
  EXPECT_EQ(Symbol("km/min"), "km/min");
  EXPECT_EQ(CategoryAt(4).units[0], "Miliwatt mW");
}

}  // namespace
}  // namespace prolexa::mernika
