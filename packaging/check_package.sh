#!/bin/bash
# Builds the Debian package, lets lintian look at it, unpacks it into a
# scratch folder and starts it there as the desktop menu would: the desktop
# entry's command, with HOME a scratch folder, on an X display of its own.
# The main window must appear, running in the per-user data folder with the
# example matchday.
#
# usage: check_package.sh <build folder> <example matchday>
set -u
build=$(readlink -f "$1")
example_source=$2
here=$(dirname "$(readlink -f "$0")")
source "$here/require_tools.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps lintian Xvfb xdotool

unset XDG_DATA_HOME
source "$here/../tests/support/own_display.sh"
fail() {
  echo "FAILED: $*"
  exit 1
}

(cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/cpack/vorlanz_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=${debs[0]}
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends

# Errors fail; warnings and notes are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
command=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
[ -x "$root$command" ] || fail "the desktop entry's command is not in the package: $command"

start_own_display || fail "Xvfb did not start"

home=$work/home
mkdir -p "$home"
(cd / && exec env HOME="$home" "$root$command") >"$work/program.log" 2>&1 &
program_pid=$!
timeout 30 xdotool search --sync --onlyvisible --name "Vorlanz für" >/dev/null ||
  { cat "$work/program.log"; fail "no main window"; }

folder=$home/.local/share/vorlanz
[ "$(readlink "/proc/$program_pid/cwd")" = "$folder" ] || fail "the program does not run in $folder"
cmp -s "$example_source" "$folder/MEMORY/BEISPIEL.T13" || fail "no example matchday in $folder/MEMORY"
echo "package: lintian without errors, started from the menu command in $folder"
