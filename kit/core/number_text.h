// Number texts of the worked solutions: parsing, "%f"-style formatting,
// upward rounding to a number of places and the places word.
//
// Every text is produced here rather than by the C runtime's printf, whose
// output differs between runtimes: the Linux host and the Windows build must
// write the same digits.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace prolexa {

// Inputs and intermediate values above this are refused by the solvers with
// their message about too big numbers. Every value from -99999999999.999999
// up to it has a six-decimal text of at most 19 characters.
inline constexpr double BigNumberLimit = 999999999999.999;

// Visible characters of the painter's number buffer.
inline constexpr std::size_t NumberTextCapacity = 19;

// The blanks that atof and atoi skip and the digits they read, whatever the
// process locale.
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a number the way atof does, whatever the process locale: leading
// blanks skipped, an optional sign, the longest decimal prefix ('.' as the
// point, optional exponent), "inf"/"infinity"/"nan" in any case. No number
// gives 0; a value too large for a double gives an infinity, too small 0.
double ParseNumber(std::string_view text);

// Reads an integer the way atoi does (blanks, sign, leading digits, else 0).
// Values beyond the int range are clamped rather than overflowing.
int ParseInteger(std::string_view text);

// The "%f" text of a value: six decimals, rounded to nearest.
std::string FormatValue(double value);

// The decimals of the "%f" text, and so of every intermediate value a
// solution writes.
inline constexpr int FixedPlaces = 6;

// The "%e" text the Windows runtime writes: six decimals and a signed
// exponent of at least three digits, as in 1.500000e+011.
std::string FormatScientific(double value);

// Rounds the decimal number `text` states (atof's prefix: blanks, sign,
// digits, point, exponent) up to `places` decimal places and writes it with
// its trailing zeros cut. The rounding is exact in decimal: the number moves
// up to the next multiple of 10^-places only when a dropped digit is not
// zero, and for a negative number the dropped digits simply go ("2.341" at 2
// places gives "2.35", "-1.239" gives "-1.23", "0.07" stays "0.07"). A number
// whose written digits are all zero has no sign ("-0.001" gives "0"). Places
// outside 0..20 are clamped; texts that are not numbers round as 0.
std::string RoundNumberText(std::string_view text, int places);

// RoundNumberText of the value's "%f" text, computed without writing and
// reading that text: what the solutions write for every rounded value.
std::string RoundValue(double value, int places);

// ParseNumber of the value's "%f" text: the value as the pupil sees it
// written with six decimals, without writing and reading that text.
double ReadFixed(double value);

// Whether the value can be written whole: finite, with a six-decimal text
// that fits the number buffer. A solution refuses a number that cannot
// rather than show it cut.
bool FitsNumberText(double value);

// The most places a result is rounded to: the rounding selector's range is
// 0 to this.
inline constexpr int MostPlaces = 6;

// The count of places the rounding edit holds: its number, 0 for an empty
// text, kept to the selector's range 0 to MostPlaces.
int PlacesFromText(std::string_view editText);

enum class PlacesLanguage { Czech, Slovak };

// The plural form of "místo" (Slovak "miesto") for a count of places.
std::string_view PlacesWord(int places, PlacesLanguage language);

// The text the places label takes for the rounding edit's text: the word for
// the edit's first character read as a number, or nothing for an empty edit
// (the label then keeps what it shows).
std::optional<std::string_view> PlacesLabelText(std::string_view editText,
                                                 PlacesLanguage language);

}  // namespace prolexa
