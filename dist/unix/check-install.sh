#!/usr/bin/env bash
# Checks what Tresmolo installs: `cmake --install` into a temporary prefix gives exactly the expected
# files (a translation catalogue for each translations/*.ts among them), the desktop entry and the
# metainfo pass their validators and carry every language, the installed program answers --version
# with the project's version and finds its translations, and the Debian package holds the same
# files under /usr.
#   dist/unix/check-install.sh BUILD     (BUILD: a configured and built build folder)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: $0 BUILD}
app_id=org.tresmolo.Tresmolo
fail() { echo "check-install: $*" >&2; exit 1; }

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
# One catalogue per language of translations/ (tresmolo_<lang>.ts gives tresmolo_<lang>.qm).
languages=()
for ts in translations/tresmolo_*.ts; do
  lang=${ts#translations/tresmolo_}
  languages+=("${lang%.ts}")
  expected+=("share/tresmolo/translations/tresmolo_${lang%.ts}.qm")
done
[[ ${#languages[@]} -ge 8 ]] || fail "only ${#languages[@]} catalogues in translations/"

want=$(printf '%s\n' "${expected[@]}" | sort)

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
got=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
[[ "$got" == "$want" ]] || fail "installed files differ from the expected list:
$(diff <(echo "$want") <(echo "$got") || true)"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || true; fail "metainfo"; }

# The desktop entry and the metainfo speak every language the program does; the software centres
# show no more than 35 characters of a summary, which ends without a full stop.
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
for lang in "${languages[@]}"; do
  for key in Name GenericName Comment; do
    grep -q "^$key\[$lang\]=." "$desktop" || fail "the desktop entry has no $key[$lang]"
  done
  for element in name summary; do
    grep -q "<$element xml:lang=\"$lang\">" "$metainfo" || fail "the metainfo has no $element in $lang"
  done
done
while IFS= read -r summary; do
  # wc counts the line's end too.
  (( $(printf '%s' "$summary" | LC_ALL=C.UTF-8 wc -m) <= 35 )) || fail "summary over 35 characters: $summary"
  [[ "$summary" != *. ]] || fail "summary ends with a full stop: $summary"
done < <(sed -n 's|.*<summary[^>]*>\(.*\)</summary>.*|\1|p' "$metainfo")

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || fail "no project version in $build/CMakeCache.txt"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tresmolo" --version)" == "Tresmolo $version" ]] ||
  fail "the installed program's --version"
# The installed program finds its installed catalogues: in German, Qt's own texts of the help
# (installed with a language of the program's) are German.
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL= LANG=de_DE.UTF-8 "$prefix/bin/tresmolo" --help)" != \
   "$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL= LANG=C.UTF-8 "$prefix/bin/tresmolo" --help)" ]] ||
  fail "the installed program's --help is not translated into German"
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
