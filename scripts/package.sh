#!/usr/bin/env bash
# Builds the Debian package of rse, rse-cli and rse-radio-sim into dist/ and checks it:
# lintian on the package, desktop-file-validate on the desktop entry and appstreamcli on the
# AppStream metadata. Installs the Debian packages that are missing first, like the other
# scripts. Install the result with `sudo apt-get install ./dist/rse_*.deb`.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RSE_PACKAGE_BUILD_DIR:-$root/build-package}"
dist="$root/dist"

bash "$root/scripts/install-deps.sh" package

# Debian's build flags (hardening included) and the changelog's date for the generated files,
# so that the same source gives the same package.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$root/packaging/changelog" -STimestamp)"
export SOURCE_DATE_EPOCH

# The release the package is for, in its version: rse_1.0.0~deb12u1_amd64.deb on Debian 12.
release="$(. /etc/os-release && echo "${VERSION_ID:-}")"
if [[ ! "$release" =~ ^[0-9]+$ ]]; then
    echo "package.sh: this is not a Debian stable release (no VERSION_ID in /etc/os-release)" >&2
    exit 1
fi

# Only what the package holds (not the fuzz replays); installing does not build the rest.
RSE_BUILD_DIR="$build" RSE_BUILD_TARGETS="rse rse-cli rse-radio-sim rse_desktop_files" \
    bash "$root/scripts/build.sh" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DRSE_DEBIAN_SUFFIX="~deb${release}u1" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DRSE_TESTS=OFF -DRSE_BENCH=OFF -DRSE_WITH_QT=ON

rm -rf "$build/cpack"
(umask 022 && cpack --config "$build/CPackConfig.cmake" -B "$build/cpack" >"$build/cpack.log") || {
    cat "$build/cpack.log" >&2
    exit 1
}
mkdir -p "$dist"
mapfile -t debs < <(find "$build/cpack" -maxdepth 1 -name '*.deb')
if ((${#debs[@]} != 1)); then
    echo "package.sh: expected one package in $build/cpack, found ${#debs[@]}" >&2
    exit 1
fi
deb="$dist/$(basename "${debs[0]}")"
cp "${debs[0]}" "$deb"

echo "--- lintian"
lintian --fail-on error,warning "$deb"
echo "--- desktop-file-validate"
desktop-file-validate "$root/packaging/rse.desktop"
echo "--- appstreamcli validate"
appstreamcli validate --no-net "$build"/packaging/*.metainfo.xml

echo "--- $deb"
dpkg-deb --field "$deb" Package Version Installed-Size Depends
echo "size: $(stat -c %s "$deb") bytes"
