#!/usr/bin/env bash
# Installs the Debian packages `make lint` needs (clang-format, clang-tidy); kept apart from
# install-deps.sh so `make run` and `make test` stay lean.
set -euo pipefail

packages=(clang-format clang-tidy)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
