#!/usr/bin/env bash
# Installs what building, running, testing and packaging Zorvane and regenerating its data
# need on Debian 12; safe to run again.
set -euo pipefail
packages=(
    g++ cmake ninja-build make
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core xdg-utils xdotool imagemagick openbox xclip x11-utils
    clang libclang-rt-14-dev clang-tidy-14
    python3 python3-jsonschema ca-certificates
    file dpkg-dev lintian man-db
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
# tools/regenerate needs an npm command; a machine whose Node.js already brings one would
# refuse Debian's npm package as a conflict.
command -v npm > /dev/null || missing+=(npm)
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
