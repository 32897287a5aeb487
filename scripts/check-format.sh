#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it,
# and when the files cannot be listed or checked at all.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format > /dev/null; then
  echo "clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
if ! listed=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h'); then
  echo "cannot list the project's C++ files: this needs a git work tree" >&2
  exit 1
fi
if [ -z "$listed" ]; then
  echo "no C++ files listed" >&2
  exit 1
fi

unformatted=()
while IFS= read -r file; do
  if ! clang-format --dry-run -Werror "$file" > /dev/null 2>&1; then
    unformatted+=("$file")
  fi
done <<< "$listed"

if [ ${#unformatted[@]} -ne 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}"
  exit 1
fi
echo "all C++ files formatted"
