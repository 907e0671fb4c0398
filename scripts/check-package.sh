#!/usr/bin/env bash
# Builds the Debian package and checks what it would install: the two programs, the help file
# beside the editor, the desktop entry, the icons, nothing else, and Depends worked out from the
# programs' libraries. With --install it also installs the package on this machine (then removes it
# again) and checks the desktop's view of it: the profile file type is known, and opening a profile
# from the desktop (xdg-open, gio open) opens it in the running editor, under Xvfb.
# Usage: scripts/check-package.sh [--install] [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
install=0
if [ "${1:-}" = --install ]; then
  install=1
  shift
fi
build=${1:-build}

make --no-print-directory package BUILD="$build"
deb=$(ls -t "$build"/solvane_*.deb | head -n 1)
echo "Checking $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

expected=(
  usr/bin/solvane
  usr/bin/solvane-cli
  usr/libexec/solvane/solvane-cli-paint
  usr/bin/qdx5.hlp
  usr/share/applications/solvane.desktop
  usr/share/mime/packages/solvane.xml
  usr/share/icons/hicolor/scalable/apps/solvane.svg
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/solvane.png")
done

# Exactly the expected files, so a stray install rule (headers, tests, libraries) shows up here.
actual=$(cd "$root" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  fail "package contents differ from the expected list:"
  diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi

for program in usr/bin/solvane usr/bin/solvane-cli usr/libexec/solvane/solvane-cli-paint; do
  [ -x "$root/$program" ] || fail "$program missing or not executable"
  # A run path left from the build folder would load libraries from wherever that folder was.
  if readelf -d "$root/$program" 2>/dev/null | grep -Eq 'R(UN)?PATH'; then
    fail "$program carries a run path"
  fi
done

# The editor finds its help file in its own folder before it looks along PATH.
cmp -s help/qdx5.hlp "$root/usr/bin/qdx5.hlp" || fail "usr/bin/qdx5.hlp is not the help file beside the program"

desktop="$root/usr/share/applications/solvane.desktop"
if [ -f "$desktop" ]; then
  for line in "Name=Solvane" "GenericName=Wafer Profile Editor" "Exec=solvane %f" "Icon=solvane" "Terminal=false" \
              "Categories=Science;Engineering;" "MimeType=application/x-solvane-profile;"; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks '$line'"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  fi
fi

for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/solvane.png"
  [ -f "$png" ] || continue
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not a $size x $size PNG"
done

# The profile type's definition is well-formed and names the profile extensions.
mime="$root/usr/share/mime/packages/solvane.xml"
if [ -f "$mime" ]; then
  for glob in '"*.waf"' '"*.map"'; do
    grep -qF "pattern=$glob" "$mime" || fail "the MIME type lacks the glob $glob"
  done
  if command -v xmllint >/dev/null; then xmllint --noout "$mime" || fail "$mime is not well-formed XML"; fi
fi

# The command-line companion runs from the unpacked tree against the system's libraries.
"$root/usr/bin/solvane-cli" --help >/dev/null || fail "solvane-cli --help failed"
# Its painting commands hand over to the painting tool where the package puts it.
"$root/usr/bin/solvane-cli" render --help >/dev/null || fail "solvane-cli render does not reach solvane-cli-paint"

info=$(dpkg-deb -I "$deb")
field() { echo "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = solvane ] || fail "Package is not solvane"
[ "$(field Section)" = science ] || fail "Section is not science"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
# Package names only, without their version conditions.
depends_names=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  echo "$depends_names" | grep -qxF "$dependency" || fail "Depends lacks $dependency"
done

echo "Depends: $depends"

# The installed package as the desktop sees it.
if [ "$install" -eq 1 ]; then
  sudo=
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  work=$(mktemp -d)
  display=${CHECK_DISPLAY:-:59}
  pids=()
  cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    $sudo dpkg -r solvane >/dev/null || true
    rm -rf "$root" "$work"
  }
  trap cleanup EXIT
  $sudo dpkg -i "$deb" >/dev/null
  printf '"Solvane 5.1"\r\n"Check"\r\n200\r\n5\r\n8\r\n"Polar"\r\n-2147483633\r\n-2147483632\r\n1\r\n50,90,#TRUE#,0\r\n' \
    >"$work/p.waf"
  cp "$work/p.waf" "$work/no-ending"
  # A private home and runtime folder: no settings, recent files or running editor of the user's own.
  mkdir -m 700 "$work/home" "$work/run"
  export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
  # The desktop's own lookup (GIO, over the shared MIME database), as a GNOME or similar session uses it.
  export XDG_CURRENT_DESKTOP=GNOME
  for file in p.waf no-ending; do
    type=$(xdg-mime query filetype "$work/$file")
    echo "xdg-mime query filetype $file: $type"
    [ "$type" = application/x-solvane-profile ] || fail "xdg-mime takes $file for $type"
  done
  handler=$(xdg-mime query default application/x-solvane-profile)
  echo "xdg-mime query default application/x-solvane-profile: $handler"
  [ "$handler" = solvane.desktop ] || fail "profiles open with '$handler', not solvane.desktop"

  Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=$display
  window_named() {  # waits up to 20 s for a window whose title holds $1
    for _ in $(seq 100); do
      xdotool search --name "$1" >/dev/null 2>&1 && return 0
      sleep 0.2
    done
    return 1
  }
  /usr/bin/solvane >/dev/null 2>&1 &
  pids+=($!)
  window_named Untitled || fail "the installed editor shows no window"
  xdg-open "$work/p.waf" >/dev/null 2>&1 || fail "xdg-open p.waf failed"
  if window_named "p.waf"; then
    echo "xdg-open p.waf: opened in the running editor"
  else
    fail "xdg-open p.waf did not open the profile in the running editor"
  fi
  sleep 1
  # Installed editors only: other editors may run from build folders on this machine.
  editors=$(for pid in $(pgrep -x solvane); do readlink "/proc/$pid/exe"; done | grep -cx /usr/bin/solvane || true)
  [ "$editors" -eq 1 ] || fail "$editors editors run after xdg-open: the second start did not hand over"
  if [ -n "${CHECK_SCREENSHOT:-}" ] && command -v import >/dev/null; then import -window root "$CHECK_SCREENSHOT"; fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "Package $(basename "$deb") checked: $(echo "$actual" | wc -l) files as expected."
