#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: formatting; one
# optimised build that runs the plain tests and makes the Debian package (built,
# checked, installed and started once); a clang AddressSanitizer +
# UndefinedBehaviorSanitizer build that runs the tests and a bounded libFuzzer
# run, and builds the benchmarks; and a ThreadSanitizer build of the threaded
# serial code. The stages that mostly wait (tests on devices and timers, the
# package's checks) run beside the next build. Each stage's time is printed at
# the end, then the totals.
set -euo pipefail
cd "$(dirname "$0")"

export QT_QPA_PLATFORM=offscreen
jobs=2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One line per check ("passed failed") and per stage ("seconds name"), appended
# by the stages in the background too.
results=$work/results
times=$work/times
touch "$results" "$times"

count() {
  echo "$1 $2" >> "$results"
}

run_ctest() {
  local dir=$1
  shift
  local log
  log=$(mktemp -p "$work")
  (cd "$dir" && ctest -j"$jobs" --output-on-failure --timeout 600 "$@") 2>&1 | tee "$log" || true
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -n "$line" ]; then
    local f total
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    count $((total - f)) "$f"
  else
    count 0 1
  fi
}

check() {
  local name=$1
  shift
  if "$@"; then
    count 1 0
  else
    echo "FAILED: $name" >&2
    count 0 1
  fi
}

# Compiles go through ccache when it is there, keyed by paths relative to this
# folder. A unity unit names its files by absolute path, so only a run in the
# same clone hits the cache for it.
# Depend mode keys a compile by the headers the compiler itself lists, so a miss
# costs no extra preprocessor run.
launcher=()
use_ccache() {
  if command -v ccache > /dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1 CCACHE_DEPEND=1
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    ccache --zero-stats > /dev/null
  fi
}

# Each tree compiles its targets' files eight to a unit: the headers they share
# are parsed and their inline code generated once a unit instead of once a file.
unity=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=8)
# The clang trees link with lld, which links the sanitized tests in a fraction
# of the default linker's time.
lld=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)

# Warnings stop these builds. "--target NAME" pairs before the options build
# just those targets.
configure_and_build() {
  local dir=$1
  shift
  local targets=()
  while [ "${1:-}" = "--target" ]; do
    targets+=(--target "$2")
    shift 2
  done
  cmake -S . -B "$dir" -G Ninja -DDTU_WERROR=ON "${unity[@]}" "${launcher[@]}" "$@" > /dev/null
  cmake --build "$dir" -j"$jobs" "${targets[@]}"
}

# NAME COMMAND...: runs COMMAND as the stage NAME and keeps its time.
timed() {
  local name=$1
  shift
  local started=$SECONDS
  echo "== $name"
  "$@"
  echo "$((SECONDS - started)) $name" >> "$times"
}

# NAME COMMAND...: a stage beside the builds; its output follows once joined.
background_jobs=()
in_background() {
  local log
  log=$(mktemp -p "$work")
  timed "$@" > "$log" 2>&1 &
  background_jobs+=("$!:$log")
}
join_background() {
  local job
  for job in "${background_jobs[@]}"; do
    wait "${job%%:*}" || count 0 1
    cat "${job#*:}"
  done
  background_jobs=()
}

# One optimised build serves the plain tests and the package: the package's own
# flags, with the tests (and warnings as errors) added to the same tree.
release_built=0
build_release() {
  if scripts/build-package.sh build-release -DDTU_WERROR=ON -DDTU_BUILD_TESTS=ON "${unity[@]}" \
    "${launcher[@]}" &&
    cmake --build build-release -j"$jobs"; then
    release_built=1
    count 1 0
  else
    echo "FAILED: optimised build" >&2
    count 0 1
  fi
}
test_release() {
  run_ctest build-release
  local package
  package=$(ls "$PWD"/build-release/dtuconfig_*.deb)
  check "package checks" scripts/check-package.sh "$package"
  check "installed tool" scripts/try-installed.sh "$package"
}

asan_tests() {
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_ctest build-asan
}

tsan_tests() {
  TSAN_OPTIONS=halt_on_error=1 run_ctest build-tsan -L serial
}

timed "installing what is missing" scripts/install-deps.sh
use_ccache
in_background "formatting" check formatting scripts/check-format.sh

timed "optimised build and the Debian package" build_release
join_background
if [ "$release_built" -eq 1 ]; then
  in_background "plain tests, the package checked, installed and started" test_release
fi

# clang with AddressSanitizer and UndefinedBehaviorSanitizer: the tests, the
# bounded fuzzing of the reply handling and the files, and the benchmarks, which
# are built here only and run nowhere in the suite. Line tables are all the
# sanitizers' reports need.
timed "AddressSanitizer + UndefinedBehaviorSanitizer build, benchmarks built" \
  configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG=-g1 \
  -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DDTU_SANITIZE=ON -DDTU_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${lld[@]}" \
  -DDTU_BUILD_GUI=ON -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=ON
join_background
in_background "AddressSanitizer + UndefinedBehaviorSanitizer tests and fuzzing" asan_tests

# Unoptimised like the AddressSanitizer tree: its tests mostly wait on devices and
# timers, so the compile is what costs.
timed "ThreadSanitizer build (serial threads)" \
  configure_and_build build-tsan --target serial_tests --target session_tests --target cli_tests \
  --target netport_tests --target netport_e2e_tests -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_FLAGS_DEBUG=-g1 -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${lld[@]}" \
  -DDTU_TSAN=ON -DDTU_BUILD_GUI=OFF -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=OFF
join_background
timed "ThreadSanitizer tests" tsan_tests

echo
while read -r seconds name; do
  printf '%5d s  %s\n' "$seconds" "$name"
done < "$times"
printf '%5d s  whole run (the stages beside the builds overlap them)\n' "$SECONDS"
if [ ${#launcher[@]} -gt 0 ]; then
  ccache --show-stats 2>/dev/null | grep -E '^(Cacheable calls|  Hits|  Misses)' || true
fi
read -r passed failed < <(awk '{p += $1; f += $2} END {print p + 0, f + 0}' "$results")
echo
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
