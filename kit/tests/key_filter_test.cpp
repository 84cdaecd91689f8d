#include "key_filter.h"

#include <gtest/gtest.h>

#include <set>

namespace prolexa {
namespace {

constexpr unsigned Drop = ~0u;

struct KeyCase {
  unsigned key;
  KeyField field;
  unsigned expected;  // Drop: the key does not pass
  const char* why;
};

TEST(FilterKey, PassesRewritesOrDrops) {
  const KeyCase cases[] = {
      {'5', KeyField::Number, '5', "a main-row digit"},
      {96, KeyField::Number, 96, "keypad 0"},
      {105, KeyField::Number, 105, "keypad 9"},
      {190, KeyField::Number, 190, "the period"},
      {188, KeyField::Number, 190, "the comma becomes the period"},
      {110, KeyField::Number, 190, "the keypad decimal becomes the period"},
      {8, KeyField::Number, 8, "backspace"},
      {46, KeyField::Number, 46, "delete"},
      {35, KeyField::Number, 35, "end"},
      {36, KeyField::Number, 36, "home"},
      {37, KeyField::Number, 37, "left"},
      {39, KeyField::Number, 39, "right"},
      {38, KeyField::Number, Drop, "up is not an editing key of these fields"},
      {40, KeyField::Number, Drop, "nor is down"},
      {189, KeyField::Number, Drop, "the main-row minus"},
      {109, KeyField::Number, Drop, "the keypad minus"},
      {'A', KeyField::Number, Drop, "a letter"},
      {'V', KeyField::Number, Drop, "the V of a paste shortcut"},
      {17, KeyField::Number, Drop, "control"},
      {32, KeyField::Number, Drop, "space"},
      {'7', KeyField::Digits, '7', "a whole number takes digits"},
      {8, KeyField::Digits, 8, "and editing keys"},
      {190, KeyField::Digits, Drop, "but no decimal point"},
      {188, KeyField::Digits, Drop, "nor a comma that would become one"},
      {109, KeyField::SignedNumber, 109, "the keypad minus gives a sign"},
      {189, KeyField::SignedNumber, Drop, "the main-row minus still does not"},
      {188, KeyField::SignedNumber, 190, "signed fields also turn the comma into a period"},
      {'E', KeyField::SignedNumber, Drop, "letters stay out of signed fields"},
      {'6', KeyField::Rounding, '6', "six places is the most"},
      {'7', KeyField::Rounding, Drop, "seven is beyond the range"},
      {'9', KeyField::Rounding, Drop, "so is nine"},
      {102, KeyField::Rounding, 102, "keypad 6"},
      {103, KeyField::Rounding, Drop, "keypad 7"},
      {105, KeyField::Rounding, Drop, "keypad 9"},
      {188, KeyField::Rounding, 188, "the rounding field rewrites nothing"},
      {'A', KeyField::Rounding, 'A', "its edit refuses letters by itself"},
      {188, KeyField::Other, 188, "other fields rewrite nothing"},
      {'7', KeyField::Other, '7', "and drop nothing"},
  };
  for (const KeyCase& c : cases) {
    const std::optional<unsigned> got = FilterKey(c.key, c.field);
    if (c.expected == Drop) {
      EXPECT_FALSE(got.has_value()) << c.why;
    } else {
      ASSERT_TRUE(got.has_value()) << c.why;
      EXPECT_EQ(*got, c.expected) << c.why;
    }
  }
}

std::set<unsigned> PassingKeys(KeyField field) {
  std::set<unsigned> passing;
  for (unsigned key = 0; key < 256; ++key) {
    if (FilterKey(key, field)) passing.insert(key);
  }
  return passing;
}

TEST(FilterKey, NumberFieldsPassExactlyTheirKeys) {
  std::set<unsigned> number = {8, 35, 36, 37, 39, 46, 110, 188, 190};
  for (unsigned key = 48; key <= 57; ++key) number.insert(key);
  for (unsigned key = 96; key <= 105; ++key) number.insert(key);
  EXPECT_EQ(PassingKeys(KeyField::Number), number);

  std::set<unsigned> signedNumber = number;
  signedNumber.insert(109);
  EXPECT_EQ(PassingKeys(KeyField::SignedNumber), signedNumber);

  const std::set<unsigned> rounding = PassingKeys(KeyField::Rounding);
  EXPECT_EQ(rounding.size(), 256u - 6u) << "only 7, 8, 9 and keypad 7, 8, 9 are dropped";
  EXPECT_EQ(PassingKeys(KeyField::Other).size(), 256u);
}

TEST(FilterKey, RewritesOnlyTheDecimalKeys) {
  for (KeyField field : {KeyField::Number, KeyField::SignedNumber}) {
    for (unsigned key = 0; key < 256; ++key) {
      const std::optional<unsigned> got = FilterKey(key, field);
      if (got && *got != key) {
        EXPECT_TRUE(key == 188 || key == 110) << key;
        EXPECT_EQ(*got, 190u) << key;
      }
    }
  }
}

}  // namespace
}  // namespace prolexa
