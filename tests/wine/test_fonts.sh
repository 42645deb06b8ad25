#!/usr/bin/env bash
# The dialogs' font on a system with Tahoma (every test prefix has Wine's
# own) and on one without it, where they fall back to "MS Sans Serif": the
# font tests of the unit suite, run in a prefix of each kind.
. "$(dirname "$0")/lib.sh"
filter='DialogFontOnThisSystem.*:FontFamiliesOnThisSystem.*'
run_font_tests() {
  (cd "$build/tests" && wine zvtests.exe --gtest_color=no --gtest_filter="$filter" </dev/null 2>&1) | tr -d '\r'
}

zv_fresh_prefix
out=$(run_font_tests)
grep -q '^Tahoma installed: yes' <<<"$out" || { echo "$out"; zv_fail "Tahoma is not found in a test prefix"; }
grep -q '^\[  PASSED  \] 2 tests' <<<"$out" || { echo "$out"; zv_fail "font tests with Tahoma"; }
zv_driver_stop
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"

zv_fresh_prefix
rm -f "$WINEPREFIX/drive_c/windows/Fonts/tahoma.ttf" "$WINEPREFIX/drive_c/windows/Fonts/tahomabd.ttf"
zv_driver_stop
wineserver -k >/dev/null 2>&1
out=$(run_font_tests)
grep -q '^Tahoma installed: no' <<<"$out" || { echo "$out"; zv_fail "Tahoma still found after its removal"; }
grep -q '^\[  PASSED  \] 2 tests' <<<"$out" || { echo "$out"; zv_fail "font tests without Tahoma"; }
echo "PASS: Tahoma where installed, MS Sans Serif where not"
