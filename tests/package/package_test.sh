#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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

# Packed again a moment later under another umask, it is the same package, byte for byte.
sleep 1
mkdir "$work/again"
(umask 002 && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/again" >/dev/null)
# (cpack's outer archive keeps the umask in its member headers; dpkg-deb,
# which tools/make-deb uses, does not: the two archives inside must match.)
again="$work/again/$(basename "$deb")"
cmp <(dpkg-deb --fsys-tarfile "$deb") <(dpkg-deb --fsys-tarfile "$again") \
  && cmp <(dpkg-deb --ctrl-tarfile "$deb") <(dpkg-deb --ctrl-tarfile "$again") \
  || { echo "two packs of one build differ (umask 022 and 002)"; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/kellvar ./usr/bin/kellvar-report ./usr/libexec/kellvar/kellvar-chart \
    ./usr/share/applications/org.example.kellvar.desktop \
    ./usr/share/icons/hicolor/scalable/apps/kellvar.svg ./usr/share/icons/hicolor/16x16/apps/kellvar.png \
    ./usr/share/icons/hicolor/22x22/apps/kellvar.png ./usr/share/icons/hicolor/24x24/apps/kellvar.png \
    ./usr/share/icons/hicolor/32x32/apps/kellvar.png ./usr/share/icons/hicolor/48x48/apps/kellvar.png \
    ./usr/share/mime/packages/kellvar.xml ./usr/share/bash-completion/completions/kellvar-report \
    ./usr/share/icons/hicolor/64x64/apps/kellvar.png ./usr/share/icons/hicolor/128x128/apps/kellvar.png \
    ./usr/share/icons/hicolor/256x256/apps/kellvar.png ./usr/share/metainfo/org.example.kellvar.metainfo.xml \
    ./usr/share/man/man1/kellvar.1.gz ./usr/share/man/man1/kellvar-report.1.gz \
    ./usr/share/doc/kellvar/copyright ./usr/share/doc/kellvar/changelog.gz \
    ./usr/share/doc/kellvar/examples/ModemLog.txt ./usr/share/doc/kellvar/examples/ModemLog-de.txt \
    ./usr/lib/systemd/user/kellvar-archive.service ./usr/lib/systemd/user/kellvar-archive.timer; do
  grep -qxF "$path" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no shared-library dependencies"; exit 1; }
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-translations-l10n' || { echo "Qt's German texts not recommended"; exit 1; }

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.example.kellvar.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.kellvar.metainfo.xml" >/dev/null
file "$root/usr/share/icons/hicolor/256x256/apps/kellvar.png" | grep -q '256 x 256' || { echo "icon not 256 px"; exit 1; }
lintian --fail-on error,warning "$deb" 2>/dev/null
if lintian -I --pedantic "$deb" 2>/dev/null | grep 'hardening'; then
  echo "not hardened as Debian builds"
  exit 1
fi
# The units as systemd reads them, pointed at the program in the unpacked root.
units="$work/units"
mkdir "$units"
for unit in kellvar-archive.service kellvar-archive.timer; do
  sed "s#=/usr/bin/kellvar #=$root/usr/bin/kellvar #" "$root/usr/lib/systemd/user/$unit" >"$units/$unit"
done
grep -q "^ExecStart=$root/usr/bin/kellvar -quiet\$" "$units/kellvar-archive.service"
SYSTEMD_LOG_LEVEL=err systemd-analyze verify --man=no "$units/kellvar-archive.service" "$units/kellvar-archive.timer"

# Both programs run from the unpacked root.
timeout 60 "$root/usr/bin/kellvar-report" --version
timeout 60 "$root/usr/bin/kellvar-report" --summary --english "$example" | grep -q $'^Tried connects:\t24'
env -u DISPLAY timeout 60 "$root/usr/bin/kellvar-report" --chart=rates --output="$work/rates.png" "$example"
file "$work/rates.png" | grep -q '800 x 450' || { echo "kellvar-report drew no chart from the package"; exit 1; }
home="$work/home"
mkdir -p "$home"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" timeout 60 "$root/usr/bin/kellvar" --version
printf '[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n' >"$root/usr/bin/kellvar.INI"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" timeout 60 "$root/usr/bin/kellvar" -quiettotal "$example"
grep -q 'Dialing' "$root/usr/bin/kellvar.ATL" || { echo "the quiet run kept no All-Time-Log"; exit 1; }
# The desktop entry claims modem logs and the All-Time-Log, not every text file.
grep -qx 'MimeType=text/x-modem-log;' "$root/usr/share/applications/org.example.kellvar.desktop" \
  || { echo "the desktop entry claims other types"; exit 1; }
update-mime-database "$root/usr/share/mime"
grep -qx '50:text/x-modem-log:\*.atl' "$root/usr/share/mime/globs2" || { echo "*.ATL is no modem log"; exit 1; }
grep -qx '60:text/x-modem-log:modemlog.txt' "$root/usr/share/mime/globs2" || { echo "ModemLog.txt is no modem log"; exit 1; }
grep -q 'x-modem-log' "$root/usr/share/mime/magic" || { echo "no magic for the log's stamps"; exit 1; }
grep -q '^License: GPL-3+' "$root/usr/share/doc/kellvar/copyright" || { echo "not under the GPL"; exit 1; }

# The manual pages are whole: each renders down to its last section.
for page in kellvar kellvar-report; do
  MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q '^SEE ALSO' \
    || { echo "manual page $page(1) is cut short"; exit 1; }
done
echo "package ok"
