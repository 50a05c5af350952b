#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop needs: the program, its menu entry, its
# icons and its software-centre description, each in its freedesktop place and each valid. The validators
# run when they are installed (scripts/install-deps.sh installs them).
# Usage: check_install.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build_dir=$1
app_id=$2
version=$3

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null
root="$stage/usr"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

program="$root/bin/velmark"
desktop="$root/share/applications/$app_id.desktop"
metainfo="$root/share/metainfo/$app_id.metainfo.xml"
[ -x "$program" ] || fail "no program at $program"
[ -f "$desktop" ] || fail "no desktop entry at $desktop"
[ -f "$metainfo" ] || fail "no metadata at $metainfo"
[ -f "$root/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
  icon="$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  # The PNG header carries the picture's width and height at bytes 16-23.
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "icon ${size}x${size} is ${width}x${height}"
done

grep -qx "Exec=velmark" "$desktop" || fail "the desktop entry does not start velmark"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon"
for key in "Name" "Name\[el\]" "Comment" "Comment\[el\]"; do
  grep -q "^$key=." "$desktop" || fail "the desktop entry has no $key"
done
grep -q "^Categories=.*Education;" "$desktop" || fail "not in the Education category"
grep -q "^Categories=.*Development;" "$desktop" || fail "not in the Development category"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata does not name version $version"

[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "Velmark Html Editor - Browser $version" ] ||
  fail "the installed program does not report version $version"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
else
  echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
else
  echo "appstreamcli not installed: metadata not validated"
fi
echo "installed and valid"
