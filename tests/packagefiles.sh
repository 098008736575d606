#!/bin/sh
# Makes the package in a folder of its own and compares the files it holds
# with those a Rondel installation needs.
# usage: packagefiles.sh CPACK BUILD
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" -G DEB -B "$out" --config "$2/CPackConfig.cmake" >/dev/null
dpkg-deb -c "$out"/rondel_*_*.deb | awk '{print $6}' | grep -v '/$' | sort >"$out/files"
diff - "$out/files" <<'LIST'
./usr/bin/rondel
./usr/share/applications/rondel.desktop
./usr/share/doc/rondel/changelog.gz
./usr/share/doc/rondel/copyright
./usr/share/icons/hicolor/scalable/apps/rondel.svg
./usr/share/man/man1/rondel.1.gz
./usr/share/metainfo/io.github.rondel.Rondel.metainfo.xml
./usr/share/mime/packages/rondel.xml
LIST
