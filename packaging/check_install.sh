#!/bin/bash
# Installs the build into a scratch folder as `cmake --install` does for a
# package and checks what lands there: the desktop entry and the AppStream
# metadata pass their validators, the entry's command is installed, the
# icons are in the hicolor theme, and the launcher the entry starts makes and
# uses the per-user data folder.
#
# usage: check_install.sh <build folder>
set -u
build=$1
here=$(dirname "$(readlink -f "$0")")
source "$here/require_tools.sh"
require_tools desktop-file-validate appstreamcli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || fail "cmake --install"
entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} = 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry: ${entries[*]}"
entry=${entries[0]}
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml ||
  fail "appstreamcli validate"

command=$(sed -n 's/^Exec=//p' "$entry")
[[ $command == /usr/* ]] || fail "the desktop entry's command is not an installed path: $command"
[ -x "$root$command" ] || fail "the desktop entry's command is not installed: $command"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in scalable/apps/$icon.svg 16x16/apps/$icon.png 48x48/apps/$icon.png 256x256/apps/$icon.png; do
  [ -s "$root/usr/share/icons/hicolor/$size" ] || fail "no icon $size"
done
[ -s "$root/usr/share/vorlanz/BEISPIEL.T13" ] || fail "the example matchday is not installed"

# The launcher with a stand-in for the program that notes where it runs.
cat >"$root/usr/bin/vorlanz" <<'STUB'
#!/bin/sh
pwd >"$HOME/started-in"
STUB
chmod +x "$root/usr/bin/vorlanz"
example=$root/usr/share/vorlanz/BEISPIEL.T13
# Starts the launcher from / with HOME and the environment settings given.
start() {
  local home=$1
  shift
  mkdir -p "$home"
  (cd / && env "$@" HOME="$home" "$root$command") || fail "the launcher failed ($*)"
}
# XDG_DATA_HOME unset, empty, relative (all mean ~/.local/share) and absolute.
for case in "unset|-u XDG_DATA_HOME|" "empty|XDG_DATA_HOME=|" "relative|XDG_DATA_HOME=data|" \
            "absolute|XDG_DATA_HOME=$work/xdg|$work/xdg/vorlanz"; do
  IFS='|' read -r kind setting want <<<"$case"
  home=$work/home-$kind
  read -ra settings <<<"$setting"
  start "$home" "${settings[@]}"
  want=${want:-$home/.local/share/vorlanz}
  [ "$(cat "$home/started-in")" = "$want" ] || fail "XDG_DATA_HOME $kind: started in $(cat "$home/started-in"), not $want"
  cmp -s "$example" "$want/MEMORY/BEISPIEL.T13" || fail "XDG_DATA_HOME $kind: no example in $want/MEMORY"
done
# A folder that is already there is the user's: nothing is put back into it.
rm "$work/xdg/vorlanz/MEMORY/BEISPIEL.T13"
start "$work/home-again" XDG_DATA_HOME="$work/xdg"
[ -e "$work/xdg/vorlanz/MEMORY/BEISPIEL.T13" ] && fail "the example was copied into an existing folder"
leftovers=$(find "$work/xdg" -maxdepth 1 -name '.vorlanz.*')
[ -z "$leftovers" ] || fail "the launcher left $leftovers behind"
echo "install: desktop entry, metadata, icons and launcher passed"
