#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: formatting; one
# optimised build that runs the plain tests and makes the Debian package (built,
# checked, installed and started once); a clang AddressSanitizer +
# UndefinedBehaviorSanitizer build that runs the tests and a bounded libFuzzer
# run, and builds the benchmarks; and a ThreadSanitizer build of the threaded
# serial code. Each stage's time is printed at the end.
set -euo pipefail
cd "$(dirname "$0")"

export QT_QPA_PLATFORM=offscreen
jobs=2
passed=0
failed=0

run_ctest() {
  local dir=$1
  shift
  local log
  log=$(mktemp)
  local rc=0
  (cd "$dir" && ctest -j"$jobs" --output-on-failure --timeout 600 "$@") 2>&1 | tee "$log" || rc=$?
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -n "$line" ]; then
    local f total
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - f))
    failed=$((failed + f))
  else
    failed=$((failed + 1))
  fi
  rm -f "$log"
  return 0
}

# Warnings stop these builds.
# "--target NAME" pairs before the options build just those targets.
configure_and_build() {
  local dir=$1
  shift
  local targets=()
  while [ "${1:-}" = "--target" ]; do
    targets+=(--target "$2")
    shift 2
  done
  cmake -S . -B "$dir" -G Ninja -DDTU_WERROR=ON "${launcher[@]}" "$@" > /dev/null
  cmake --build "$dir" -j"$jobs" "${targets[@]}"
}

# Compiles go through ccache when it is there, keyed by paths relative to this
# folder, so that a fresh clone of the same commit on this machine hits the cache.
launcher=()
use_ccache() {
  if command -v ccache > /dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    ccache --zero-stats > /dev/null
  fi
}

# Each stage's time, printed at the end.
stage_names=()
stage_seconds=()
stage_started=$SECONDS
stage_end() {
  if [ ${#stage_names[@]} -gt 0 ]; then
    stage_seconds+=($((SECONDS - stage_started)))
  fi
  stage_started=$SECONDS
}
stage() {
  stage_end
  stage_names+=("$1")
  echo "== $1"
}

check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $name" >&2
    failed=$((failed + 1))
  fi
}

stage "installing what is missing"
scripts/install-deps.sh
use_ccache

stage "formatting"
check formatting scripts/check-format.sh

# One optimised build serves the plain tests and the package: the package's own
# Release flags, with the tests (and warnings as errors) added to the same tree.
stage "optimised build, plain tests and the Debian package"
release_options=(-DDTU_WERROR=ON -DDTU_BUILD_TESTS=ON "${launcher[@]}")
if scripts/build-package.sh build-release "${release_options[@]}" &&
  cmake --build build-release -j"$jobs"; then
  run_ctest build-release
  passed=$((passed + 1))
  package=$(ls "$PWD"/build-release/dtuconfig_*.deb)
  check "package checks" scripts/check-package.sh "$package"
  check "installed tool" scripts/try-installed.sh "$package"
else
  echo "FAILED: optimised build" >&2
  failed=$((failed + 1))
fi

# clang with AddressSanitizer and UndefinedBehaviorSanitizer: the tests, the
# bounded fuzzing of the reply handling and the files, and the benchmarks, which
# are built here only and run nowhere in the suite.
stage "AddressSanitizer + UndefinedBehaviorSanitizer, fuzzing, benchmarks built"
configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DDTU_SANITIZE=ON -DDTU_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DDTU_BUILD_GUI=ON -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_ctest build-asan

stage "ThreadSanitizer (serial threads)"
configure_and_build build-tsan --target serial_tests --target session_tests --target cli_tests \
  --target netport_tests --target netport_e2e_tests -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DDTU_TSAN=ON -DDTU_BUILD_GUI=OFF -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=OFF
TSAN_OPTIONS=halt_on_error=1 run_ctest build-tsan -L serial
stage_end

echo
for i in "${!stage_names[@]}"; do
  printf '%5d s  %s\n' "${stage_seconds[$i]}" "${stage_names[$i]}"
done
printf '%5d s  whole run\n' "$SECONDS"
if [ ${#launcher[@]} -gt 0 ]; then
  ccache --show-stats 2>/dev/null | grep -E '^(Cacheable calls|  Hits|  Misses)' || true
fi
echo
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
