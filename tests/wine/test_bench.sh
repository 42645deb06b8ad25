#!/usr/bin/env bash
# The benchmark table with tiny counts: every figure can still be taken and
# shows up in the table (the figures themselves are not judged here).
. "$(dirname "$0")/lib.sh"
zv_fresh_prefix
out=$(cd "$build/bench" && wine zvbench.exe --quick 2>/dev/null </dev/null)
status=$?
echo "$out"
[ $status -eq 0 ] || zv_fail "zvbench --quick ended with $status"
case $(zv_pe_machine "$exe") in
  x64) arch="x64 (64-bit)" ;;
  *) arch="x86 (32-bit)" ;;
esac
grep -qF "Measured: the $arch program" <<<"$out" || zv_fail "the table does not name the $arch program"
for row in "start-up to active tray icon, empty list" "registry save" "registry load" ".shl export" \
           ".shl import" "menu rebuild, 40 entries" "menu measure and draw" "editor fill" \
           "editor repaint of visible rows, large mode" "editor page-down scroll repaint, small mode" \
           "working set after start" "private memory (RssAnon)" "zorvane.exe size"; do
  grep -qF -- "$row" <<<"$out" || zv_fail "no row \"$row\" in the table"
done
echo "PASS"
