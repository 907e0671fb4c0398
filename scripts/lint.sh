#!/usr/bin/env bash
# Format check (.clang-format) over src/, tests/ and bench/, then clang-tidy (.clang-tidy) over src/
# with the build folder's compile_commands.json. Prints each finding and a summary by kind; fails
# when either finds anything. Usage: scripts/lint.sh [BUILD_FOLDER] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-$(nproc)}
database="$build/compile_commands.json"
[ -f "$database" ] || { echo "$database missing: configure the build first (make configure)" >&2; exit 2; }

status=0

# --- Format.
mapfile -t sources < <(find src tests bench -path tests/data -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
format_log=$(clang-format --dry-run --Werror "${sources[@]}" 2>&1 || true)
if [ -n "$format_log" ]; then
  echo "$format_log"
  format_files=$(echo "$format_log" | grep -E '^[^ ].*: error: ' | cut -d: -f1 | sort -u)
  echo "clang-format: $(echo "$format_files" | wc -l) of ${#sources[@]} files differ from .clang-format" \
       "($(echo "$format_log" | grep -c ': error: ') places)."
  status=1
else
  echo "clang-format: all ${#sources[@]} files formatted."
fi

# --- clang-tidy, over the src/ files the build knows (a file added since the last configure is skipped).
mapfile -t units < <(find "$PWD/src" -name '*.cpp' | sort | while read -r f; do
  grep -qF "\"file\": \"$f\"" "$database" && echo "$f"; done)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
printf '%s\n' "${units[@]}" | xargs -P "$jobs" -I{} sh -c \
  'clang-tidy -p "$1" --quiet "$2" > "$3/$(echo "$2" | tr / _).log" 2>&1 || true' sh "$build" {} "$logs"
# A header's findings repeat once per file that includes it: keep each place once.
# Only places in src/: the analyzer also reports inside Qt's headers, where a QObject handed to its
# parent looks like a leak.
findings=$(cat "$logs"/*.log | sed 's/\x1b\[[0-9;]*m//g' | grep -E "^$PWD/src/.*:[0-9]+:[0-9]+: (warning|error): " | sort -u || true)
if [ -n "$findings" ]; then
  echo "$findings" | sed "s|^$PWD/||"
  echo "clang-tidy: $(echo "$findings" | wc -l) findings in ${#units[@]} files of src/:"
  echo "$findings" | grep -oE '\[[a-z0-9.,-]+\]$' | sort | uniq -c | sort -rn
  status=1
else
  echo "clang-tidy: no findings in ${#units[@]} files of src/."
fi
exit $status
