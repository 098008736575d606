#!/bin/sh
# Installs what is missing, builds Rondel, then starts it ("run") or runs
# the test suite ("test"). Works as root and as a user with sudo.
set -eu

mode=${1:-run}
packages="cmake make g++ qt6-base-dev libgif-dev libgtest-dev libbenchmark-dev"
if [ "$mode" = test ]; then
    # The tests check the saved files and the desktop entry with the tools
    # that read them, and full screen under a window manager.
    packages="$packages libwmf-bin fonts-urw-base35 librsvg2-bin desktop-file-utils xvfb xauth x11-utils openbox"
fi
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

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)"

case "$mode" in
run) exec "$build/app/rondel" ;;
test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
