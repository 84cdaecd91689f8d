// Which keys the message loop lets through to an input field.
//
// The number fields of the calculators take digits, the editing keys and one
// decimal point only: anything else (minus signs, letters) is dropped before
// it is translated, so it can never reach the field. The comma and the
// keypad decimal key become the period, since the numbers are read with '.'
// whatever the keyboard layout. The clipboard shortcuts are told apart here
// and carried out by the message loop, a paste through the same rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace prolexa {

enum class KeyField {
  Other,         // everything passes
  Number,        // digits, editing keys, the decimal point
  Rounding,      // the one-digit places edit: digits past MostPlaces dropped
  SignedNumber,  // a number field that also takes the keypad minus
  Digits,        // a whole number: digits and editing keys only
};

// Virtual-key codes as the keyboard reports them.
namespace vk {
inline constexpr unsigned Backspace = 8;
inline constexpr unsigned End = 35;
inline constexpr unsigned Home = 36;
inline constexpr unsigned Insert = 45;
inline constexpr unsigned Left = 37;
inline constexpr unsigned Right = 39;
inline constexpr unsigned Delete = 46;
inline constexpr unsigned Digit0 = 48;
inline constexpr unsigned Digit9 = 57;
inline constexpr unsigned Keypad0 = 96;
inline constexpr unsigned Keypad9 = 105;
inline constexpr unsigned KeypadPlus = 107;
inline constexpr unsigned KeypadMinus = 109;
inline constexpr unsigned KeypadDecimal = 110;
inline constexpr unsigned Plus = 187;  // the main keyboard's "=" and "+" key
inline constexpr unsigned Comma = 188;
inline constexpr unsigned Minus = 189;
inline constexpr unsigned Period = 190;
}  // namespace vk

// The key to hand on for a key pressed in a field of the given kind, possibly
// rewritten, or nothing when the key is to be dropped. `kept` is the field's
// text outside the selection a typed character replaces: a number that
// already holds a decimal point there takes no second one, which the
// conversion would read as the end of the number ("1..5" is 1).
std::optional<unsigned> FilterKey(unsigned virtualKey, KeyField field,
                                  std::string_view kept = {});

// What a pasted text leaves in a field of the given kind: the characters the
// keys of that field could type, the comma turned into the period, all else
// (blanks, letters, a minus the field takes no sign for) dropped.
std::string FilterPastedText(std::string_view text, KeyField field);

// A field's text after a paste replaced its selection, the text `before`
// and `after` it staying: the pasted text filtered as above, cut so that the
// whole holds at most `limit` characters (0: no limit), as the edit's own
// limit would cut it; of the decimal points of a number only the first
// stays. `caret` is the byte offset just past the pasted part.
struct PastedText {
  std::string text;
  std::size_t caret = 0;
  bool operator==(const PastedText&) const = default;
};
PastedText PasteIntoField(std::string_view before, std::string_view pasted,
                          std::string_view after, KeyField field, std::size_t limit);

// What a key pressed with the modifiers held does with the clipboard: Ctrl
// with C or Insert copies, with X cuts, with V pastes; Shift with Insert
// pastes, with Delete cuts.
enum class ClipboardKey { None, Copy, Cut, Paste };
ClipboardKey ClipboardShortcut(unsigned virtualKey, bool control, bool shift);

// What a key pressed with Ctrl does to the size of a program's window:
// Plus (main keyboard or keypad) one step larger, Minus one step smaller,
// 0 back to the screen's own scaling.
enum class ZoomKey { None, Larger, Smaller, Reset };
ZoomKey ZoomShortcut(unsigned virtualKey, bool control);

// A window's size in percent of the screen's scaling: 100 to 200 in steps
// of 25.
inline constexpr int ZoomStep = 25;
inline constexpr int LeastZoom = 100;
inline constexpr int MostZoom = 200;
// The zoom after a key; at either end a further step stays there.
int ZoomAfter(int percent, ZoomKey key);
// A stored zoom as a program starts with it: one that is not a step between
// 100 and 200 is 100.
int StoredZoom(unsigned long stored);

}  // namespace prolexa
