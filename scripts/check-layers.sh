#!/usr/bin/env bash
# Fails when a folder includes from a folder it may not reach: the core below
# the front ends, and neither front end from the other. Each row names a folder
# and the folders it may include from; app/ may also start the main window.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [lang]=""
  [settings]="lang"
  [port]=""
  [protocol]="port lang"
  [serial]="port lang"
  [netport]="serial port lang"
  [form]="protocol port settings lang"
  [session]="form netport protocol serial port settings lang"
  [render]="session form netport protocol serial port settings lang"
  [shell]=""
  [widgets]="lang"
  [cli]="render shell session form netport protocol serial port settings lang"
  [mainwindow]="widgets render shell session form netport protocol serial port settings lang"
  [app]="widgets render shell session form netport protocol serial port settings lang"
)
# The one reach across the front ends: the application starts the main window.
exceptions=("app mainwindow/main_window.h")

failed=0
for folder in "${!allowed[@]}"; do
  while IFS= read -r hit; do
    file=${hit%%:*}
    target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$hit")
    top=${target%%/*}
    [ "$top" = "$folder" ] && continue
    [[ " ${allowed[$folder]} " == *" $top "* ]] && continue
    [[ " ${exceptions[*]} " == *"$folder $target"* ]] && continue
    echo "upward include: $file includes $target" >&2
    failed=1
  done < <(grep -rEn '^#include "[a-z_]+/' "$folder" --include='*.cpp' --include='*.h' || true)
done
exit "$failed"
