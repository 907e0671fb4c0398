#!/usr/bin/env bash
# Installs what `make fuzz` needs beyond scripts/install-deps.sh: clang 14 with its libFuzzer and
# sanitizer run-times. Kept apart so that a plain build and `make test` stay lean.
set -euo pipefail

packages=(clang libclang-rt-14-dev)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
