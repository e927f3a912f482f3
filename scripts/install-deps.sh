#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-svg-dev libgl1-mesa-dev
  libcurl4-openssl-dev libsodium-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth python3-pyftpdlib python3-openssl openssl minisign poppler-utils fonts-dejavu-core fonts-wqy-microhei python3-jsonschema qt6-translations-l10n
  libqt6sql6-sqlite libqt6sql6-psql postgresql
  dpkg-dev lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Several builds of one machine may install at once: one apt at a time.
exec 9>"${TMPDIR:-/tmp}/scleron-install-deps.lock"
flock 9
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
