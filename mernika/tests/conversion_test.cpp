#include "conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace prolexa::mernika {
namespace {

constexpr int Lengths = 0, Areas = 1, Volumes = 2, Masses = 3, Power = 4, Force = 5,
              Pressure = 8, Speeds = 9, Data = 10;
enum Length { nm, um, mm, cm, dm, m, km };
enum Area { nm2, um2, mm2, cm2, m2, km2, ar, ha };
enum Volume { nm3, um3, mm3, cm3, m3, km3, ml, cl, dl, l, hl };
enum Mass { g, kg, t };
enum Speed { m_s, m_min, m_h, km_h, km_min, km_s };
enum DataSize { b, B, KB, MB, GB, TB };

constexpr std::string_view kTooBig = "Zadali ste veľké čísla. Zadajte menšie.";

FormInputs Form(int category, std::string value, int from, int to) {
  return {{value, ""}, {category, from, to}, {}, category};
}

TEST(Mernika, ConvertsAndWritesTheLine) {
  const struct {
    FormInputs form;
    std::string line;
  } cases[] = {
      {Form(Lengths, "5", mm, m), "5mm = 0.005m"},
      {Form(Lengths, "2.5", km, m), "2.5km = 2500m"},
      {Form(Lengths, "1", nm, km), "1nm = 1.000000e-012km"},
      {Form(Lengths, "0", cm, m), "0cm = 0.000000e+000m"},
      {Form(Pressure, "3", 0, 1), "3mPa = 0.003Pa"},
      {Form(Power, "2", 4, 0), "2GW = 2.000000e+012mW"},
      {Form(Lengths, "007.250", mm, mm), "7.25mm = 7.25mm"},
      // The left side is the number as typed, the right one as computed.
      {Form(Lengths, "1.0000001", m, m), "1.0000001m = 1m"},
      {Form(Lengths, "123.4567891", m, m), "123.4567891m = 123.456789m"},
      {Form(Lengths, "0.0000004", m, m), "0.0000004m = 4.000000e-007m"},
      {Form(Lengths, "3.", mm, mm), "3mm = 3mm"},
      {Form(Lengths, ".5", km, m), "0.5km = 500m"},
      {Form(Lengths, "2.50.7", m, mm), "2.5m = 2500mm"},  // read up to the second point
      {Form(Lengths, "999999999999.999", m, km), "999999999999.999m = 999999999.999999km"},
      {Form(Lengths, "10000000000000", km, um), "10000000000000km = 1.000000e+022um"},
      {Form(Lengths, "1000000000000", km, m), "1000000000000km = 1.000000e+015m"},
      {Form(Lengths, "9999999999999999999", m, m),
       "9999999999999999999m = 1.000000e+019m"},  // the digits as typed
      // The pupil's relations come out exactly: a factor a bit off shows in
      // the last digit of a large result or moves 0.00001 into the "%e" form.
      {Form(Areas, "1", ha, m2), "1ha = 10000m2"},
      {Form(Areas, "1", m2, ha), "1m2 = 0.0001ha"},
      {Form(Areas, "0.005", mm2, nm2), "0.005mm2 = 5000000000nm2"},
      {Form(Areas, "1000", um2, cm2), "1000um2 = 0.00001cm2"},
      {Form(Volumes, "1", l, cm3), "1l = 1000cm3"},
      {Form(Volumes, "1", cm3, ml), "1cm3 = 1ml"},
      {Form(Volumes, "2", um3, nm3), "2um3 = 2000000000nm3"},
      {Form(Volumes, "1", ml, hl), "1ml = 0.00001hl"},
      {Form(Masses, "1", t, g), "1t = 1000000g"},
      {Form(Masses, "2500", g, kg), "2500g = 2.5kg"},
      {Form(Speeds, "3.6", km_h, m_s), "3.6km/h = 1m/s"},
      {Form(Speeds, "1", km_h, m_s), "1km/h = 0.277778m/s"},
      {Form(Speeds, "0.6", m_h, km_min), "0.6m/h = 0.00001km/min"},
      {Form(Data, "1", KB, b), "1KB = 8192b"},
      {Form(Data, "1", TB, GB), "1TB = 1024GB"},
      // The limits: the larger unit is told by the sizes, not by the list
      // order, which the areas, volumes and speeds do not keep.
      {Form(Areas, "999999999999.999", ha, km2), "999999999999.999ha = 1.000000e+010km2"},
      {Form(Areas, "0.01", km2, nm2), "0.01km2 = 1.000000e+022nm2"},
      {Form(Volumes, "10000000", km3, ml), "10000000km3 = 1.000000e+022ml"},
      {Form(Masses, "10000000000000000", t, g), "10000000000000000t = 1.000000e+022g"},
      {Form(Speeds, "1000000000000", m_s, m_h), "1000000000000m/s = 3.600000e+015m/h"},
      {Form(Data, "1136868377", TB, b), "1136868377TB = 1.000000e+022b"},
      // A position the list does not have reads as its first entry.
      {Form(Masses, "1", 7, -1), "1g = 1g"},
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
      {Form(Masses, "", g, g), "Nezadali ste žiadnu hodnotu."},
      {Form(Lengths, "", m, km), "Nezadali ste žiadnu hodnotu."},
      {Form(Lengths, "1000000000000", m, km), kTooBig},
      {Form(Lengths, "10000000000001", km, um), kTooBig},
      {Form(Lengths, "-7e700", km, m), kTooBig},
      // Towards a larger unit: the value itself is bounded.
      {Form(Areas, "1000000000000", ha, km2), kTooBig},
      {Form(Volumes, "1000000000000", hl, m3), kTooBig},
      {Form(Masses, "1000000000000", g, kg), kTooBig},
      {Form(Speeds, "1000000000000", km_h, m_s), kTooBig},
      {Form(Data, "1000000000000", b, B), kTooBig},
      // Towards a smaller unit: the result stays at or below 10^22.
      {Form(Areas, "0.011", km2, nm2), kTooBig},
      {Form(Volumes, "10000001", km3, ml), kTooBig},
      {Form(Masses, "10000000000000100", t, g), kTooBig},
      {Form(Speeds, "2800000000000000000", m_s, m_h), kTooBig},
      {Form(Data, "1136868378", TB, b), kTooBig},
  };
  for (const auto& c : cases) {
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.refusal.has_value()) << c.message;
    EXPECT_EQ(*verdict.refusal, ErrorRefusal(c.message));
  }
}

TEST(Mernika, FactorsFollowThePhysicalSizes) {
  EXPECT_DOUBLE_EQ(ConversionFactor(Lengths, km, nm), 1e12) << "a kilometre is 10^12 nanometres";
  EXPECT_DOUBLE_EQ(ConversionFactor(Lengths, um, mm), 0.001);
  EXPECT_DOUBLE_EQ(ConversionFactor(Force, 4, 1), 1e9) << "a giganewton is 10^9 newtons";
  // Exactly the doubles nearest the true ratios, not products of rounded sizes.
  EXPECT_EQ(ConversionFactor(Areas, nm2, m2), 1e-18);
  EXPECT_EQ(ConversionFactor(Volumes, km3, nm3), 1e36);
  EXPECT_EQ(ConversionFactor(Speeds, m_min, km_h), 0.06);
  EXPECT_EQ(ConversionFactor(Data, TB, b), 8796093022208.0) << "8 * 1024^4";
  EXPECT_EQ(ConversionFactor(Lengths, m, 7), ConversionFactor(Lengths, m, nm)) << "no such unit";
  EXPECT_EQ(Symbol("Kilometer štvorcový km2"), "km2");
  EXPECT_EQ(Symbol("km/min"), "km/min");
  EXPECT_EQ(CategoryAt(Power).units[0], "Miliwatt mW");
}

}  // namespace
}  // namespace prolexa::mernika
