#include "key_filter.h"

#include <algorithm>

#include "number_text.h"
#include "utf.h"

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

bool HoldsPoint(std::string_view text) { return text.find('.') != std::string_view::npos; }

// Drops every decimal point of a text once `seen` (a point before it); the
// first one it holds otherwise stays and counts as seen.
void KeepFirstPoint(std::string& text, bool& seen) {
  std::string kept;
  for (char c : text) {
    if (c == '.') {
      if (seen) continue;
      seen = true;
    }
    kept += c;
  }
  text = std::move(kept);
}

std::optional<unsigned> FilterNumberKey(unsigned key, std::string_view kept) {
  const std::optional<unsigned> passed = FilterNumberKey(key);
  if (passed == vk::Period && HoldsPoint(kept)) return std::nullopt;
  return passed;
}

}  // namespace

std::optional<unsigned> FilterKey(unsigned virtualKey, KeyField field, std::string_view kept) {
  switch (field) {
    case KeyField::Number:
      return FilterNumberKey(virtualKey, kept);
    case KeyField::SignedNumber:
      // A sign comes from the keypad minus only; the main-row minus stays
      // dropped as in every other number field.
      if (virtualKey == vk::KeypadMinus) return virtualKey;
      return FilterNumberKey(virtualKey, kept);
    case KeyField::Digits:
      if (IsDigit(virtualKey) || IsEditingKey(virtualKey)) return virtualKey;
      return std::nullopt;
    case KeyField::Rounding:
      // The edit itself takes digits only; the selector's range ends at
      // MostPlaces.
      if ((virtualKey > vk::Digit0 + MostPlaces && virtualKey <= vk::Digit9) ||
          (virtualKey > vk::Keypad0 + MostPlaces && virtualKey <= vk::Keypad9)) {
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
      if (digit && c - '0' <= MostPlaces) kept += c;
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

PastedText PasteIntoField(std::string_view before, std::string_view pasted,
                          std::string_view after, KeyField field, std::size_t limit) {
  PastedText out{std::string(before), 0};
  std::string inserted = FilterPastedText(pasted, field);
  std::string tail(after);
  const bool number = field == KeyField::Number || field == KeyField::SignedNumber;
  bool seen = false;
  if (number) {
    KeepFirstPoint(out.text, seen);
    KeepFirstPoint(inserted, seen);
  }
  if (limit > 0) {
    // The edit's limit cuts the pasted part only; what stood there stays.
    const std::size_t used = CharacterCount(out.text) + CharacterCount(tail);
    inserted = std::string(FirstCharacters(inserted, used < limit ? limit - used : 0));
  }
  if (number) {
    // A point cut off with the paste leaves the tail's first one standing.
    seen = HoldsPoint(out.text) || HoldsPoint(inserted);
    KeepFirstPoint(tail, seen);
  }
  out.text += inserted;
  out.caret = out.text.size();
  out.text += tail;
  return out;
}

ClipboardKey ClipboardShortcut(unsigned virtualKey, bool control, bool shift) {
  if (control) {
    if (virtualKey == 'C' || virtualKey == vk::Insert) return ClipboardKey::Copy;
    if (virtualKey == 'X') return ClipboardKey::Cut;
    if (virtualKey == 'V') return ClipboardKey::Paste;
  } else if (shift) {
    if (virtualKey == vk::Insert) return ClipboardKey::Paste;
    if (virtualKey == vk::Delete) return ClipboardKey::Cut;
  }
  return ClipboardKey::None;
}

ZoomKey ZoomShortcut(unsigned virtualKey, bool control) {
  if (!control) return ZoomKey::None;
  if (virtualKey == vk::Plus || virtualKey == vk::KeypadPlus) return ZoomKey::Larger;
  if (virtualKey == vk::Minus || virtualKey == vk::KeypadMinus) return ZoomKey::Smaller;
  if (virtualKey == vk::Digit0 || virtualKey == vk::Keypad0) return ZoomKey::Reset;
  return ZoomKey::None;
}

int ZoomAfter(int percent, ZoomKey key) {
  switch (key) {
    case ZoomKey::Larger:
      return std::min(percent + ZoomStep, MostZoom);
    case ZoomKey::Smaller:
      return std::max(percent - ZoomStep, LeastZoom);
    case ZoomKey::Reset:
      return LeastZoom;
    case ZoomKey::None:
      break;
  }
  return percent;
}

int StoredZoom(unsigned long stored) {
  const bool step = stored >= static_cast<unsigned long>(LeastZoom) &&
                    stored <= static_cast<unsigned long>(MostZoom) && stored % ZoomStep == 0;
  return step ? static_cast<int>(stored) : LeastZoom;
}

}  // namespace prolexa
