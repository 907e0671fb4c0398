#!/usr/bin/env bash
# Installs the Debian packages that `make package` needs on top of the build's own
# (dpkg-shlibdeps works out the package's library dependencies; CPack finds the programs with file).
# Kept apart from install-deps.sh so `make run` and `make test` stay lean.
set -euo pipefail

# xdg-utils, desktop-file-utils, xvfb and xdotool: the desktop check of an installed package (--install).
packages=(dpkg-dev file xdg-utils desktop-file-utils xvfb xdotool)

exec "$(dirname "$0")/install-packages.sh" "${packages[@]}"
