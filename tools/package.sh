#!/usr/bin/env bash
# Builds the Debian package qvk_VERSION_ARCH.deb into the repository's root
# folder and checks it: lintian on the package, desktop-file-validate on its
# menu entry and appstreamcli on its AppStream metadata. Any error fails.
#
#     bash tools/package.sh          # a release build of its own, in build-package/
#     bash tools/package.sh build    # packages that build tree as it is
#
# The test command passes the tree it has just built and tested, so that CI
# packages the binaries its tests ran and builds nothing twice. CPack makes
# the package from the project's install rules (packaging/CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

if [ $# -eq 0 ]; then
  build=build-package
  # Debian's compiler flags with every hardening feature, as a Debian build
  # of the package would have them
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQVK_BUILD_TESTS=OFF -Wno-dev \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
  cmake --build "$build" --parallel "$(nproc)"
else
  build=$1
fi

rm -f "$build"/qvk_*.deb
(cd "$build" && cpack -G DEB)
deb=$(basename "$build"/qvk_*.deb)
mv "$build/$deb" .
echo "built $deb"

echo "checking $deb"
lintian --fail-on error "$deb"
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb --extract "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
echo "$deb: lintian, desktop-file-validate and appstreamcli validate pass"
