#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev lld cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  # Qt's own texts (standard buttons, file dialogs) in Chinese.
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev
  fonts-wqy-microhei fontconfig xdg-utils
  clang-format
  # Compiles of a commit built before are taken from the cache.
  ccache
  # The network-port tests start a serial device server in front of the simulated device.
  ser2net
  # The icon, the package and their checks.
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "Missing packages, and this user can install none (not root, no sudo). As root, run:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another build on this machine may be installing at the same moment.
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
  "${missing[@]}"
