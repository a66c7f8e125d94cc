#!/usr/bin/env bash
# Checks the build in ./build as an installation (scripts/test.sh builds it):
# - cmake --install into a staging prefix puts there exactly the program, its
#   help pages, the desktop entry, the icons and the metainfo;
# - desktop-file-validate and appstreamcli (pedantic) accept the desktop
#   entry and the metainfo, its releases included;
# - cpack makes the Debian package of the same files, its library
#   dependencies computed, and lintian finds no error and no warning in it
#   (nor the hardening it looks for missing); its changelog, the metainfo's
#   newest release and the package are one version;
# - the installed program's first start, by a user other than root with a
#   fresh HOME and the prefix read-only to it, on the offscreen platform:
#   "Start" opens the main window without a message (the driver
#   tests/support/firststart, loaded with LD_PRELOAD, presses it and looks),
#   the help page comes from the prefix, the user's files appear in that
#   HOME's data location in folders of mode 0700, and nothing under the
#   prefix changes.
# Runs as root (it makes that user with useradd when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
user=corvessa-check
id="org.corvessa.Corvessa"
began=$(date +%s%N)

if [ "$(id -u)" -ne 0 ]; then
  echo "scripts/install-check.sh runs as root: it starts the program as another user" >&2
  exit 1
fi

# Under /tmp, whatever TMPDIR says: the other user reaches the prefix and the
# driver through this folder.
scratch=$(mktemp -d /tmp/corvessa-install.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
prefix=$scratch/prefix
cmake --build build --target corvessa corvessa_docs corvessa_firststart >/dev/null
cmake --install build --prefix "$prefix" >/dev/null

# Exactly these files, and the help pages as the source has them.
expected=$( {
  echo bin/corvessa
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  echo share/man/man1/corvessa.1.gz
  echo share/doc/corvessa/copyright
  echo share/doc/corvessa/changelog.gz
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/$id.png"; done
  (cd help && find . -type f | sed 's|^\./|share/corvessa/help/|')
} | sort)
installed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
  echo "install: the staging prefix does not hold exactly the installed files:" >&2
  diff <(echo "$expected") <(echo "$installed") >&2 || true
  exit 1
fi
desktop-file-validate "$prefix/share/applications/$id.desktop"
# Pedantic: the one remark left is the capitals of the desktop id, which
# the desktop entry's file name, the windows and the users' menus share.
appstream=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) || {
  echo "$appstream" >&2; exit 1; }
remarks=$(echo "$appstream" | grep -E '^[EWIP]: ' | grep -v 'cid-contains-uppercase-letter' || true)
if [ -n "$remarks" ]; then
  echo "appstream: the metainfo has remarks:" >&2
  echo "$appstream" >&2
  exit 1
fi

# The package: its name, the same files under /usr, the libraries it needs.
rm -f build/corvessa_*.deb
(cd build && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(echo build/corvessa_*.deb)
version=$(dpkg-deb -f "$deb" Version)
if [ "$deb" != "build/corvessa_${version}_$(dpkg --print-architecture).deb" ]; then
  echo "package: unexpected file name $deb" >&2
  exit 1
fi
# Each line: mode, owner, size, date, time, then the name, which may hold blanks.
packaged=$(dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//; s|^\./usr/||' | sort)
if [ "$packaged" != "$expected" ]; then
  echo "package: $deb does not hold the installed files under /usr:" >&2
  diff <(echo "$expected") <(echo "$packaged") >&2 || true
  exit 1
fi
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "package: Depends lacks the Qt libraries: $depends" >&2; exit 1 ;;
esac
recommends=$(dpkg-deb -f "$deb" Recommends)
case "$recommends" in
  *xdg-utils*) ;;
  *) echo "package: Recommends lacks xdg-utils, which opens the pages: $recommends" >&2; exit 1 ;;
esac
# One version in the package, its changelog and the metainfo's newest release.
mkdir "$scratch/unpacked"
dpkg-deb -x "$deb" "$scratch/unpacked"
changelogVersion=$(zcat "$scratch/unpacked/usr/share/doc/corvessa/changelog.gz" | sed -nE '1s/^corvessa \(([^)]*)\).*/\1/p')
releaseVersion=$(grep -m1 -oE '<release version="[^"]*"' "$scratch/unpacked/usr/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)
if [ "$changelogVersion" != "$version" ] || [ "$releaseVersion" != "$version" ]; then
  echo "package: version $version, changelog $changelogVersion, metainfo release $releaseVersion" >&2
  exit 1
fi
# No error and no warning; of the informational tags, none for hardening
# that the build left out. What stays is said in the summary.
lintian --display-info "$deb" >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log" >&2; exit 1; }
if grep -E '^[EW]: |^I: [^ ]+ hardening-' "$scratch/lintian.log" >&2; then
  echo "package: lintian finds the above in $deb" >&2
  exit 1
fi
lintianInfo=$(grep -E '^I: ' "$scratch/lintian.log" | awk '{print $3}' | sort | uniq -c | awk '{printf "%s%s x%s", sep, $2, $1; sep=", "}')

# The first start from the read-only prefix.
id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
home=$scratch/home runtime=$scratch/runtime
mkdir "$home" "$runtime"
chown "$user:" "$home" "$runtime"
chmod 700 "$runtime"
cp build/tests/libcorvessa_firststart.so "$scratch/"
chmod -R a-w "$prefix"
if runuser -u "$user" -- test -w "$prefix/bin"; then
  echo "first start: the prefix is writable to $user" >&2
  exit 1
fi
touch "$scratch/before"
status=0
runuser -u "$user" -- env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  LD_PRELOAD="$scratch/libcorvessa_firststart.so" timeout 60 "$prefix/bin/corvessa" \
  >"$scratch/out" 2>"$scratch/err" || status=$?
if [ "$status" -ne 0 ]; then
  echo "first start: the installed program ended with status $status:" >&2
  cat "$scratch/out" "$scratch/err" >&2
  exit 1
fi
grep -qx "help page: $prefix/share/corvessa/help/Quillaro.htm" "$scratch/out" || {
  echo "first start: the help page was not the installed one:" >&2; cat "$scratch/out" >&2; exit 1; }
files=$home/.local/share/corvessa
if [ ! -f "$files/data/Pick3.txt" ] || ! printf '"Pick3.txt"\r\n' | cmp -s - "$files/Varnel3/shujuwenjian.ini"; then
  echo "first start: the user's files are not in $files:" >&2
  (cd "$home" && find . >&2)
  exit 1
fi
# Every folder the start made in the fresh HOME is the user's alone.
open=$(cd "$home" && find .local -type d ! -perm 700)
if [ -n "$open" ]; then
  echo "first start: folders made for the user's files that others may read: $open" >&2
  exit 1
fi
changed=$(find "$prefix" -newer "$scratch/before")
if [ -n "$changed" ]; then
  echo "first start: the program wrote under its prefix: $changed" >&2
  exit 1
fi
echo "install check: $(echo "$installed" | wc -l) files installed, $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)," \
  "lintian informational tags: ${lintianInfo:-none}," \
  "first start as $user passed ($(( ($(date +%s%N) - began) / 1000000 )) ms)"
