// The stored shortcut list: layout, defaults, type checks and results.
#include <algorithm>

#include "list_helpers.h"
#include "model/memoryregistry.h"
#include "registry_fixture.h"

using namespace zv;

namespace {

std::vector<std::string> SortedSubKeys(tregistrybackend& reg, const std::string& path) {
  auto k = reg.OpenKey(path, false);
  if (!k) return {};
  auto names = reg.SubKeyNames(*k);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> SortedValueNames(tregistrybackend& reg, const std::string& path) {
  auto k = reg.OpenKey(path, false);
  auto v = k ? reg.ValueNames(*k) : std::vector<std::string>{};
  std::sort(v.begin(), v.end());
  return v;
}

}  // namespace

TEST_P(RegistryStore, MissingOrForeignListKeyLoadsNothing) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist l;
  EXPECT_FALSE(l.LoadFromRegistry(*reg, list));
  SetString(list, "SavedByClass", "TZVSHORTCUTLIST");
  SetInt(list, "Count", 1);
  SetInt(list + "\\Item0", "ShortcutType", 1);
  EXPECT_FALSE(l.LoadFromRegistry(*reg, list));
  {
    TRegistry r(*reg);
    ASSERT_TRUE(r.OpenKey(list, false));
    r.DeleteValue("SavedByClass");
  }
  EXPECT_FALSE(l.LoadFromRegistry(*reg, list));
  EXPECT_EQ(l.Count(), 0);
}

TEST_P(RegistryStore, GapsInTheItemsLoadWhatIsThereAndReportFalse) {
  std::string list = Key("Shortcuts");
  SetString(list, "SavedByClass", "tzvshortcutlist");
  SetInt(list, "Count", 3);
  SetString(list + "\\Item0", "Caption", "first");
  SetInt(list + "\\Item0", "ShortcutType", 2);
  SetString(list + "\\Item2", "Caption", "third");
  SetInt(list + "\\Item2", "ShortcutType", 3);
  SetString(list + "\\Item3", "Caption", "beyond count");
  tzvshortcutlist l;
  EXPECT_FALSE(l.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Captions(l), "first,third");
}

TEST_P(RegistryStore, AbsurdCountDoesNotWalkForever) {
  std::string list = Key("Shortcuts");
  SetString(list, "SavedByClass", "tzvshortcutlist");
  SetInt(list, "Count", 2147483647);
  SetInt(list + "\\Item0", "ShortcutType", 0);
  SetString(list + "\\Item1", "Caption", "b");
  tzvshortcutlist l;
  EXPECT_FALSE(l.LoadFromRegistry(*reg, list));
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l.GetItem(1)->Caption, "b");  // no type stored: a separator
}

TEST_P(RegistryStore, CountOfZeroOrLessLoadsNothingAndSucceeds) {
  std::string list = Key("Shortcuts");
  SetString(list, "SavedByClass", "tzvshortcutlist");
  SetInt(list + "\\Item0", "ShortcutType", 1);
  for (std::int32_t count : {0, -1}) {
    SetInt(list, "Count", count);
    tzvshortcutlist l;
    EXPECT_TRUE(l.LoadFromRegistry(*reg, list));
    EXPECT_EQ(l.Count(), 0);
  }
}

TEST_P(RegistryStore, ValuesAreCheckedAndFallBackToDefaults) {
  std::string list = Key("Shortcuts");
  SetString(list, "SavedByClass", "tzvshortcutlist");
  SetInt(list, "Count", 5);
  std::string i0 = list + "\\Item0", i1 = list + "\\Item1", i2 = list + "\\Item2",
              i3 = list + "\\Item3", i4 = list + "\\Item4";
  SetInt(i0, "ShortcutType", 7);
  SetInt(i0, "ViewStyle", 5);
  SetInt(i0, "Hotkey", 74565);
  SetInt(i1, "ShortcutType", 2);
  SetInt(i1, "ViewStyle", 2);  // not read for files
  SetInt(i1, "Caption", 12);   // wrong type
  SetString(i1, "Hotkey", "65");
  SetInt(i2, "ShortcutType", 3);
  SetInt(i2, "ViewStyle", 0);
  SetInt(i2, "FullExplorer", 1);
  SetString(i2, "Path", "C:\\Data");
  SetString(i3, "Parameters", "kept for separators too");
  auto made = reg->OpenKey(i4, true);  // no values at all: a separator
  tzvshortcutlist l;
  EXPECT_TRUE(l.LoadFromRegistry(*reg, list));
  ASSERT_EQ(l.Count(), 5);
  EXPECT_EQ(l.GetItem(0)->ShortcutType, stApplication);
  EXPECT_EQ(l.GetItem(0)->ViewStyle, vsNormal);
  EXPECT_EQ(l.GetItem(0)->Hotkey, 9029);
  EXPECT_EQ(l.GetItem(0)->Caption, "");  // not "New Shortcut"
  EXPECT_EQ(l.GetItem(1)->ShortcutType, stFile);
  EXPECT_EQ(l.GetItem(1)->ViewStyle, vsNormal);
  EXPECT_EQ(l.GetItem(1)->Caption, "");
  EXPECT_EQ(l.GetItem(1)->Hotkey, 0);
  EXPECT_EQ(l.GetItem(2)->ViewStyle, vsMinimized);
  EXPECT_TRUE(l.GetItem(2)->FullExplorer);
  EXPECT_EQ(l.GetItem(2)->Path, "C:\\Data");
  EXPECT_EQ(l.GetItem(3)->ShortcutType, stSeparator);
  EXPECT_EQ(l.GetItem(3)->Parameters, "kept for separators too");
  EXPECT_EQ(l.GetItem(4)->ShortcutType, stSeparator);
}

TEST_P(RegistryStore, LoadAppends) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist source;
  Append(source, MakeShortcut(stFile, "B"));
  ASSERT_TRUE(source.SaveToRegistry(*reg, list));
  tzvshortcutlist l;
  Append(l, MakeShortcut(stFile, "A"));
  EXPECT_TRUE(l.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Captions(l), "A,B");
}

TEST_P(RegistryStore, SaveWritesExactlyTheValuesOfEachType) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist l;
  auto app = MakeShortcut(stApplication, "Mail", "C:\\mail.exe", 0x4045);
  app->Parameters = "-n";
  app->WorkingDir = "C:\\";
  app->ViewStyle = vsMaximized;
  app->FullExplorer = true;  // not stored for applications
  app->HotkeyStatus = hsRegistered;
  app->ImageIndex = 3;
  Append(l, std::move(app));
  Append(l, Separator());
  auto file = MakeShortcut(stFile, "Notes", "C:\\n.txt", 0);
  file->Parameters = "ignored";
  Append(l, std::move(file));
  auto folder = MakeShortcut(stFolder, "Data", "D:\\", 0x8041);
  folder->FullExplorer = true;
  folder->ViewStyle = vsMinimized;
  Append(l, std::move(folder));
  ASSERT_TRUE(l.SaveToRegistry(*reg, list));

  auto names = [&](const std::string& key) { return SortedValueNames(*reg, key); };
  using sv = std::vector<std::string>;
  EXPECT_EQ(names(list), (sv{"Count", "SavedByClass"}));
  EXPECT_EQ(names(list + "\\Item0"), (sv{"Caption", "Hotkey", "Parameters", "Path", "ShortcutType",
                                         "ViewStyle", "WorkingDir"}));
  EXPECT_EQ(names(list + "\\Item1"), (sv{"ShortcutType"}));
  EXPECT_EQ(names(list + "\\Item2"), (sv{"Caption", "Hotkey", "Path", "ShortcutType"}));
  EXPECT_EQ(names(list + "\\Item3"),
            (sv{"Caption", "FullExplorer", "Hotkey", "Path", "ShortcutType", "ViewStyle"}));
  EXPECT_EQ(SortedSubKeys(*reg, list), (sv{"Item0", "Item1", "Item2", "Item3"}));
  EXPECT_EQ(SortedSubKeys(*reg, TestRoot), (sv{"Shortcuts"}));  // nothing left beside it

  auto k = reg->OpenKey(list + "\\Item0", false);
  tregvalue v;
  ASSERT_TRUE(reg->QueryValue(*k, "Hotkey", v));
  EXPECT_EQ(v.Type, rtDWord);
  EXPECT_EQ(v.Data, std::string("\x45\x40\0\0", 4));
  ASSERT_TRUE(reg->QueryValue(*k, "Caption", v));
  EXPECT_EQ(v.Type, rtString);
  EXPECT_EQ(v.Data, std::string("Mail\0", 5));

  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(*reg, list));
  ASSERT_EQ(back.Count(), 4);
  EXPECT_EQ(back.GetItem(0)->HotkeyStatus, hsNone);
  EXPECT_EQ(back.GetItem(0)->ImageIndex, 0);
  EXPECT_FALSE(back.GetItem(0)->FullExplorer);
  EXPECT_EQ(back.GetItem(2)->Parameters, "");
  EXPECT_EQ(back.GetItem(0)->Parameters, "-n");
  EXPECT_EQ(back.GetItem(0)->ViewStyle, vsMaximized);
  EXPECT_EQ(back.GetItem(3)->ViewStyle, vsMinimized);
  EXPECT_TRUE(back.GetItem(3)->FullExplorer);
}

TEST_P(RegistryStore, NestedGroupsComeBackAndAnEarlierReaderStillSeesEveryShortcutInOrder) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist l;
  Append(l, Group("Tools"));
  Append(l, AtLevel(MakeShortcut(stApplication, "Editor", "C:\\edit.exe", 0x4045), 1));
  Append(l, Group("Deep", 1));
  Append(l, AtLevel(MakeShortcut(stFile, "Notes", "C:\\n.txt", 0x4046), 2));
  Append(l, Group("Empty", 2));
  Append(l, AtLevel(Separator(), 1));
  Append(l, MakeShortcut(stFolder, "Data", "D:\\"));
  ASSERT_TRUE(l.SaveToRegistry(*reg, list));

  // A group is a separator with Group and its caption; only entries inside a
  // group carry a level.
  auto names = [&](const std::string& key) { return SortedValueNames(*reg, key); };
  using sv = std::vector<std::string>;
  EXPECT_EQ(names(list + "\\Item0"), (sv{"Caption", "Group", "ShortcutType"}));
  EXPECT_EQ(names(list + "\\Item2"), (sv{"Caption", "Group", "Level", "ShortcutType"}));
  EXPECT_EQ(names(list + "\\Item3"), (sv{"Caption", "Hotkey", "Level", "Path", "ShortcutType"}));
  EXPECT_EQ(names(list + "\\Item6"),
            (sv{"Caption", "FullExplorer", "Hotkey", "Path", "ShortcutType", "ViewStyle"}));
  auto k = reg->OpenKey(list + "\\Item2", false);
  tregvalue v;
  ASSERT_TRUE(reg->QueryValue(*k, "Group", v));
  EXPECT_EQ(v.Type, rtDWord);
  EXPECT_EQ(v.Data, std::string("\x01\0\0\0", 4));
  ASSERT_TRUE(reg->QueryValue(*k, "ShortcutType", v));
  EXPECT_EQ(v.Data, std::string("\0\0\0\0", 4));

  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Structure(back), "0[Tools],1Editor,1[Deep],2Notes,2[Empty],1-,0Data");
  EXPECT_EQ(Describe(back), Describe(l));

  // By an earlier version's rules (types 0 to 3, Group and Level unknown)
  // the same list is every shortcut in order, a separator for each group.
  for (int i = 0; i < back.Count(); ++i) {
    back.GetItem(i)->Group = false;
    back.GetItem(i)->Level = 0;
  }
  EXPECT_EQ(Captions(back), "-,Editor,-,Notes,-,-,Data");
}

TEST_P(RegistryStore, OwnIconsAreOneMoreValueOfTheEntriesThatHaveOne) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist l;
  Append(l, Group("Tools"));
  l.GetItem(0)->Icon = "%SystemRoot%\\System32\\shell32.dll,-4";
  Append(l, AtLevel(MakeShortcut(stApplication, "Editor", "C:\\edit.exe"), 1));
  l.GetItem(1)->Icon = "C:\\Icons\\pen.ico,0";
  Append(l, MakeShortcut(stFile, "Site", "https://example.org/"));
  Append(l, Separator());
  l.GetItem(3)->Icon = "C:\\never.ico";  // a line shows no icon and stores none
  ASSERT_TRUE(l.SaveToRegistry(*reg, list));

  using sv = std::vector<std::string>;
  EXPECT_EQ(SortedValueNames(*reg, list + "\\Item0"), (sv{"Caption", "Group", "Icon", "ShortcutType"}));
  EXPECT_EQ(SortedValueNames(*reg, list + "\\Item1"),
            (sv{"Caption", "Hotkey", "Icon", "Level", "Parameters", "Path", "ShortcutType", "ViewStyle",
                "WorkingDir"}));
  EXPECT_EQ(SortedValueNames(*reg, list + "\\Item2"), (sv{"Caption", "Hotkey", "Path", "ShortcutType"}));
  EXPECT_EQ(SortedValueNames(*reg, list + "\\Item3"), (sv{"ShortcutType"}));
  auto k = reg->OpenKey(list + "\\Item1", false);
  tregvalue v;
  ASSERT_TRUE(reg->QueryValue(*k, "Icon", v));
  EXPECT_EQ(v.Type, rtString);

  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(*reg, list));
  EXPECT_EQ(back.GetItem(0)->Icon, "%SystemRoot%\\System32\\shell32.dll,-4");
  EXPECT_EQ(back.GetItem(1)->Icon, "C:\\Icons\\pen.ico,0");
  EXPECT_EQ(back.GetItem(2)->Icon, "");
  EXPECT_EQ(back.GetItem(3)->Icon, "");
}

TEST_P(RegistryStore, LevelsThatDoNotFitStandInTheDeepestGroupStillOpen) {
  std::string list = Key("Shortcuts");
  SetString(list, "SavedByClass", "tzvshortcutlist");
  SetInt(list, "Count", 9);
  auto entry = [&](int i, int type, const char* caption, int group, int level, bool hasLevel = true) {
    const std::string item = list + "\\Item" + std::to_string(i);
    SetInt(item, "ShortcutType", type);
    SetString(item, "Caption", caption);
    if (group >= 0) SetInt(item, "Group", group);
    if (hasLevel) SetInt(item, "Level", level);
  };
  entry(0, 1, "Orphan", -1, 3);          // a member with no group before it
  entry(1, 0, "A", 1, 0, false);
  entry(2, 2, "Jump", -1, 5);            // deeper than one below A
  entry(3, 0, "B", 1, 1);
  entry(4, 3, "InB", -1, 2);
  entry(5, 1, "Negative", -1, -7);       // below the top: the top
  entry(6, 0, "Line", 0, 1);             // Group 0 is a separator; no group is open
  entry(7, 2, "Huge", -1, 2147483647);
  entry(8, 1, "GroupOnApp", 1, 0);       // Group only counts on a separator
  tzvshortcutlist l;
  EXPECT_TRUE(l.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Structure(l), "0Orphan,0[A],1Jump,1[B],2InB,0Negative,0-,0Huge,0GroupOnApp");
  EXPECT_EQ(l.GetItem(8)->ShortcutType, stApplication);
  EXPECT_FALSE(l.GetItem(8)->IsGroup());
}

TEST_P(RegistryStore, SavingAnEmptyListAndSavingTwoOverTen) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist ten;
  for (int i = 0; i < 10; ++i) Append(ten, MakeShortcut(stFile, "F" + std::to_string(i)));
  ASSERT_TRUE(ten.SaveToRegistry(*reg, list));
  tzvshortcutlist two;
  Append(two, MakeShortcut(stFile, "x"));
  Append(two, MakeShortcut(stFolder, "y"));
  ASSERT_TRUE(two.SaveToRegistry(*reg, list));
  EXPECT_EQ(SortedSubKeys(*reg, list), (std::vector<std::string>{"Item0", "Item1"}));
  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Describe(back), Describe(two));

  tzvshortcutlist empty;
  ASSERT_TRUE(empty.SaveToRegistry(*reg, list));
  EXPECT_TRUE(SortedSubKeys(*reg, list).empty());
  TSafeRegistry r(*reg);
  ASSERT_TRUE(r.OpenKey(list, false));
  EXPECT_EQ(r.ReadStringDef("SavedByClass", ""), "tzvshortcutlist");
  EXPECT_EQ(r.ReadIntegerDef("Count", -1), 0);
}

// A save that fails at any single write must leave the old or the new list
// complete under the list key.
TEST(RegistryStoreFaults, EveryFailedWriteLeavesOldOrNewListComplete) {
  const std::string list = ShortcutListKey;
  tzvshortcutlist oldList, newList;
  for (int i = 0; i < 10; ++i) Append(oldList, MakeShortcut(stApplication, "Old" + std::to_string(i)));
  Append(newList, MakeShortcut(stFile, "New0", "C:\\a.txt"));
  Append(newList, Separator());
  Append(newList, MakeShortcut(stFolder, "New2", "C:\\"));

  tmemoryregistry probe;
  ASSERT_TRUE(oldList.SaveToRegistry(probe, list));
  probe.FailWriteNumber(0);
  long before = probe.WritesSoFar();
  ASSERT_TRUE(newList.SaveToRegistry(probe, list));
  const long writes = probe.WritesSoFar() - before;
  const std::string cleanDump = probe.Dump("\\Software\\Halvorix");
  ASSERT_GT(writes, 10);

  for (long failAt = 1; failAt <= writes; ++failAt) {
    SCOPED_TRACE("failing write " + std::to_string(failAt));
    tmemoryregistry reg;
    ASSERT_TRUE(oldList.SaveToRegistry(reg, list));
    reg.FailWriteNumber(failAt);
    const bool saved = newList.SaveToRegistry(reg, list);
    reg.FailWriteNumber(0);
    tzvshortcutlist back;
    ASSERT_TRUE(back.LoadFromRegistry(reg, list));
    const std::string got = Describe(back);
    EXPECT_TRUE(got == Describe(oldList) || got == Describe(newList));
    if (saved) {
      EXPECT_EQ(got, Describe(newList));
    }
    // The next save cleans up whatever the failed one left behind.
    ASSERT_TRUE(newList.SaveToRegistry(reg, list));
    EXPECT_EQ(reg.Dump("\\Software\\Halvorix"), cleanDump);
  }
}

namespace {

void Numbered(tzvshortcutlist& l, const std::string& prefix, int n) {
  for (int i = 0; i < n; ++i) Append(l, MakeShortcut(stApplication, prefix + std::to_string(i)));
}

// Whatever a failed save leaves must load completely as one of the lists.
std::string LoadedOneOf(tmemoryregistry& reg, const std::vector<std::string>& lists) {
  tzvshortcutlist back;
  const bool complete = back.LoadFromRegistry(reg, ShortcutListKey);
  const std::string got = Describe(back);
  EXPECT_TRUE(complete) << got;
  EXPECT_TRUE(std::find(lists.begin(), lists.end(), got) != lists.end()) << got;
  return got;
}

}  // namespace

// Two saves in a row fail, the first at one or two consecutive registry
// operations (a deletion stopping half way, a rename refused twice, ...),
// the second at any one. Each leaves the list before it or its own new list,
// complete, and a third save still works and leaves nothing behind.
TEST(RegistryStoreFaults, FailedSavesInARowNeverLoseTheListNorBlockTheNext) {
  const std::string list = ShortcutListKey;
  tzvshortcutlist l0, l1, l2, l3;
  Numbered(l0, "Old", 6);
  Numbered(l1, "One", 3);
  Numbered(l2, "Two", 2);
  Numbered(l3, "Three", 1);
  const std::string d0 = Describe(l0), d1 = Describe(l1), d2 = Describe(l2), d3 = Describe(l3);
  tmemoryregistry clean;
  ASSERT_TRUE(l3.SaveToRegistry(clean, list));
  const std::string cleanDump = clean.Dump("\\Software\\Halvorix");

  auto writesOf = [&](tzvshortcutlist& before, tzvshortcutlist& after) {
    tmemoryregistry probe;
    EXPECT_TRUE(before.SaveToRegistry(probe, list));
    probe.FailWriteNumber(0);
    EXPECT_TRUE(after.SaveToRegistry(probe, list));
    return probe.WritesSoFar();
  };
  const long firstWrites = writesOf(l0, l1);
  for (long times = 1; times <= 2; ++times)
    for (long k = 1; k <= firstWrites; ++k) {
      tmemoryregistry base;
      ASSERT_TRUE(l0.SaveToRegistry(base, list));
      base.FailWriteNumber(k, times);
      const bool saved1 = l1.SaveToRegistry(base, list);
      base.FailWriteNumber(0);
      const std::string after1 = LoadedOneOf(base, {d0, d1});
      if (saved1) {
        EXPECT_EQ(after1, d1);
      }
      for (long j = 1;; ++j) {
        SCOPED_TRACE("first save failing at " + std::to_string(k) + " x" + std::to_string(times) +
                     ", second at " + std::to_string(j));
        tmemoryregistry reg;
        ASSERT_TRUE(l0.SaveToRegistry(reg, list));
        reg.FailWriteNumber(k, times);
        l1.SaveToRegistry(reg, list);
        reg.FailWriteNumber(j);
        const bool saved2 = l2.SaveToRegistry(reg, list);
        const bool reached = reg.WritesSoFar() >= j;
        reg.FailWriteNumber(0);
        const std::string after2 = LoadedOneOf(reg, {after1, d2});
        if (saved2) {
          EXPECT_EQ(after2, d2);
        }
        ASSERT_TRUE(l3.SaveToRegistry(reg, list));
        EXPECT_EQ(LoadedOneOf(reg, {d3}), d3);
        EXPECT_EQ(reg.Dump("\\Software\\Halvorix"), cleanDump);
        if (!reached) break;  // the second save did not get as far as write j
      }
    }
}

TEST(RegistryStoreFaults, ADeletionStoppingHalfWayLeavesNoHalfList) {
  const std::string list = ShortcutListKey;
  tzvshortcutlist oldList, newList;
  Numbered(oldList, "Old", 5);
  Numbered(newList, "New", 2);
  tmemoryregistry reg;
  ASSERT_TRUE(oldList.SaveToRegistry(reg, list));
  // The new list is staged in 19 writes: the staging key, two entry keys
  // with seven values each, Count and the marker. Then the old list loses
  // its marker and its first two subkeys; the third one stays.
  reg.FailWriteNumber(19 + 1 + 2 + 1);
  EXPECT_FALSE(newList.SaveToRegistry(reg, list));
  reg.FailWriteNumber(0);
  EXPECT_TRUE(reg.KeyExists(list + "\\Item4")) << "the deletion stopped half way";
  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(reg, list));
  EXPECT_EQ(Describe(back), Describe(newList));
}

TEST(RegistryStoreFaults, ReadOnlyRegistryReportsFalseAndKeepsTheList) {
  tmemoryregistry reg;
  tzvshortcutlist l;
  Append(l, MakeShortcut(stFile, "A"));
  ASSERT_TRUE(l.SaveToRegistry(reg, ShortcutListKey));
  reg.MakeReadOnly("\\Software\\Halvorix");
  tzvshortcutlist other;
  EXPECT_FALSE(other.SaveToRegistry(reg, ShortcutListKey));
  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(reg, ShortcutListKey));
  EXPECT_EQ(Captions(back), "A");
}

TEST_P(RegistryStore, SaveInterruptedBeforeTheSwapStillLoadsTheNewList) {
  std::string list = Key("Shortcuts");
  tzvshortcutlist l;
  Append(l, MakeShortcut(stFile, "parked"));
  ASSERT_TRUE(l.SaveToRegistry(*reg, tzvshortcutlist::StagingKey(list)));
  tzvshortcutlist back;
  EXPECT_TRUE(back.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Captions(back), "parked");
  // Once a list is in place, a leftover is ignored and the next save clears it.
  tzvshortcutlist now;
  Append(now, MakeShortcut(stFile, "now"));
  ASSERT_TRUE(now.SaveToRegistry(*reg, list));
  EXPECT_FALSE(reg->KeyExists(tzvshortcutlist::StagingKey(list)));
  tzvshortcutlist again;
  EXPECT_TRUE(again.LoadFromRegistry(*reg, list));
  EXPECT_EQ(Captions(again), "now");
}
