#!/usr/bin/env bash
# Installs the Debian packages Orvanta needs (only the missing ones), then
# configures and builds it in build/. Safe to run again: it does nothing that
# is already done.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgl-dev
  qt6-translations-l10n # Qt's own French texts for standard buttons
  ca-certificates # the element update checks the certificates of https servers
  libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev desktop-file-utils man-db file
  python3 librsvg2-bin
  locales libfaketime
  libhamlib-dev libhamlib-utils
  nlohmann-json3-dev libpugixml-dev # the OMM element readers (JSON, XML)
  clang-14 libclang-rt-14-dev
  xvfb xauth x11-utils xdotool imagemagick # the test of the real window
  xplanet-images # the world map's day and night images
  dbus # the alarm tests' private session bus (dbus-daemon)
  qt6-httpserver-dev qt6-websockets-dev # the remote station's server
  libqt6sql6-sqlite libsqlite3-dev # the log of contacts (its export reads SQLite directly)
  libsodium-dev # the remote station's password hashes
  qt6-l10n-tools qt6-tools-dev # lupdate and lrelease for the English translation, and their CMake functions
  libhwy-dev # the batch propagation's vector code
  chromium chromium-driver python3-selenium # the remote page's browser test
)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests run a second time under the French locale our operators use.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; then
  echo "Generating the fr_FR.UTF-8 locale"
  if grep -q '^# *fr_FR.UTF-8 UTF-8' /etc/locale.gen; then
    $SUDO sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'fr_FR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen
fi

# Compilations are cached across builds and clones: paths are taken relative
# to the clone, so a fresh clone of the same sources compiles nothing again.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
# moc only rescans a folder when its CMakeLists.txt changes, so a source file
# added since the last build (by an update) would be missed: start its scan afresh.
stamp=build/.sources-scanned
if [ ! -f "$stamp" ] || [ -n "$(find src -name '*.h' -newer "$stamp" -print -quit)" ]; then
  find build -type d -name '*_autogen' -prune -exec rm -rf {} +
  cmake -S . -B build >/dev/null
  touch "$stamp"
fi
cmake --build build -j"$(nproc)"
