#!/usr/bin/env bash
# Checks the Debian package as a user meets it: its metadata validate, it installs with apt-get,
# the installed program starts offscreen and keeps its profiles in a private folder of the user's
# home, and it is removed again. Run as root or with sudo, after scripts/package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh appstream desktop-file-utils
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

appstreamcli validate --no-net packaging/example.mirvela.Zorvek.metainfo.xml
desktop-file-validate packaging/example.mirvela.Zorvek.desktop

package=$(ls build/package/zorvek_*_amd64.deb)
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$package" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq zorvek >/dev/null' EXIT

test -f /usr/share/zorvek/Doc/G-J-000.rtf
test -f /usr/share/applications/example.mirvela.Zorvek.desktop
test -f /usr/share/icons/hicolor/scalable/apps/example.mirvela.Zorvek.svg
test -f /usr/share/doc/zorvek/copyright
zorvek --version | grep -q '^zorvek '
zorvek --help | grep -q -- '--profiles'

# A short start in a fresh home: the main window opens, the program runs until it is ended.
home=$(mktemp -d)
started() {
  local rc=0
  env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen timeout 5 zorvek "$@" || rc=$?
  [ "$rc" -eq 124 ] || { echo "zorvek $* ended by itself with code $rc" >&2; return 1; }
}
started
profiles="$home/.local/share/zorvek"
test -d "$profiles"
[ "$(stat -c %a "$profiles")" = 700 ] || { echo "$profiles is not private" >&2; exit 1; }
started --profiles "$home/chosen"
test -d "$home/chosen"
rm -rf "$home"
echo "The package installs, starts and keeps its profiles in the user's home."
