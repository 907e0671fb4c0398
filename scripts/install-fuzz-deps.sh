#!/usr/bin/env bash
# Installs what `make fuzz` needs beyond scripts/install-deps.sh: clang 14 with its libFuzzer and
# sanitizer run-times. Kept apart so that a plain build and `make test` stay lean.
set -euo pipefail

packages=(clang libclang-rt-14-dev)

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
