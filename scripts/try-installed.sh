#!/usr/bin/env bash
# Installs a built package with apt, then starts the installed tool once the
# way its desktop entry does, on the offscreen platform. The tool must show its
# port window and end by itself (its start-up probe), and keep its files in the
# user's folder, never beside the program, even when run as root.
# Usage: scripts/try-installed.sh dtuconfig_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo > /dev/null; then
    echo "Installing $deb needs root or sudo." >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get -o DPkg::Lock::Timeout=600 install -y -qq --reinstall "$deb" > /dev/null

fail() {
  echo "installed tool: $*" >&2
  exit 1
}

entry=$(dpkg -L dtuconfig | grep '^/usr/share/applications/.*\.desktop$') ||
  fail "the package has no desktop entry"
command_line=$(sed -n 's/^Exec=//p' "$entry")
program=$(command -v "${command_line%% *}") || fail "$command_line is not on the PATH"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
read -r -a words <<< "$command_line"
output=$(cd "$home" && env -u XDG_CONFIG_HOME -u DTUCONFIG_CONFIG_DIR HOME="$home" \
  QT_QPA_PLATFORM=offscreen DTUCONFIG_STARTUP_PROBE=1 timeout 60 "${words[@]}" 2>&1) ||
  fail "$command_line did not start and end cleanly: $output"
grep -q '^probe shown$' <<< "$output" || fail "no window came up: $output"
[ -f "$home/.config/dtuconfig/Lx1Lang.txt" ] || fail "no language file in ~/.config/dtuconfig"
[ ! -e "$(dirname "$program")/Lx1Lang.txt" ] || fail "files were written beside $program"
echo "installed tool started from $entry and kept its files in ~/.config/dtuconfig"
