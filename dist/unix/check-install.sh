#!/usr/bin/env bash
# Checks what Tresmolo installs: `cmake --install` into a temporary prefix gives exactly the expected
# files, the desktop entry and the metainfo pass their validators, the installed program answers
# --version with the project's version, and the Debian package holds the same files under /usr.
#   dist/unix/check-install.sh BUILD     (BUILD: a configured and built build folder)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: $0 BUILD}
app_id=org.tresmolo.Tresmolo

expected=(
  bin/tresmolo
  share/applications/$app_id.desktop
  share/doc/tresmolo/LICENSE
  share/doc/tresmolo/README.md
  share/icons/hicolor/128x128/apps/$app_id.png
  share/icons/hicolor/48x48/apps/$app_id.png
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/man/man1/tresmolo.1
  share/metainfo/$app_id.metainfo.xml
  share/tresmolo/help/index.html
)
want=$(printf '%s\n' "${expected[@]}" | sort)
fail() { echo "check-install: $*" >&2; exit 1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
got=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[[ "$got" == "$want" ]] || fail "installed files differ from the expected list:
$(diff <(echo "$want") <(echo "$got") || true)"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || true; fail "metainfo"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || fail "no project version in $build/CMakeCache.txt"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tresmolo" --version)" == "Tresmolo $version" ]] ||
  fail "the installed program's --version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo release"
grep -q "Version $version<" "$prefix/share/tresmolo/help/index.html" || fail "the guide's version"
grep -q "\"Tresmolo $version\"" "$prefix/share/man/man1/tresmolo.1" || fail "the manual page's version"

scripts/package.sh "$build" >/dev/null
deb=$(ls "$build"/tresmolo_"$version"_*.deb)
in_deb=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
[[ "$in_deb" == "$want" ]] || fail "the package's files differ from the expected list:
$(diff <(echo "$want") <(echo "$in_deb") || true)"
[[ "$(dpkg-deb -f "$deb" Package)" == tresmolo && "$(dpkg-deb -f "$deb" Version)" == "$version" ]] ||
  fail "the package's name or version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in xdg-utils libqt6widgets6 libqt6svg6 libc6 libsqlite3-0; do
  [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
echo "install check: ${#expected[@]} files installed and packaged, entries valid, version $version"
