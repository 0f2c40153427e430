#!/usr/bin/env bash
# Packs the build as a Debian package, checks it with the ecosystem's own
# checkers, unpacks it into a temporary root and runs both programs from there.
set -euo pipefail
build=$1
example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
deb=$(ls "$work"/kellvar_*_*.deb)
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/kellvar ./usr/bin/kellvar-report ./usr/share/applications/kellvar.desktop \
    ./usr/share/icons/hicolor/scalable/apps/kellvar.svg ./usr/share/metainfo/org.example.kellvar.metainfo.xml \
    ./usr/share/man/man1/kellvar.1.gz ./usr/share/man/man1/kellvar-report.1.gz \
    ./usr/share/doc/kellvar/copyright ./usr/share/doc/kellvar/changelog.gz; do
  grep -qxF "$path" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no shared-library dependencies"; exit 1; }

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/kellvar.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.kellvar.metainfo.xml" >/dev/null
lintian --fail-on error "$deb" 2>/dev/null

# Both programs run from the unpacked root.
timeout 60 "$root/usr/bin/kellvar-report" --version
timeout 60 "$root/usr/bin/kellvar-report" --summary --english "$example" | grep -q $'^Tried connects:\t24'
home="$work/home"
mkdir -p "$home"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" timeout 60 "$root/usr/bin/kellvar" --version
printf '[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n' >"$root/usr/bin/kellvar.INI"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" timeout 60 "$root/usr/bin/kellvar" -quiettotal "$example"
grep -q 'Dialing' "$root/usr/bin/kellvar.ATL" || { echo "the quiet run kept no All-Time-Log"; exit 1; }
echo "package ok"
