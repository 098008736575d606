#!/bin/sh
# Installs what is missing, builds Rondel, then starts it ("run"), runs the
# test suite ("test") or makes the Debian package ("package"). Works as root
# and as a user with sudo.
set -eu

mode=${1:-run}
program="cmake make g++ qt6-base-dev libgif-dev"
# Packages are made by CPack, which reads the dependencies off the program.
packager="dpkg-dev file"
case "$mode" in
run) packages="$program libgtest-dev libbenchmark-dev" parts=ON ;;
# The tests check the saved files, the desktop entry, the metadata, the
# manual page and the package with the tools that read them, and full
# screen under a window manager.
test) packages="$program libgtest-dev libbenchmark-dev $packager libwmf-bin fonts-urw-base35 librsvg2-bin poppler-utils
    desktop-file-utils appstream groff-base xvfb xauth x11-utils openbox" parts=ON ;;
package) packages="$program $packager" parts=OFF ;;
*) echo "usage: $0 [run|test|package]" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
build="$here/build"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRONDEL_TESTS=$parts -DRONDEL_BENCH=$parts
cmake --build "$build" -j "$(nproc)"

case "$mode" in
run) exec "$build/app/rondel" ;;
test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
package) cd "$build" && cpack -G DEB ;;
esac
