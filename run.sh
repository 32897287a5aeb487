#!/usr/bin/env bash
# Installs what is missing, builds, starts a simulated device and runs the tool.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDTU_BUILD_GUI=ON
cmake --build build -j2 --target dtuconfig dtuconfig-cli dtusim

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Built build/bin/dtuconfig, but there is no desktop to show it on (DISPLAY is not set)." >&2
  exit 1
fi

# A simulated device on a pseudo-terminal, offered first in the port list under a
# link name of its own: /tmp/dtusim0, or the next free one while another run
# holds that. A link left by a run that ended points nowhere and is free again.
# The device prints its terminal's name once the link is in place; its later
# trace is not wanted, and it runs on when that pipe closes.
sim_port=
for n in $(seq 0 99); do
  if [ ! -e "/tmp/dtusim$n" ]; then
    sim_port=/tmp/dtusim$n
    break
  fi
done
if [ -z "$sim_port" ]; then
  echo "No free name /tmp/dtusim0 to /tmp/dtusim99 for the simulated device." >&2
  exit 1
fi
sim_wait_s=10
exec {sim_out}< <(exec build/bin/dtusim --link "$sim_port")
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true' EXIT
ready=0
read -r -t "$sim_wait_s" -u "$sim_out" _ || ready=$?
if [ "$ready" -gt 128 ]; then
  echo "The simulated device did not make $sim_port ready within $sim_wait_s s." >&2
  exit 1
elif [ "$ready" -ne 0 ]; then
  status=0
  wait "$sim_pid" || status=$?
  echo "The simulated device stopped (exit status $status) before $sim_port was ready." >&2
  exit 1
fi
exec {sim_out}<&-
export DTUCONFIG_EXTRA_PORTS="$sim_port${DTUCONFIG_EXTRA_PORTS:+:$DTUCONFIG_EXTRA_PORTS}"
echo "Simulated device: $sim_port (try: build/bin/dtuconfig-cli version $sim_port)"

build/bin/dtuconfig
