#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Runs apt-get only when something is missing, as root or through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev
  clang-format  # tools/check-format.sh: the suite fails on an unformatted file
  libgeographiclib-dev
  libhamlib-utils  # rotctld: the rotator tests turn its dummy rotator
  libfaketime  # runs the dummy rotator's clock ten times as fast: those tests take seconds, not minutes
  xvfb xauth fonts-dejavu-core fonts-liberation2
  libxcb1-dev  # the caption test reads the title bars from the X server
  tzdata  # the world clocks' time zones: the tests read Sydney's and London's rules
  tesseract-ocr  # the band chart test reads the chart back as its reader would
  # tools/package.sh: dpkg-shlibdeps for the package's Depends, and the checks
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
