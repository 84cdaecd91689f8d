#include "utf.h"

#include <cstdint>
#include <cstring>

namespace prolexa {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Hands every code point of a UTF-8 text to `take`, in order; false when a
// malformed sequence was read as U+FFFD.
template <typename Take>
bool Decode(std::string_view text, Take take) {
  bool wellFormed = true;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {  // most of every text
      take(lead);
      ++i;
      continue;
    }
    const int length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) {
      take(kReplacement);
      wellFormed = false;
      ++i;
      continue;
    }
    char32_t code = lead & (0x7F >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (!valid || overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
      take(kReplacement);
      wellFormed = false;
      ++i;
      continue;
    }
    take(code);
    i += length;
  }
  return wellFormed;
}

}  // namespace

std::u32string Utf8ToCodePoints(std::string_view text) {
  std::u32string result;
  result.reserve(text.size());
  Decode(text, [&result](char32_t c) { result.push_back(c); });
  return result;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string CodePointsToUtf8(std::u32string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char32_t c : text) AppendUtf8(result, c);
  return result;
}

bool IsValidUtf8(std::string_view text) {
  // Eight bytes at a time while they are ASCII, as most of every text is.
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & 0x8080808080808080u) != 0) break;
  }
  for (; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) return Decode(text.substr(i), [](char32_t) {});
  }
  return true;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  Decode(text, [&count](char32_t) { ++count; });
  return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A continuation byte never starts a character.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (characters == count) return text.substr(0, i);
    ++characters;
  }
  return text;
}

}  // namespace prolexa
