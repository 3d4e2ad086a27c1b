#!/usr/bin/env bash
# Makes the Debian package (tools/package.sh) and checks it without installing it: the files it
# holds, the desktop entry (desktop-file-validate), the AppStream metadata (appstreamcli), the
# MIME type of test files (compiled with update-mime-database) and lintian (no errors).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/packages.sh"
zrv_install_packages

deb=$(bash "$top/tools/package.sh" | tail -n 1)
version=$(sed -n 's/^project(Zorvantellique VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ "$(basename "$deb")" = "zorvantellique_${version}-1_amd64.deb" ] ||
    { echo "unexpected package name: $deb"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
(cd "$work/root" && find . -type f | sed 's|^\.||' | sort) > "$work/files"
echo "== files"
cat "$work/files"

app=org.zorvantellique.Zorvantellique
expected="/usr/bin/zorvantellique
/usr/bin/zrv-sim
/usr/share/applications/$app.desktop
/usr/share/metainfo/$app.metainfo.xml
/usr/share/mime/packages/zorvantellique.xml
/usr/share/icons/hicolor/scalable/apps/$app.svg
/usr/share/icons/hicolor/48x48/apps/$app.png
/usr/share/icons/hicolor/128x128/apps/$app.png
/usr/share/icons/hicolor/256x256/apps/$app.png
/usr/share/man/man1/zorvantellique.1.gz
/usr/share/man/man1/zrv-sim.1.gz
/usr/share/doc/zorvantellique/copyright
/usr/share/doc/zorvantellique/changelog.Debian.gz"
for page in "$top"/docs/manual/*.md; do
    expected="$expected
/usr/share/doc/zorvantellique/manual/$(basename "$page")"
done
missing=$(comm -23 <(sort <<<"$expected") "$work/files")
[ -z "$missing" ] || { echo "missing from the package:"; echo "$missing"; exit 1; }
stray=$(grep -v -e '^/usr/bin/' -e '^/usr/share/' "$work/files" || true)
[ -z "$stray" ] || { echo "outside /usr/bin and /usr/share:"; echo "$stray"; exit 1; }
for size in 48 128 256; do
    file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png" |
        grep -q "$size x $size" || { echo "icon $size is not $size x $size"; exit 1; }
done

echo "== desktop-file-validate"
desktop=$work/root/usr/share/applications/$app.desktop
desktop-file-validate "$desktop"
grep -qx 'Exec=zorvantellique %f' "$desktop"
grep -qx 'MimeType=application/x-zorvantellique-test;' "$desktop"

echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app.metainfo.xml"

echo "== MIME type"
mkdir -p "$work/mime/packages"
cp "$work/root/usr/share/mime/packages/zorvantellique.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
grep -q ':application/x-zorvantellique-test:\*\.ZRV:cs' "$work/mime/globs2"
grep -q ':application/x-zorvantellique-test:\*\.zrv:cs' "$work/mime/globs2"
grep -aq $'ZRV\r\n' "$work/mime/magic" || { echo "magic is not ZRV CR LF"; exit 1; }
echo "globs *.ZRV *.zrv, magic ZRV CR LF"

echo "== lintian"
status=0
report=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || status=$?
grep -v 'root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || { echo "lintian found errors"; exit 1; }
echo "== package ok: $deb"
