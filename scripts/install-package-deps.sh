#!/usr/bin/env bash
# Installs the Debian packages that `make package` needs on top of the build's own
# (dpkg-shlibdeps works out the package's library dependencies; CPack finds the programs with file).
# Kept apart from install-deps.sh so `make run` and `make test` stay lean.
set -euo pipefail

packages=(dpkg-dev file)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
