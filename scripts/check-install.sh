#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a desktop
# needs: the file list, the menu entry and the metadata, and that the
# installed game starts and keeps its data in the player's own folder.
# Usage: check-install.sh <build-dir>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
sleep 1
touch "$work/installed"

expected=(
    bin/namiyose
    share/namiyose/スタート.wav
    share/namiyose/ばらし.wav
    share/namiyose/あたり.wav
    share/namiyose/チヌ30.wav
    share/applications/org.namiyose.namiyose.desktop
    share/icons/hicolor/scalable/apps/namiyose.svg
    share/metainfo/org.namiyose.namiyose.metainfo.xml
)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
want=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$want" ]; then
    echo "install: file list differs"; diff <(echo "$want") <(echo "$actual") || true
    exit 1
fi
echo "install: file list ok (${#expected[@]} files)"

desktop-file-validate "$prefix/share/applications/org.namiyose.namiyose.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.namiyose.namiyose.metainfo.xml" >/dev/null
echo "install: desktop entry and metadata valid"

# Start the installed game offscreen with a fresh home; it must still be
# running after a few seconds (its first window open) and must have written
# only below that home.
home=$work/home
mkdir -p "$home"
set +e
HOME=$home XDG_DATA_HOME=$home/.local/share QT_QPA_PLATFORM=offscreen timeout 4 "$prefix/bin/namiyose" >"$work/out.txt" 2>&1
rc=$?
set -e
if [ $rc -ne 124 ]; then
    echo "install: the installed game exited early (code $rc):"; cat "$work/out.txt"
    exit 1
fi
[ -d "$home/.local/share/namiyose/fishingdata" ] || { echo "install: no data folder in the player's data location"; exit 1; }
for n in スタート ばらし あたり チヌ30; do
    [ -s "$home/.local/share/namiyose/NamiyoseV1$n.wav" ] || { echo "install: wave $n not installed for the player"; exit 1; }
done
strays=$(cd "$prefix" && find . -newer "$work/installed" ! -type d | sed 's|^\./||')
[ -z "$strays" ] || { echo "install: the game wrote into its install prefix: $strays"; exit 1; }
echo "install: installed game started and kept its data in the player's folder"
# The Debian package: built by CPack with the Qt runtime and a Japanese font
# among its dependencies.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/namiyose_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6multimedia6 libqt6svg6 fonts-noto-cjk; do
    case "$depends" in *"$need"*) ;; *) echo "install: package does not depend on $need: $depends"; exit 1 ;; esac
done
[ "$(dpkg-deb -c "$deb" | grep -c 'usr/share/namiyose/.*\.wav')" -eq 4 ] || { echo "install: package lacks the waves"; exit 1; }
echo "install: package $(basename "$deb") ok"
echo "1 passed, 0 failed"
