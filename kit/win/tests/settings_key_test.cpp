#include "settings_key.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "test_window.h"

namespace prolexa {
namespace {

const char* const TestRoot = "Software\\Tolvek\\ProlexaTest";

// Each test works in a key of its own under the current user and removes it
// (and the test root, when it is left empty) afterwards.
class SettingsKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::string(TestRoot) + "\\" + test::UniqueName("run-");
    HKEY probe = nullptr;
    ASSERT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &probe),
              ERROR_SUCCESS)
        << "the throwaway key must not exist yet";
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, TestRoot);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tolvek");
  }

  // Stores a value of any type behind the class's back.
  void Store(const char* name, DWORD type, const std::vector<std::uint8_t>& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  bool KeyExists() const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
      return false;
    }
    RegCloseKey(key);
    return true;
  }

  std::string path_;
};

TEST(SettingsPath, PutsTheKeyNameUnderTheSuitesKey) {
  EXPECT_EQ(SettingsPath("Trigona"), "Software\\Tolvek\\Prolexa\\Trigona");
  EXPECT_EQ(SettingsPath("Zeruraruri"), "Software\\Tolvek\\Prolexa\\Zeruraruri");
}

TEST_F(SettingsKeyTest, FirstStartCreatesTheKeyAndReadsDefaults) {
  SettingsKey key;
  EXPECT_FALSE(key.IsOpen());
  EXPECT_EQ(key.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  EXPECT_TRUE(key.IsOpen());
  EXPECT_TRUE(KeyExists());
  EXPECT_EQ(key.ReadDword("checked", 1), 1u);
  EXPECT_EQ(key.ReadDword("round", 2), 2u);
  EXPECT_EQ(key.ReadDword("cmb0", 3), 3u);
  key.Close();
  EXPECT_FALSE(key.IsOpen());
}

TEST_F(SettingsKeyTest, WrittenValuesReadBackAfterReopening) {
  const struct {
    const char* name;
    DWORD value;
  } cases[] = {{"zero", 0}, {"one", 1}, {"round", 6}, {"big", 0xFFFFFFFFu}, {"mid", 0x12345678}};
  {
    SettingsKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
    for (const auto& c : cases) EXPECT_TRUE(key.WriteDword(c.name, c.value)) << c.name;
    key.Close();
  }
  SettingsKey key;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  for (const auto& c : cases) {
    EXPECT_EQ(key.ReadDword(c.name, 77), c.value) << c.name << ": a stored 0 is not the default";
  }
  DWORD type = 0;
  DWORD size = 0;
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &raw), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExA(raw, "round", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  RegCloseKey(raw);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(size, 4u);
}

TEST_F(SettingsKeyTest, ReadsExactlyFourBytesOfAnyType) {
  struct StoredCase {
    const char* name;
    DWORD type;
    std::vector<std::uint8_t> data;
    DWORD expected;
    const char* why;
  };
  const DWORD fallback = 0xDEFA;
  const StoredCase cases[] = {
      {"qword", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0}, fallback, "8 bytes are not cut to 4"},
      {"wide", REG_BINARY, {1, 2, 3, 4, 5}, fallback, "5 bytes are too long"},
      {"binary", REG_BINARY, {1, 2, 3, 4}, 0x04030201u, "4 binary bytes read raw"},
      {"text", REG_SZ, {'a', 'b', 'c', 0}, 0x00636261u, "a 4-byte string reads raw"},
      {"big-endian", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 9}, 0x09000000u, "bytes as stored"},
      {"short", REG_BINARY, {7, 7}, fallback, "2 bytes would leave half the value unread"},
      {"empty", REG_BINARY, {}, fallback, "no data at all"},
  };
  for (const StoredCase& c : cases) Store(c.name, c.type, c.data);
  SettingsKey key;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  for (const StoredCase& c : cases) EXPECT_EQ(key.ReadDword(c.name, fallback), c.expected) << c.why;
  EXPECT_EQ(key.ReadDword("missing", fallback), fallback);
}

TEST_F(SettingsKeyTest, AClosedOrFailedKeyGivesDefaultsAndRefusesWrites) {
  Store("round", REG_DWORD, {4, 0, 0, 0});
  SettingsKey never;
  EXPECT_EQ(never.ReadDword("round", 2), 2u);
  EXPECT_FALSE(never.WriteDword("round", 5));
  never.Close();  // closing a key that was never opened is harmless
  never.Close();

  SettingsKey closed;
  ASSERT_EQ(closed.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  closed.Close();
  EXPECT_EQ(closed.ReadDword("round", 2), 2u);
  EXPECT_FALSE(closed.WriteDword("round", 5));

  SettingsKey failed;
  const LONG status = failed.Open(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), path_);
  EXPECT_NE(status, ERROR_SUCCESS);
  EXPECT_FALSE(failed.IsOpen());
  EXPECT_EQ(failed.ReadDword("round", 2), 2u);
  EXPECT_FALSE(failed.WriteDword("round", 5));
  failed.Close();

  SettingsKey check;
  ASSERT_EQ(check.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  EXPECT_EQ(check.ReadDword("round", 2), 4u) << "no refused write may have reached the key";
}

TEST_F(SettingsKeyTest, ReopeningMovesToTheNewKey) {
  const std::string other = path_ + "\\other";
  SettingsKey key;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  EXPECT_TRUE(key.WriteDword("where", 1));
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, other), ERROR_SUCCESS);
  EXPECT_TRUE(key.IsOpen());
  EXPECT_EQ(key.ReadDword("where", 0), 0u);
  EXPECT_TRUE(key.WriteDword("where", 2));
  key.Close();
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, path_), ERROR_SUCCESS);
  EXPECT_EQ(key.ReadDword("where", 0), 1u);
}

}  // namespace
}  // namespace prolexa
