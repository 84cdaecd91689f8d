#include "key_filter.h"

namespace prolexa {
namespace {

bool IsDigit(unsigned key) {
  return (key >= vk::Digit0 && key <= vk::Digit9) || (key >= vk::Keypad0 && key <= vk::Keypad9);
}

// Up and Down are left out on purpose: in the number fields they do nothing
// useful, and the fields have always refused them.
bool IsEditingKey(unsigned key) {
  return key == vk::Backspace || key == vk::End || key == vk::Home || key == vk::Left ||
         key == vk::Right || key == vk::Delete;
}

std::optional<unsigned> FilterNumberKey(unsigned key) {
  if (key == vk::Comma || key == vk::KeypadDecimal) return vk::Period;
  if (IsDigit(key) || IsEditingKey(key) || key == vk::Period) return key;
  return std::nullopt;
}

}  // namespace

std::optional<unsigned> FilterKey(unsigned virtualKey, KeyField field) {
  switch (field) {
    case KeyField::Number:
      return FilterNumberKey(virtualKey);
    case KeyField::SignedNumber:
      // A sign comes from the keypad minus only; the main-row minus stays
      // dropped as in every other number field.
      if (virtualKey == vk::KeypadMinus) return virtualKey;
      return FilterNumberKey(virtualKey);
    case KeyField::Digits:
      if (IsDigit(virtualKey) || IsEditingKey(virtualKey)) return virtualKey;
      return std::nullopt;
    case KeyField::Rounding:
      // The edit itself takes digits only; the selector's range ends at 6.
      if ((virtualKey >= vk::Digit0 + 7 && virtualKey <= vk::Digit9) ||
          (virtualKey >= vk::Keypad0 + 7 && virtualKey <= vk::Keypad9)) {
        return std::nullopt;
      }
      return virtualKey;
    case KeyField::Other:
      break;
  }
  return virtualKey;
}

std::string FilterPastedText(std::string_view text, KeyField field) {
  if (field == KeyField::Other) return std::string(text);
  std::string kept;
  for (char c : text) {
    const bool digit = c >= '0' && c <= '9';
    if (field == KeyField::Rounding) {
      if (digit && c <= '6') kept += c;
    } else if (field == KeyField::Digits) {
      if (digit) kept += c;
    } else if (digit || c == '.') {
      kept += c;
    } else if (c == ',') {
      kept += '.';
    } else if (c == '-' && field == KeyField::SignedNumber) {
      kept += c;
    }
  }
  return kept;
}

}  // namespace prolexa
