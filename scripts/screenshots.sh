#!/usr/bin/env bash
# Takes the README's screenshots of the real editor under Xvfb: the main window with a 17-point
# pattern (docs/main-window.png) and the parameters dialog over it (docs/parameters-dialog.png).
# Usage: scripts/screenshots.sh [BUILD_FOLDER]   (default: build; run `make build` first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$build/src/app/solvane"
[ -x "$program" ] || { echo "No $program: run 'make build' first." >&2; exit 1; }

missing=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick openbox:openbox; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q && $sudo apt-get install -y -q "${missing[@]}"
fi

# A settings store of its own: a 200 mm wafer model, the window filling a small screen.
home=$(mktemp -d)
mkdir -p "$home/.config/Solvane"
printf '[Main]\nType=12\n[QDX]\nWafDia=200\nLeft=0\nTop=0\nWidth=14250\nHeight=9450\n' >"$home/.config/Solvane/Solvane.ini"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 960x680x24 -dpi 96 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
sleep 1
export DISPLAY=$display
# A window manager draws the title bars, so the dialog shows as a dialog.
HOME=$home openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
HOME=$home XDG_RUNTIME_DIR=$home "$program" >/dev/null 2>&1 &
editor=$!
trap 'kill $editor $wm $xvfb 2>/dev/null; rm -rf "$home"' EXIT

window=$(xdotool search --sync --name "Solvane/Wafer" | head -1)
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --clearmodifiers alt+d 1    # Draw > 17 Point
sleep 0.5
xdotool type --delay 20 "17-point pattern on a 200 mm wafer"
xdotool key Tab
sleep 0.5
mkdir -p docs
import -window root docs/main-window.png
xdotool key --clearmodifiers alt+s p    # Setup > Parameters
sleep 0.8
import -window root docs/parameters-dialog.png
xdotool key Escape
echo "Wrote docs/main-window.png and docs/parameters-dialog.png"
