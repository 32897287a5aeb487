#!/usr/bin/env bash
# Builds the Debian package as a packager would: a Release build of what the
# package holds only, with Debian's hardening flags, installing under /usr.
# Usage: scripts/build-package.sh [build folder, default build-release] [cmake options...]
# The options are added to the tree's configuration: ./test.sh adds its tests to
# the same tree, which still builds and packs only what the package holds here.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-release}
shift || true

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The package's programs are stripped: debug information would be built only to
# be dropped.
export DEB_CFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_STRIP=-g
# Debian's optimisation level (-O2) stands; CMake's Release level would add -O3.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DDTU_BUILD_GUI=ON -DDTU_BUILD_TESTS=OFF -DDTU_BUILD_BENCH=OFF "$@" > /dev/null
cmake --build "$dir" -j2 --target dtu_package_contents
rm -f "$dir"/dtuconfig_*.deb
(cd "$dir" && cpack -G DEB)
