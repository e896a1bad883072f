#!/usr/bin/env bash
# Builds the Debian package in the build folder, unpacks it into a temporary
# root and checks what a user would get: the two programs, the desktop entry,
# the icon, the manual pages, the demo station, and predictions made by the
# unpacked orvanta-orbit on the installed demo station.
#
#   check_package.sh BUILD_DIR VERSION SOURCE_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
version=$2
source=$(cd "$3" && pwd)
arch=$(dpkg --print-architecture)
deb="$build/orvanta_${version}_${arch}.deb"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate man file; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/setup.sh)" >&2; exit 1; }
done

rm -f "$deb"
log=$(cd "$build" && cpack -G DEB 2>&1) || { echo "FAIL: cpack:"$'\n'"$log" >&2; exit 1; }
[ -f "$deb" ] || { echo "FAIL: cpack made no $deb" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# Control fields: version from the project, the Qt libraries it links.
[ "$(dpkg-deb -f "$deb" Package)" = orvanta ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "no description"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 qt6-translations-l10n xplanet-images \
  libpugixml1v5 libqt6sql6-sqlite; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# Nothing but /usr in the package (no test or benchmark leaking in).
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

usr="$root/usr"
for program in orvanta orvanta-orbit orvanta-log; do
  [ -x "$usr/bin/$program" ] || fail "$program missing from bin/"
  file -L "$usr/bin/$program" | grep -q ELF || fail "$program is not a program"
done

desktop="$usr/share/applications/orvanta.desktop"
if [ -f "$desktop" ]; then
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry refused: $report"
  grep -E ': (error|warning):' <<<"$report" && fail "desktop entry: $report"
  grep -q '^Exec=orvanta$' "$desktop" || fail "desktop entry does not start orvanta"
  grep -q '^Categories=.*HamRadio' "$desktop" || fail "desktop entry not in HamRadio"
  grep -q '^Categories=.*Science' "$desktop" || fail "desktop entry not in Science"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
else
  fail "no desktop entry"
  icon=orvanta
fi

icons="$usr/share/icons/hicolor"
file "$icons/scalable/apps/$icon.svg" | grep -q SVG || fail "no SVG icon $icon"
for size in 16 22 24 32 48 64 128 256; do
  file "$icons/${size}x${size}/apps/$icon.png" | grep -q "PNG image data, $size x $size" \
    || fail "no ${size}x${size} PNG icon"
done

for page in man1/orvanta.1.gz fr/man1/orvanta.1.gz man1/orvanta-orbit.1.gz man1/orvanta-log.1.gz fr/man1/orvanta-log.1.gz fr/man1/orvanta-orbit.1.gz; do
  path="$usr/share/man/$page"
  [ -f "$path" ] || { fail "manual page $page missing"; continue; }
  name=$(basename "$page" .1.gz)
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -P cat -l "$path" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -P cat -l "$path" 2>/dev/null)
  grep -q "$name" <<<"$text" || fail "manual page $page does not name $name"
  grep -q "Orvanta $version" <<<"$text" || fail "manual page $page does not carry version $version"
done
LC_ALL=C.UTF-8 MANWIDTH=80 man -P cat -l "$usr/share/man/fr/man1/orvanta.1.gz" 2>/dev/null | grep -q 'DOSSIER DE LA STATION' \
  || fail "French manual page is not in French"

demo="$usr/share/orvanta/demo"
for name in Amateur.csv Elements.cfg Frequences.cfg Transpondeurs.cfg SatNoms.cfg Nouveau_Sat.wav Alarme_Sat.wav Orvanta.html Orvanta_en.html; do
  [ -s "$demo/$name" ] || fail "demo station lacks $name"
done
for sound in Nouveau_Sat.wav Alarme_Sat.wav; do
  file "$demo/$sound" | grep -q 'WAVE audio' || fail "$sound is not a WAV file"
done
grep -q 'charset="utf-8"' "$demo/Orvanta.html" || fail "manual is not marked UTF-8"

# The unpacked programs run and tell their version.
[ "$("$usr/bin/orvanta-orbit" --version)" = "orvanta-orbit $version" ] || fail "orvanta-orbit --version"
[ "$("$usr/bin/orvanta" --version)" = "orvanta $version" ] || fail "orvanta --version"
[ "$("$usr/bin/orvanta-log" --version)" = "orvanta-log $version" ] || fail "orvanta-log --version"

# Predictions on the installed demo station: the ISS passes over Paris several
# times a day, each a few minutes long.
passes=$("$usr/bin/orvanta-orbit" passes --elements "$demo" --lat 48.85 --lon 2.35 --alt 35 \
  --start 2026-06-27T00:00:00Z --days 1 --sat "ISS (ZARYA)") || fail "orvanta-orbit passes failed"
[ "$(head -1 <<<"$passes")" = "satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,duration_s,sunlit,visible" ] \
  || fail "passes header: $(head -1 <<<"$passes")"
count=$(grep -c '^ISS (ZARYA),25544,2026-06-2[78]T' <<<"$passes" || true)
[ "$count" -ge 3 ] && [ "$count" -le 8 ] || fail "expected 3 to 8 ISS passes in a day, got $count:"$'\n'"$passes"
LC_ALL=C awk -F, 'NR > 1 && ($9 < 60 || $9 > 900 || $5 <= 0 || $5 > 90) { bad = 1 } END { exit bad }' <<<"$passes" \
  || fail "implausible ISS pass:"$'\n'"$passes"
# The stripped, installed program on the installed demo predicts what the
# built one does on the repository's demo.
built=$("$build/src/app/orvanta-orbit" passes --elements "$source/demo" --lat 48.85 --lon 2.35 --alt 35 \
  --start 2026-06-27T00:00:00Z --days 1 --sat "ISS (ZARYA)")
[ "$passes" = "$built" ] || fail "installed and built orvanta-orbit disagree:"$'\n'"$passes"$'\n'"$built"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed for $deb" >&2
  exit 1
fi
echo "package $deb: all checks passed"
