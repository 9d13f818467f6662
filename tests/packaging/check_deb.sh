#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root and runs the installed tools from it.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in usr/bin/tirel12 usr/bin/tirel12-cli usr/share/applications/tirel12.desktop \
         usr/share/icons/hicolor/scalable/apps/tirel12.svg usr/share/tirel12/Tirel12.html; do
  [ -e "$root/$f" ] || fail "package lacks $f"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends does not name the Qt libraries"
dpkg-deb -f "$deb" Depends | grep -q ftdi && fail "Depends names libftdi: $(dpkg-deb -f "$deb" Depends)"
rule=$root/lib/udev/rules.d/60-tirel12.rules
[ -f "$rule" ] || fail "package lacks the udev rule /lib/udev/rules.d/60-tirel12.rules"
grep -q 'ATTRS{product}=="USB-Programmer T-120K".*TAG+="uaccess".*SYMLINK+="tirel12-programmer"' "$rule" ||
  fail "udev rule does not give the cable uaccess and /dev/tirel12-programmer"
ldd "$root/usr/bin/tirel12" | grep -q ftdi && fail "tirel12 is linked to libftdi"

version=$("$root/usr/bin/tirel12-cli" --version)
[ "$version" = $'ПО Тирель-12\nВерсия 1.1' ] || fail "tirel12-cli --version printed: $version"
version=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/tirel12" --version)
[ "$version" = $'ПО Тирель-12\nВерсия 1.1' ] || fail "tirel12 --version printed: $version"

"$root/usr/bin/tirel12-cli" new --band 3 -o "$root/x.t12"
[ "$(stat -c %s "$root/x.t12")" -eq 1536 ] || fail "new did not write 1536 bytes"
lines=$("$root/usr/bin/tirel12-cli" params "$root/x.t12" --decimal-separator , | wc -l)
[ "$lines" -eq 173 ] || fail "params printed $lines lines"
"$root/usr/bin/tirel12-cli" params "$root/x.t12" | grep -q $'^frq\t438МГц - 470МГц (Р39)$' || fail "band 3 not in params"
echo "package check: 1 passed, 0 failed"
