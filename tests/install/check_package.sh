#!/usr/bin/env bash
# Builds the Debian package from the build folder with cpack and checks it as a school's administrator would
# meet it: its control fields, its file list, lintian's verdict, and that the program runs from the files it
# installs. The package is unpacked into a scratch root (dpkg -x) rather than installed, so the machine that
# runs the test stays as it is.
# Usage: check_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build_dir=$1
app_id=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
arch=$(dpkg --print-architecture)
deb="$work/out/velmark_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no package named $(basename "$deb"): $(ls "$work/out")"
echo "built $(basename "$deb")"

# Control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = velmark ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is no name <address>"
description=$(field Description)
[ "$(printf '%s\n' "$description" | wc -l)" -ge 3 ] || fail "the Description has no long text"
depends=$(field Depends)
# Read from the program by dpkg-shlibdeps: the libraries it links, each with a lowest version.
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6webenginecore6 libqt6webenginewidgets6 \
  libqt6printsupport6 libqt6network6; do
  [[ ", $depends," =~ ,\ "$library"\ \(\>=\ [^\)]+\), ]] || fail "Depends lacks '$library (>= …)': $depends"
done
[[ ", $depends," == *", qt6-qpa-plugins,"* ]] || fail "Depends lacks the platform plugins: $depends"

# File list: everything under /usr, and each file a desktop and Debian look for in its place.
dpkg-deb --contents "$deb" | awk '{print $NF}' >"$work/files"
outside=$(grep -v '^\./usr/' "$work/files" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
for path in \
  usr/bin/velmark \
  "usr/share/applications/$app_id.desktop" \
  "usr/share/metainfo/$app_id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
  "usr/share/icons/hicolor/256x256/apps/$app_id.png" \
  usr/share/man/man1/velmark.1.gz \
  usr/share/man/el/man1/velmark.1.gz \
  usr/share/doc/velmark/copyright \
  usr/share/doc/velmark/changelog.gz; do
  grep -qx "\./$path" "$work/files" || fail "the package lacks /$path"
done
if grep -E '\.(h|a|cmake)$|/tst_|/bench_' "$work/files"; then
  fail "the package carries files of the build that users do not need"
fi

# Lintian: no errors (its warnings and notes are printed for whoever reads the log).
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
else
  echo "lintian not installed: package not checked by lintian"
fi

# Installed files, in a scratch root: the program answers without a display, and the documents say what the
# program says.
root="$work/root"
dpkg -x "$deb" "$root"
program="$root/usr/bin/velmark"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version) || fail "the installed program fails --version"
[ "$answer" = "Velmark Html Editor - Browser $version" ] || fail "the installed program says '$answer'"
env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -q -- '--version' || fail "the installed --help is wrong"
zcat "$root/usr/share/man/man1/velmark.1.gz" | grep -q "^\.TH VELMARK 1 .*\"velmark $version\"" ||
  fail "the manual page does not name version $version"
zcat "$root/usr/share/man/man1/velmark.1.gz" | grep -q -- '\\fB\\-\\-version\\fR' ||
  fail "the manual page does not list --version"
zcat "$root/usr/share/man/el/man1/velmark.1.gz" | grep -q '^\.SH ΕΠΙΛΟΓΕΣ' || fail "the Greek manual page is not Greek"
zcat "$root/usr/share/doc/velmark/changelog.gz" | head -n 1 | grep -q "^velmark ($version) " ||
  fail "the changelog does not begin with version $version"
head -n 1 "$root/usr/share/doc/velmark/copyright" |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
echo "package built, valid and runnable"
