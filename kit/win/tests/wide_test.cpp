#include "wide.h"

#include <gtest/gtest.h>

#include "test_window.h"

namespace prolexa {
namespace {

struct WideCase {
  const char* utf8;
  const wchar_t* utf16;
  const char* why;
};

TEST(Wide, ConvertsBothWays) {
  const WideCase cases[] = {
      {"", L"", "an empty text"},
      {"OK", L"OK", "plain ASCII"},
      {"přepona c", L"p\u0159epona c", "a Czech two-byte letter"},
      {"Pomocník.chm", L"Pomocn\u00edk.chm", "the help file's name"},
      {"Zaokruhliť na:", L"Zaokruhli\u0165 na:", "a Slovak letter"},
      {"x\xF0\x9F\x98\x80y", L"x\xD83D\xDE00y", "a character outside the BMP is a surrogate pair"},
  };
  for (const WideCase& c : cases) {
    EXPECT_EQ(Widen(c.utf8), std::wstring(c.utf16)) << c.why;
    EXPECT_EQ(Narrow(c.utf16), std::string(c.utf8)) << c.why;
  }
}

TEST(Wide, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Widen("a\xFF" "b"), L"a\uFFFDb");
  EXPECT_EQ(Narrow(std::wstring(L"a\xD800" L"b")), "a\xEF\xBF\xBD" "b");
}

TEST(Wide, KeepsEmbeddedNulsOfAView) {
  const std::string withNul("a\0b", 3);
  EXPECT_EQ(Widen(withNul), std::wstring(L"a\0b", 3));
}

TEST(WindowText, RoundTripsUnicodeThroughAWindow) {
  test::TestWindow window;
  for (const char* text : {"", "Výuka - Trigona", "Zaokruhliť na:", "ž"}) {
    SetWindowTextUtf8(window.Get(), text);
    EXPECT_EQ(WindowTextUtf8(window.Get()), text);
  }
  EXPECT_EQ(WindowTextUtf8(nullptr), "");
}

}  // namespace
}  // namespace prolexa
