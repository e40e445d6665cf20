#!/usr/bin/env bash
# Applies each fault of faults.txt in turn to a scratch copy of the tree,
# rebuilds the unit tests (and the gl tests for a fault in src/render/), runs
# them and reports whether they caught it. Not part of `make test`.
#   tests/mutants/run-mutants.sh [WORK_DIR] [FAULT_NUMBER...]
# WORK_DIR (default build-mutants) keeps the copy and its build between runs.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(realpath -m "${1:-$top/build-mutants}")
shift || true
tree=$work/tree build=$work/build
faults=$top/tests/mutants/faults.txt

# The copy is the working tree as it is now, committed or not. Only files
# whose content differs are copied, with a new time: a run stopped half way
# leaves no fault behind in the build.
mkdir -p "$tree"
(cd "$top" && git ls-files -z | rsync -rlp --checksum --from0 --files-from=- . "$tree/")
comm -23 <(cd "$tree" && find . -type f -printf '%P\n' | sort) <(cd "$top" && git ls-files | sort) |
  (cd "$tree" && xargs -r rm -f)
[ -f "$build/CMakeCache.txt" ] || cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=None >/dev/null
export SDL_AUDIODRIVER=dummy VELVETARIUM_GAME_DIR=$build/game

build_tests() { nice cmake --build "$build" -j 2 --target "$@" >"$work/build.log" 2>&1; }
run_tests() {  # 0 when every test passes; the gl tests only for "gl"
  (cd "$build/tests" && timeout 900 ./unit_tests --gtest_fail_fast --gtest_brief=1 >"$work/unit.log" 2>&1 &&
    { [ "$1" != gl ] || timeout 900 "$top/scripts/with-xvfb" ./gl_tests --gtest_fail_fast --gtest_brief=1 >"$work/gl.log" 2>&1; })
}
build_tests unit_tests gl_tests && run_tests gl || { echo "the unchanged tree fails (see $work/*.log)"; exit 2; }

caught=0 missed=0 broken=0 number=0
while IFS=$'\t' read -r file old new; do
  case "$file" in ''|'#'*) continue ;; esac
  number=$((number + 1))
  [ $# -gt 0 ] && [[ " $* " != *" $number "* ]] && continue
  kind=unit targets=(unit_tests)
  [[ $file == src/render/* ]] && kind=gl targets=(unit_tests gl_tests)
  if ! python3 -c 'import sys; p, o, n = sys.argv[1:]; o, n = (s.replace("\\n", "\n") for s in (o, n)); t = open(p).read()
if t.count(o) != 1: sys.exit(1)
open(p, "w").write(t.replace(o, n))' "$tree/$file" "$old" "$new"; then
    verdict="not applied (text not found once)"; broken=$((broken + 1))
  elif ! build_tests "${targets[@]}"; then
    verdict="does not build"; broken=$((broken + 1))
  elif run_tests $kind; then
    verdict=MISSED; missed=$((missed + 1))
  else
    verdict=caught; caught=$((caught + 1))
  fi
  cp -p "$top/$file" "$tree/$file" && touch "$tree/$file"
  printf '%2d %-7s %s: %s -> %s\n' "$number" "$verdict" "$file" "$old" "$new"
done <"$faults"
build_tests unit_tests gl_tests >/dev/null  # leave the build matching the tree
echo "caught $caught of $((caught + missed)) faults ($broken not applied or not building)"
