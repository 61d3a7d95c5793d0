#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a desktop
# needs: the file list, the menu entry and the metadata. Then builds the
# Debian package, checks its dependencies (and, where lintian is installed,
# checks it as Debian would), installs it with dpkg into an empty root and
# starts the game from there: it must keep its data in the player's own
# folder, find Qt's translations and, through the SQLite driver the package
# depends on, write a day's log.
# Usage: check-install.sh <build-dir>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    games/namiyose
    share/namiyose/スタート.wav
    share/namiyose/ばらし.wav
    share/namiyose/あたり.wav
    share/namiyose/チヌ30.wav
    share/applications/org.namiyose.namiyose.desktop
    share/icons/hicolor/scalable/apps/namiyose.svg
    share/metainfo/org.namiyose.namiyose.metainfo.xml
    share/man/man6/namiyose.6.gz
    share/doc/namiyose/copyright
    share/doc/namiyose/changelog.Debian.gz
    share/lintian/overrides/namiyose
)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
want=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$want" ]; then
    echo "install: file list differs"; diff <(echo "$want") <(echo "$actual") || true
    exit 1
fi
echo "install: file list ok (${#expected[@]} files)"

entry=$prefix/share/applications/org.namiyose.namiyose.desktop
desktop-file-validate "$entry"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/org.namiyose.namiyose.metainfo.xml" >/dev/null
# The menu starts the program this install put in place, not one elsewhere.
exec_line=$(grep '^Exec=' "$entry")
[ "$exec_line" = "Exec=$prefix/games/namiyose" ] || { echo "install: menu entry runs '$exec_line', not $prefix/games/namiyose"; exit 1; }
gzip -t "$prefix/share/man/man6/namiyose.6.gz" "$prefix/share/doc/namiyose/changelog.Debian.gz"
echo "install: desktop entry and metadata valid, menu entry runs the installed game"

# The Debian package: built by CPack with the Qt runtime, what Qt loads at run
# time and a Japanese font among its dependencies.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/namiyose_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6sql6-sqlite qt6-translations-l10n fonts-noto-cjk; do
    case "$depends" in *"$need"*) ;; *) echo "install: package does not depend on $need: $depends"; exit 1 ;; esac
done
# Every dependency names a real package and is met on this machine, where the
# game is started below.
dpkg-checkbuilddeps -d "$depends" /dev/null || { echo "install: the package's dependencies are not met here"; exit 1; }
[ "$(dpkg-deb -c "$deb" | grep -c 'usr/share/namiyose/.*\.wav')" -eq 4 ] || { echo "install: package lacks the waves"; exit 1; }
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" 2>/dev/null || { echo "install: lintian finds errors or warnings in the package"; exit 1; }
    echo "install: lintian finds no error and no warning"
else
    echo "install: lintian not installed, the package is not checked by it"
fi
echo "install: package $(basename "$deb") ok"

# Installed by dpkg into an empty root (the dependencies are this machine's).
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" >"$work/dpkg.txt" 2>&1 ||
    { echo "install: dpkg cannot install the package:"; cat "$work/dpkg.txt"; exit 1; }
sleep 1
touch "$work/installed"

# Start the installed game offscreen with a fresh home in the C locale (so in
# Japanese); it must still be running after a few seconds (its first window
# open), must have found Qt's Japanese translations and must have written
# only below that home.
home=$work/home
mkdir -p "$home"
set +e
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen timeout 4 "$root/usr/games/namiyose" >"$work/out.txt" 2>&1
rc=$?
set -e
if [ $rc -ne 124 ]; then
    echo "install: the installed game exited early (code $rc):"; cat "$work/out.txt"
    exit 1
fi
if grep -q "translations folder" "$work/out.txt"; then
    echo "install: the installed game did not find Qt's translations:"; cat "$work/out.txt"
    exit 1
fi
data=$home/.local/share/namiyose
[ -d "$data/fishingdata" ] || { echo "install: no data folder in the player's data location"; exit 1; }
for n in スタート ばらし あたり チヌ30; do
    [ -s "$data/NamiyoseV1$n.wav" ] || { echo "install: wave $n not installed for the player"; exit 1; }
done
strays=$(cd "$root" && find . -newer "$work/installed" ! -type d ! -path './var/lib/dpkg/*' | sed 's|^\./||')
[ -z "$strays" ] || { echo "install: the game wrote into its install root: $strays"; exit 1; }
echo "install: installed game started in Japanese and kept its data in the player's folder"

# A day's log in that folder. The installed game cannot be scripted through a
# day, so the game's simulator from this build plays one scripted day and
# logs it as a saved day is logged; the SQLite driver it loads must be the one
# of libqt6sql6-sqlite, the package the game depends on.
log=$data/fishingdata/namiyose-log.sqlite
HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" QT_DEBUG_PLUGINS=1 \
    QT_QPA_PLATFORM=offscreen "$build/bin/namiyose-sim" --days 1 --log-db "$log" >"$work/sim.txt" 2>&1 ||
    { echo "install: the scripted day was not logged:"; tail -20 "$work/sim.txt"; exit 1; }
[ "$(head -c 15 "$log" 2>/dev/null)" = "SQLite format 3" ] || { echo "install: no day log written at $log"; exit 1; }
driver=$(sed -n 's|.*"\(/[^"]*/sqldrivers/libqsqlite\.so\)" loaded library.*|\1|p' "$work/sim.txt" | head -1)
[ -n "$driver" ] || { echo "install: the SQLite driver was not loaded"; exit 1; }
owner=$(dpkg -S "$driver" 2>/dev/null | cut -d: -f1)
[ "$owner" = libqt6sql6-sqlite ] || { echo "install: the SQLite driver $driver comes from '${owner:-no package}'"; exit 1; }
echo "install: a scripted day logged to $(basename "$log") through $owner's driver"
echo "1 passed, 0 failed"
