#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as a user would, and
# checks what it installed: the programs run from /usr/bin, the menu entry
# and metainfo validate, the icon is there in every size and the browser
# module's libraries resolve. The package is removed again afterwards (unless
# it was installed before), so nothing installed stands in for build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(bash scripts/package-deb.sh | tail -n 1)
echo "Installing $deb"

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
was_installed=0
dpkg-query -W -f='${Status}' lumeno 2>/dev/null | grep -q "install ok installed" && was_installed=1
remove_package() {
  [ "$was_installed" -eq 1 ] || $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq lumeno >/dev/null
}
trap remove_package EXIT
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -n 's/^project(Lumeno VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
for program in lumeno lumeno-shuffle lumeno-skin; do
  [ "$(dpkg -S "/usr/bin/$program" 2>/dev/null | cut -d: -f1)" = lumeno ] || fail "/usr/bin/$program is not from the package"
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version 2>&1) || fail "installed $program --version: status $?"
  [ "$said" = "$program $version" ] || fail "installed $program --version said '$said'"
done
printf '甲，乙。' | /usr/bin/lumeno-shuffle --seed 0 | cmp -s - <(printf '乙。甲，\n。\n') || fail "installed lumeno-shuffle shuffles wrongly"

desktop-file-validate /usr/share/applications/lumeno.desktop || fail "the installed menu entry does not validate"
appstreamcli validate --no-net /usr/share/metainfo/org.lumeno.Lumeno.metainfo.xml >/dev/null \
  || fail "the installed metainfo does not validate"
for size in 16 24 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/lumeno.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon at $icon"
done

module=$(dpkg -L lumeno | grep '/lumeno-browser\.so$' || true)
if [ -n "$module" ]; then
  # The program looks for it at this place beside its own folder.
  [ "$(realpath "$module")" = "$(realpath /usr/bin/../lib/lumeno/lumeno-browser.so 2>/dev/null)" ] \
    || fail "the browser module is at $module, not where the program looks"
  ldd "$module" | grep -q 'not found' && fail "the browser module's libraries do not all resolve"
fi

[ "$failures" -eq 0 ] && echo "package: $(basename "$deb") installs and runs"
exit $((failures > 0))
