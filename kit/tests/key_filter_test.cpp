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

TEST(FilterKey, TakesOneDecimalPointOutsideTheSelection) {
  const struct {
    unsigned key;
    KeyField field;
    const char* kept;  // the field's text outside the selection
    unsigned expected;
    const char* why;
  } cases[] = {
      {190, KeyField::Number, "1.", Drop, "a second point"},
      {188, KeyField::Number, "3.5", Drop, "a comma that would become one"},
      {110, KeyField::SignedNumber, "-2.", Drop, "the keypad decimal in a signed field"},
      {190, KeyField::Number, "15", 190, "the selection held the point: it is replaced"},
      {188, KeyField::Number, "", 190, "an empty field"},
      {'5', KeyField::Number, "1.5", '5', "digits go on"},
      {188, KeyField::Other, "1.5", 188, "other fields take what they get"},
  };
  for (const auto& c : cases) {
    const std::optional<unsigned> got = FilterKey(c.key, c.field, c.kept);
    EXPECT_EQ(got.value_or(Drop), c.expected) << c.why;
  }
}

TEST(PasteIntoField, KeepsTheFirstPointAndTheLimit) {
  const struct {
    const char *before, *pasted, *after;
    KeyField field;
    std::size_t limit;
    const char* text;
    std::size_t caret;
    const char* why;
  } cases[] = {
      {"", "1..5", "", KeyField::Number, 0, "1.5", 3, "a paste keeps its first point"},
      {"2.", ",5", "", KeyField::Number, 0, "2.5", 3, "the field's point comes first"},
      {"", "3.4", ".5", KeyField::Number, 0, "3.45", 3, "the first of the whole text stays"},
      {"1", "2", ".5", KeyField::Number, 0, "12.5", 2, "a paste without a point"},
      {"", " 3,5 cm", "", KeyField::Number, 0, "3.5", 3, "the key filter's rules"},
      {"", "1234567,89", "", KeyField::Number, 6, "123456", 6, "the limit cuts the paste"},
      {"1", "2345", "9", KeyField::Number, 4, "1239", 3, "and keeps what stood there"},
      {"", "12.3", ".5", KeyField::Number, 3, "1.5", 1, "a point cut off leaves the field's"},
      {"", "-1.5.2", "", KeyField::SignedNumber, 0, "-1.52", 5, "signed numbers too"},
      {"", "1.5", "", KeyField::Digits, 0, "15", 2, "whole numbers take no point"},
      {"a.", "b.c", ".", KeyField::Other, 0, "a.b.c.", 5, "other fields keep every point"},
      {"", "3789", "", KeyField::Rounding, 1, "3", 1, "places stop at 6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PasteIntoField(c.before, c.pasted, c.after, c.field, c.limit),
              (PastedText{c.text, c.caret}))
        << c.why;
  }
}

TEST(ClipboardShortcut, TellsCopyCutAndPaste) {
  const struct {
    unsigned key;
    bool control, shift;
    ClipboardKey expected;
  } cases[] = {
      {'V', true, false, ClipboardKey::Paste},  {45, false, true, ClipboardKey::Paste},
      {'C', true, false, ClipboardKey::Copy},   {45, true, false, ClipboardKey::Copy},
      {'X', true, false, ClipboardKey::Cut},    {46, false, true, ClipboardKey::Cut},
      {'V', false, false, ClipboardKey::None},  {'V', false, true, ClipboardKey::None},
      {45, false, false, ClipboardKey::None},   {46, false, false, ClipboardKey::None},
      {'A', true, false, ClipboardKey::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClipboardShortcut(c.key, c.control, c.shift), c.expected)
        << c.key << " " << c.control << c.shift;
  }
}

}  // namespace
}  // namespace prolexa

namespace prolexa {
namespace {

TEST(Zoom, KeysStepBetweenOneAndTwoTimesTheScreensScaling) {
  const struct {
    unsigned key;
    bool control;
    int from, to;
  } cases[] = {
      {vk::Plus, true, 100, 125},       {vk::KeypadPlus, true, 175, 200},
      {vk::Plus, true, 200, 200},       {vk::Minus, true, 150, 125},
      {vk::KeypadMinus, true, 100, 100}, {vk::Digit0, true, 175, 100},
      {vk::Keypad0, true, 125, 100},    {vk::Plus, false, 100, 100},  // typed, not a zoom
      {'P', true, 150, 150},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZoomAfter(c.from, ZoomShortcut(c.key, c.control)), c.to) << c.key << " from " << c.from;
  }
  for (const auto& [stored, zoom] : {std::pair{100ul, 100}, {150ul, 150}, {200ul, 200},
                                     {130ul, 100}, {225ul, 100}, {0ul, 100}, {75ul, 100}}) {
    EXPECT_EQ(StoredZoom(stored), zoom) << stored;
  }
}

}  // namespace
}  // namespace prolexa
