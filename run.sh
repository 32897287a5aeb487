#!/usr/bin/env bash
# Installs what is missing, builds, starts a simulated device and runs the tool.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDTU_BUILD_GUI=ON
cmake --build build -j2 --target dtuconfig dtusim

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Built build/bin/dtuconfig, but there is no desktop to show it on (DISPLAY is not set)." >&2
  exit 1
fi

# A simulated device on a pseudo-terminal, offered in the port list as /tmp/dtusim0.
build/bin/dtusim --link /tmp/dtusim0 > /dev/null &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
export DTUCONFIG_EXTRA_PORTS="/tmp/dtusim0${DTUCONFIG_EXTRA_PORTS:+:$DTUCONFIG_EXTRA_PORTS}"

build/bin/dtuconfig
