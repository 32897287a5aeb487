#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a plain build, an
# AddressSanitizer + UndefinedBehaviorSanitizer build, a ThreadSanitizer build of
# the threaded serial code, a bounded libFuzzer run of the reply handling, and
# the Debian package: a Release build, its checks, its installation and one
# start of the installed tool.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
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

# Warnings stop these builds; the package's build below is a packager's.
# "--target NAME" pairs before the options build just those targets.
configure_and_build() {
  local dir=$1
  shift
  local targets=()
  while [ "${1:-}" = "--target" ]; do
    targets+=(--target "$2")
    shift 2
  done
  cmake -S . -B "$dir" -G Ninja -DDTU_WERROR=ON "$@" > /dev/null
  cmake --build "$dir" -j"$jobs" "${targets[@]}"
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

echo "== formatting"
check formatting scripts/check-format.sh

echo "== plain build"
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDTU_BUILD_GUI=ON -DDTU_BUILD_TESTS=ON \
  -DDTU_BUILD_BENCH=ON
run_ctest build

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DDTU_SANITIZE=ON -DDTU_BUILD_GUI=ON \
  -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_ctest build-asan

echo "== ThreadSanitizer (serial threads)"
configure_and_build build-tsan --target serial_tests --target session_tests --target cli_tests \
  --target netport_tests --target netport_e2e_tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDTU_TSAN=ON \
  -DDTU_BUILD_GUI=OFF -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=OFF
TSAN_OPTIONS=halt_on_error=1 run_ctest build-tsan -L serial

echo "== libFuzzer (bounded run)"
configure_and_build build-fuzz --target reply_fuzzer --target files_fuzzer \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDTU_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DDTU_BUILD_GUI=OFF -DDTU_BUILD_TESTS=ON -DDTU_BUILD_BENCH=OFF
run_ctest build-fuzz -L fuzz

echo "== Debian package"
if scripts/build-package.sh build-release; then
  passed=$((passed + 1))
  package=$(ls "$PWD"/build-release/dtuconfig_*.deb)
  check "package checks" scripts/check-package.sh "$package"
  check "installed tool" scripts/try-installed.sh "$package"
else
  failed=$((failed + 1))
fi

echo
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
