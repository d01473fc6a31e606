#!/usr/bin/env bash
# Checks a built Debian package of Venkora: its fields, that it unpacks and installs into a
# scratch root, exactly the expected files, computed dependencies, valid AppStream metainfo,
# manual pages that render without warnings, a batch tool that runs, and lintian: any error,
# warning or information it gives fails the check (the package's overrides, each with its
# reason, are resources/package/lintian-overrides). The tools it needs are those
# scripts/install-deps.sh installs; a missing one fails the check.
#
#   scripts/check-package.sh [--unhardened-build] PACKAGE.deb
#
# --unhardened-build: the package was made from a build without the distribution's build flags
# (dpkg-buildflags), such as a build folder configured by hand in the test package.DebianPackage;
# lintian's hardening tags, which judge only those flags, are left out. `make package` builds
# with the flags and is checked without this switch.
set -euo pipefail

hardening_tags=hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-pie,hardening-no-relro
lintian_options=(--display-info --fail-on error,warning,info)
if [ "${1-}" = --unhardened-build ]; then
  lintian_options+=(--suppress-tags "$hardening_tags")
  shift
fi
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }
for tool in lintian appstreamcli man; do
  command -v "$tool" > /dev/null || fail "$tool fehlt (scripts/install-deps.sh installiert es)"
done

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = venkora ] || fail "Package ist nicht venkora"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "falsche Architecture"
[ -n "$(field Maintainer)" ] || fail "kein Maintainer"
# Computed by dpkg-shlibdeps from the programs' libraries; the SVG plugins named by hand.
depends=$(field Depends)
names=$(tr ',' '\n' <<< "$depends" | awk '{ print $1 }')
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqscintilla2-qt6-15 libqt6svg6 libeditorconfig0; do
  grep -qxF "$library" <<< "$names" || fail "Depends nennt $library nicht: $depends"
done

# As root: installs into a scratch root with a dpkg database of its own (the libraries are not
# there, so only the dependencies are overlooked). Otherwise the package is unpacked there.
installed=false
if [ "$(id -u)" -eq 0 ]; then
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
  touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
  dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" > "$root/dpkg.log" 2>&1 ||
    { cat "$root/dpkg.log" >&2; fail "dpkg -i in einen leeren Wurzelordner schlug fehl"; }
  rm "$root/dpkg.log"
  installed=true
else
  dpkg-deb -x "$deb" "$root"
fi

expected=(
  usr/bin/venkora
  usr/bin/venkora-optimieren
  usr/share/applications/venkora.desktop
  usr/share/doc/venkora/changelog.gz
  usr/share/doc/venkora/copyright
  usr/share/icons/hicolor/scalable/apps/venkora.svg
  usr/share/lintian/overrides/venkora
  usr/share/man/de/man1/venkora-optimieren.1.gz
  usr/share/man/de/man1/venkora.1.gz
  usr/share/man/man1/venkora-optimieren.1.gz
  usr/share/man/man1/venkora.1.gz
  usr/share/metainfo/example.talberg.Venkora.metainfo.xml
  usr/share/venkora/tips.txt
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/venkora.png")
done
actual=$(cd "$root" && find usr \( -type f -o -type l \) | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
[ "$actual" = "$wanted" ] || fail "$(printf 'Dateien weichen ab (< im Paket, > erwartet):\n%s' \
  "$(diff <(echo "$actual") <(echo "$wanted") || true)")"
[ -z "$(cd "$root" && find usr -type f -perm /022)" ] || fail "Dateien für andere beschreibbar"
[ -z "$(cd "$root" && find usr -type d -empty)" ] || fail "leere Ordner im Paket"
for program in venkora venkora-optimieren; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program ist nicht ausführbar"
done
if $installed; then
  # dpkg recorded every file, so removing the package would remove them all.
  for file in "${expected[@]}"; do
    grep -qx "/$file" "$root/var/lib/dpkg/info/venkora.list" || fail "dpkg kennt /$file nicht"
  done
fi

for size in 16 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/venkora.png
  file -b "$png" | grep -q "PNG image data, $size x $size" || fail "$png: kein PNG mit $size Pixeln"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/example.talberg.Venkora.metainfo.xml" \
  > "$root/appstream.log" 2>&1 || { cat "$root/appstream.log" >&2; fail "AppStream-Metadaten ungültig"; }
for page in "$root"/usr/share/man/man1/*.gz "$root"/usr/share/man/de/man1/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null || true)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
version=$("$root/usr/bin/venkora-optimieren" --version)
[ "$version" = "venkora-optimieren $(field Version)" ] || fail "--version sagt $version"
status=0
lintian "${lintian_options[@]}" "$deb" > "$root/lintian.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || { cat "$root/lintian.log" >&2; fail "lintian beanstandet das Paket (Rückgabewert $status)"; }
echo "check-package: $(basename "$deb") ist in Ordnung (${#expected[@]} Dateien)"
