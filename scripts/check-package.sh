#!/usr/bin/env bash
# Checks a built package: its desktop entry, its AppStream metadata, and lintian,
# whose errors fail the check (its warnings are shown).
# Usage: scripts/check-package.sh dtuconfig_<version>_<arch>.deb
set -euo pipefail
deb=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

status=0
desktop-file-validate "$tree"/usr/share/applications/*.desktop || status=1
appstreamcli validate-tree --no-net "$tree" || status=1
lintian --fail-on error "$deb" || status=1
exit $status
