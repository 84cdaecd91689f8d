// Conversions between UTF-8, the encoding of every text in the code, and
// code points, in which the formula layout counts its 8-pixel characters.
#pragma once

#include <string>
#include <string_view>

namespace prolexa {

// Malformed sequences become U+FFFD, one per offending byte, so that no input
// can make a conversion read past its end.
std::u32string Utf8ToCodePoints(std::string_view text);
std::string CodePointsToUtf8(std::u32string_view text);
// Appends one code point's UTF-8 (U+FFFD for a surrogate or a value past
// U+10FFFF).
void AppendUtf8(std::string& out, char32_t c);

// Whether a text is well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view text);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);

// The first `count` characters of a text, as an edit field of that many
// characters would hold it: counted as the field counts, never cutting a
// character in two. A view of the text's own beginning.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace prolexa
