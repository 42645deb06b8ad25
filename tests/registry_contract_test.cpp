// What the core relies on from HKEY_CURRENT_USER. The same cases run on the
// in-memory registry and, under Wine, on the real one.
#include <algorithm>
#include <string>

#include "registry_fixture.h"

using namespace zv;

TEST_P(RegistryContract, KeysAreCreatedAlongThePathAndFoundWithoutRegardToCase) {
  EXPECT_FALSE(reg->KeyExists(Key("A\\B")));
  EXPECT_EQ(reg->OpenKey(Key("A\\B"), false), nullptr);
  ASSERT_NE(reg->OpenKey(Key("A\\B"), true), nullptr);
  EXPECT_TRUE(reg->KeyExists(Key("a\\b")));
  EXPECT_TRUE(reg->KeyExists("Software\\ZORVANETEST\\A"));  // leading backslash optional
  EXPECT_NE(reg->OpenKey(Key("A\\b"), false), nullptr);
  auto parent = reg->OpenKey(TestRoot, false);
  ASSERT_NE(parent, nullptr);
  EXPECT_EQ(reg->SubKeyNames(*parent), std::vector<std::string>{"A"});
}

TEST_P(RegistryContract, ValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(Key("V"), true));
  r.WriteInteger("MenuHotKey", 81);
  EXPECT_TRUE(r.ValueExists("menuhotkey"));
  EXPECT_EQ(r.ReadIntegerDef("MenuHotkey", 0), 81);
  r.WriteInteger("MENUHOTKEY", 82);
  EXPECT_EQ(r.ReadIntegerDef("MenuHotKey", 0), 82);
  EXPECT_EQ(r.GetValueNames(), std::vector<std::string>{"MenuHotKey"});
}

TEST_P(RegistryContract, StringsKeepTheirBytesAndTheirTerminatingZero) {
  const std::string rueck = "R\xFC" "ck \"quoted\" \\ back";
  std::string big(3000, 'x');
  big[2999] = 'y';
  {
    TRegistry r(*reg);
    ASSERT_TRUE(r.OpenKey(Key("S"), true));
    r.WriteString("Caption", rueck);
    r.WriteString("Big", big);
    r.WriteString("Empty", "");
  }
  auto k = reg->OpenKey(Key("S"), false);
  ASSERT_NE(k, nullptr);
  tregvalue v;
  ASSERT_TRUE(reg->QueryValue(*k, "Caption", v));
  EXPECT_EQ(v.Type, rtString);
  EXPECT_EQ(v.Data, rueck + std::string(1, '\0'));
  ASSERT_TRUE(reg->QueryValue(*k, "Empty", v));
  EXPECT_EQ(v.Data, std::string(1, '\0'));

  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(Key("S"), false));
  EXPECT_EQ(r.ReadStringDef("Caption", "?"), rueck);
  EXPECT_EQ(r.ReadStringDef("Big", "?"), big);
  EXPECT_EQ(r.ReadStringDef("Empty", "?"), "");
}

TEST_P(RegistryContract, SafeReadsFallBackOnMissingOrMistypedValues) {
  SetRaw(Key("T"), "ZeroSize", rtString, "");
  SetRaw(Key("T"), "Expand", rtExpandString, std::string("%TEMP%\\x\0", 9));
  SetRaw(Key("T"), "Binary", rtBinary, "AB");
  SetInt(Key("T"), "Number", -5);
  SetString(Key("T"), "Text", "65");

  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(Key("T"), false));
  EXPECT_EQ(r.ReadStringDef("ZeroSize", "def"), "");
  EXPECT_EQ(r.ReadStringDef("Expand", "def"), "%TEMP%\\x");  // never expanded
  EXPECT_EQ(r.ReadStringDef("Binary", "def"), "def");
  EXPECT_EQ(r.ReadStringDef("Number", "def"), "def");
  EXPECT_EQ(r.ReadStringDef("Missing", "def"), "def");
  EXPECT_EQ(r.ReadIntegerDef("Number", 7), -5);
  EXPECT_EQ(r.ReadIntegerDef("Text", 7), 7);
  EXPECT_EQ(r.ReadIntegerDef("Binary", 7), 7);
  EXPECT_EQ(r.ReadIntegerDef("Missing", 7), 7);
  EXPECT_TRUE(r.ReadBoolDef("Number", false));
  EXPECT_TRUE(r.ReadBoolDef("Text", true));
  EXPECT_THROW(r.ReadInteger("Text"), ERegistryException);
  EXPECT_THROW(r.ReadString("Missing"), ERegistryException);
}

TEST_P(RegistryContract, WritesWithoutAnOpenKeyThrowAndReadsFallBack) {
  TSafeRegistry r(*reg);
  EXPECT_THROW(r.WriteString("A", "b"), ERegistryException);
  EXPECT_THROW(r.WriteInteger("A", 1), ERegistryException);
  EXPECT_EQ(r.ReadIntegerDef("A", 3), 3);
  EXPECT_FALSE(r.ValueExists("A"));
  EXPECT_FALSE(r.DeleteValue("A"));
  EXPECT_FALSE(r.OpenKey(Key("Nope"), false));
  EXPECT_THROW(r.WriteBool("A", true), ERegistryException);  // the failed open left none open
}

TEST_P(RegistryContract, DeleteKeyTakesTheWholeSubtree) {
  SetString(Key("D\\Item0"), "Caption", "a");
  SetString(Key("D\\Item1\\Deeper"), "Caption", "b");
  SetInt(Key("D"), "Count", 2);
  auto sibling = reg->OpenKey(Key("Dx"), true);
  EXPECT_TRUE(reg->DeleteKey(Key("d")));
  EXPECT_FALSE(reg->KeyExists(Key("D")));
  EXPECT_FALSE(reg->KeyExists(Key("D\\Item1\\Deeper")));
  EXPECT_TRUE(reg->KeyExists(Key("Dx")));
  EXPECT_FALSE(reg->DeleteKey(Key("D")));
}

TEST_P(RegistryContract, DeletingValues) {
  SetInt(Key("W"), "Keep", 1);
  SetInt(Key("W"), "Gone", 2);
  TRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(Key("W"), false));
  EXPECT_TRUE(r.DeleteValue("GONE"));
  EXPECT_FALSE(r.DeleteValue("Gone"));
  EXPECT_FALSE(r.ValueExists("Gone"));
  EXPECT_TRUE(r.ValueExists("Keep"));
}

TEST_P(RegistryContract, RenameMovesTheKeyWithEverythingBelowIt) {
  SetString(Key("Old\\Item0"), "Caption", "a");
  SetInt(Key("Old"), "Count", 1);
  SetInt(Key("Taken"), "X", 1);
  EXPECT_FALSE(reg->RenameKey(Key("Old"), "Taken"));
  EXPECT_FALSE(reg->RenameKey(Key("Missing"), "Other"));
  ASSERT_TRUE(reg->RenameKey(Key("Old"), "New"));
  EXPECT_FALSE(reg->KeyExists(Key("Old")));
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(Key("New\\Item0"), false));
  EXPECT_EQ(r.ReadStringDef("Caption", ""), "a");
  ASSERT_TRUE(r.OpenKey(Key("New"), false));
  EXPECT_EQ(r.ReadIntegerDef("Count", 0), 1);
  auto parent = reg->OpenKey(TestRoot, false);
  auto names = reg->SubKeyNames(*parent);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"New", "Taken"}));
}
