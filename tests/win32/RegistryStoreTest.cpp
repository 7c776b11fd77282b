#include <gtest/gtest.h>

#include "Desktop.h"
#include "platform/win32/RegistryStore.h"

namespace {

TEST(RegistryStore, WriteThenRead_stringValuesUnderTheKey) {
  ClearSettings();
  RegistryStore store;
  const std::pair<const char*, std::string> values[] = {
      {"Top", "1950"},   {"Fore", "16711680"}, {"Back", "?"},
      {"Ontop", "True"}, {"Width", ""},        {"Left", "caf\xE9"},
  };
  for (const auto& [key, value] : values)
    ASSERT_TRUE(store.Write("VellCmdLine", "Defaults", key, value));
  for (const auto& [key, value] : values) {
    EXPECT_EQ(store.Read("VellCmdLine", "Defaults", key), value) << key;
    // Read back with the registry's own call: a string value, not a number or binary.
    EXPECT_EQ(StoredSetting(key), value) << key;
  }
}

TEST(RegistryStore, Read_missingKeyOrNonStringIsNothing) {
  ClearSettings();
  RegistryStore store;
  EXPECT_EQ(store.Read("VellCmdLine", "Defaults", "Top"), std::nullopt);
  store.Write("VellCmdLine", "Defaults", "Left", "0");
  EXPECT_EQ(store.Read("VellCmdLine", "Defaults", "Top"), std::nullopt);
  const DWORD number = 7;
  RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\VellCmdLine\\Defaults", "History", REG_DWORD,
                  &number, sizeof number);
  EXPECT_EQ(store.Read("VellCmdLine", "Defaults", "History"), std::nullopt);
  ClearSettings();
}

TEST(RegistryStore, Write_replacesEarlierValue) {
  ClearSettings();
  RegistryStore store;
  store.Write("VellCmdLine", "Defaults", "Ontop", "False");
  store.Write("VellCmdLine", "Defaults", "Ontop", "True");
  EXPECT_EQ(StoredSetting("Ontop"), "True");
  ClearSettings();
}

}  // namespace
