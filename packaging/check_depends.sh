#!/usr/bin/env bash
# Fails unless the Debian package's Depends names, for every ELF file the
# package installs, the package of every shared library that file needs
# (its NEEDED entries, looked up with dpkg -S on this machine).
# Usage: check_depends.sh PACKAGE.deb
set -euo pipefail
deb=$1

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# The package names Depends lists, alternatives included, versions dropped.
declare -A depends=()
for name in $(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/:.*//' | tr -d ' '); do
  depends[$name]=1
done

missing=0
elf_files=0
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  elf_files=$((elf_files + 1))
  for library in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    owners=$(dpkg -S "*/$library" 2>/dev/null | sed -n "s|^\([^:]*\)[^ ]*: .*/$library\$|\1|p" | sort -u)
    if [ -z "$owners" ]; then
      echo "${file#"$root"}: $library belongs to no Debian package on this machine" >&2
      missing=1
      continue
    fi
    named=""
    for owner in $owners; do
      [ -n "${depends[$owner]:-}" ] && named=$owner
    done
    if [ -z "$named" ]; then
      echo "${file#"$root"}: needs $library from $(echo $owners), which Depends does not name" >&2
      missing=1
    fi
  done
done < <(find "$root" -type f -print0)

if [ "$elf_files" -eq 0 ]; then
  echo "$deb installs no ELF file: nothing to check, so the package is wrong" >&2
  exit 1
fi
[ "$missing" -eq 0 ] || { echo "Depends of $deb: $(dpkg-deb -f "$deb" Depends)" >&2; exit 1; }
echo "Depends of $deb covers the libraries of its $elf_files ELF file(s)"
