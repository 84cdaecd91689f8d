#include "counting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "written_steps.h"

namespace prolexa::zazozarozovuz {
namespace {

using test::Written;

FormInputs Form(int option, std::string n, std::string k) { return {{n, k}, {}, {}, option}; }

TEST(Zazozarozovuz, CountsAndWritesTheLine) {
  const struct {
    const char* why;
    FormInputs form;
    std::vector<std::string> lines;
  } cases[] = {
      {"variations of 3 out of 5", Form(Variations, "5", "3"),
       {"|n!||(n - k)!| = |5!||(5 - 3)!| = |5!||2!| = 60"}},
      {"with repetition, k raised as typed", Form(VariationsRepeated, "5", "3"),
       {"^3", "n^ = 5^ = 125"}},
      {"combinations", Form(Combinations, "5", "3"),
       {"|n!||(n - k)!k!| = |5!||(5 - 3)!3!| = |5!||2!3!| = 10"}},
      {"combinations with repetition, by their own formula", Form(CombinationsRepeated, "5", "3"),
       {"|(n + k - 1)!||(n - 1)!k!| = |(5 + 3 - 1)!||(5 - 1)!3!| = |7!||4!3!| = 35"}},
      {"k above n with repetition", Form(VariationsRepeated, "2", "3"), {"^3", "n^ = 2^ = 8"}},
      {"k above n, combinations with repetition", Form(CombinationsRepeated, "2", "3"),
       {"|(n + k - 1)!||(n - 1)!k!| = |(2 + 3 - 1)!||(2 - 1)!3!| = |4!||1!3!| = 4"}},
      {"k = 0", Form(Variations, "7", "0"), {"|n!||(n - k)!| = |7!||(7 - 0)!| = |7!||7!| = 1"}},
      {"0 to the power 0", Form(VariationsRepeated, "0", "0"), {"^0", "n^ = 0^ = 1"}},
      {"n = 0 with repetition", Form(VariationsRepeated, "0", "4"), {"^4", "n^ = 0^ = 0"}},
      {"2^56 itself", Form(VariationsRepeated, "256", "7"),
       {"^7", "n^ = 256^ = 72057594037927936"}},
      {"past 2^31, whole", Form(VariationsRepeated, "10", "10"),
       {"^10", "n^ = 10^ = 10000000000"}},
      {"the largest variation", Form(Variations, "999", "5"),
       {"|n!||(n - k)!| = |999!||(999 - 5)!| = |999!||994!| = 985084775273880"}},
      {"a count of 10^12 and more, whole", Form(CombinationsRepeated, "999", "5"),
       {"|(n + k - 1)!||(n - 1)!k!| = |(999 + 5 - 1)!||(999 - 1)!5!| = |1003!||998!5!| = "
        "8375041624950"}},
      {"combinations of 10 out of 40", Form(Combinations, "40", "10"),
       {"|n!||(n - k)!k!| = |40!||(40 - 10)!10!| = |40!||30!10!| = 847660528"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.Accepted()) << verdict.refusal->text;
    EXPECT_EQ(Written(Draw(c.form, 0, 2)), c.lines);
  }
}

TEST(Zazozarozovuz, RefusesInOrder) {
  const std::string big = "Zadali jste velké číslá. Zadejte menší.";
  const struct {
    FormInputs form;
    std::string message;
  } cases[] = {
      {Form(Variations, "", "3"), "Zadejte hodnotu n."},
      {Form(Variations, "5", ""), "Zadejte hodnotu k."},
      {Form(Combinations, "", ""), "Zadejte hodnotu n a hodnotu k."},
      {Form(Variations, "2", "3"), "Hodnota k může být menší anebo rovná hodnote n."},
      {Form(Combinations, "2", "3"), "Hodnota k může být menší anebo rovná hodnote n."},
      {Form(CombinationsRepeated, "0", "3"), "Hodnota n musí být větší než 0."},
      {Form(VariationsRepeated, "256", "8"), big},
      {Form(Variations, "999", "6"), big},
      {Form(Combinations, "60", "10"), big},
      {Form(Combinations, "99", "19"), big},
      {Form(CombinationsRepeated, "20", "19"), big},
  };
  for (const auto& c : cases) {
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.refusal.has_value()) << c.message;
    EXPECT_EQ(*verdict.refusal, ErrorRefusal(c.message));
  }
}

TEST(FallingProduct, StopsAtTheLimitWithoutOverflow) {
  EXPECT_EQ(FallingProduct(2, 5), 60);
  EXPECT_EQ(FallingProduct(5, 5), 1) << "an empty product";
  EXPECT_EQ(FallingProduct(-1, 3), 0) << "a factor 0";
  EXPECT_EQ(FallingProduct(0, 18), 6402373705728000) << "18! is under 2^56";
  EXPECT_EQ(FallingProduct(0, 19), 0) << "19! is not";
  EXPECT_EQ(FallingProduct(900000000, 900000010), 0) << "would overflow 64 bits";
}

}  // namespace
}  // namespace prolexa::zazozarozovuz
