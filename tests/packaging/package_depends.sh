#!/usr/bin/env bash
# Builds the Debian package from the build folder $1 into the folder $2 and
# checks its Depends; then checks that the check refuses the same package
# with its library dependencies taken out.
# Usage: package_depends.sh BUILD-FOLDER OUTPUT-FOLDER
set -euo pipefail
build=$1
out=$2
check=$(dirname "$0")/../../packaging/check_depends.sh

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
debs=("$out"/zenlith_*.deb)
"$check" "${debs[0]}"

# The same package without its Qt libraries in Depends.
dpkg-deb -R "${debs[0]}" "$out/unpacked"
sed -i -E '/^Depends:/{s/libqt6[^,]*(, )?//g; s/, $//}' "$out/unpacked/DEBIAN/control"
dpkg-deb -b "$out/unpacked" "$out/incomplete.deb" >/dev/null
if "$check" "$out/incomplete.deb" 2>"$out/incomplete.log"; then
  echo "the check accepted a package whose Depends lacks the Qt libraries" >&2
  exit 1
fi
grep -q "libQt6Widgets.so.6" "$out/incomplete.log" || { cat "$out/incomplete.log"; exit 1; }
echo "and refuses the package without its library dependencies"
