#!/bin/bash
# End to end: starts the real program on its own X display and drives it with
# keys as a person would: the own forecast, both series, a calculation, the
# tip set stored on card 0, printed into a PDF file through the print
# dialog, then the program ended. The PDF must hold the marks of the slip.
#
# usage: print_slip.sh <vorlanz binary> [folder for screenshots]
set -u
program=$1
shots=${2:-}

for tool in Xvfb xdotool xwd pdftotext; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (the end-to-end print test needs xvfb, xdotool, x11-apps, poppler-utils)"
    exit 0
  fi
done

source "$(dirname "$(readlink -f "$0")")/../support/own_display.sh"
fail() {
  echo "FAILED: $*"
  [ -n "$shots" ] && xwd -root -silent > "$shots/failure.xwd"
  exit 1
}
start_own_display || fail "Xvfb did not start"

# What the main window shows now (its sub-windows are inside it).
main_window=""
screen() { xwd -id "$main_window" -silent | md5sum; }
# Waits until the screen has changed from $1 and then stays the same for a
# moment; a blinking text cursor is still enough of a pause.
settle() {
  local before=$1 last="" now same=0 deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)); do
    sleep 0.05
    now=$(screen)
    if [[ $now != "$before" && $now == "$last" ]]; then
      ((++same >= 1)) && return 0
    else
      same=0
    fi
    last=$now
  done
  fail "the screen did not settle after: ${*:2}"
}
# Sends keys, then waits for the program to answer them.
keys() {
  local before
  before=$(screen)
  xdotool key --delay 20 "$@"
  settle "$before" "$@"
}
# Types keys into fields of one dialog: no waiting between them.
type_keys() { xdotool key --delay 15 "$@"; }
# Waits until nothing on the screen moves for $1 looks in a row.
quiet() {
  local last now same=0 deadline=$((SECONDS + 60))
  last=$(screen)
  while ((SECONDS < deadline)); do
    sleep 0.05
    now=$(screen)
    if [[ $now == "$last" ]]; then
      ((++same >= $1)) && return 0
    else
      same=0
      last=$now
    fi
  done
  fail "the screen did not come to rest"
}
shot() { [ -n "$shots" ] && xwd -root -silent > "$shots/$1.xwd"; }

cd "$work" || exit 1
HOME=$work "$program" >"$work/program.log" 2>&1 &
program_pid=$!
main_window=$(xdotool search --sync --onlyvisible --name "Vorlanz für" | head -n1)
[ -n "$main_window" ] || fail "no main window"
quiet 3

# The own forecast: weights 5, 3, 2 for every match.
keys alt+e
keys v
keys e
for _ in $(seq 13); do type_keys 5 Tab 3 Tab 2 Tab; done
keys alt+o
quiet 3

# NORM and GAME: keypad digits move on by themselves.
norm=(KP_1 KP_0 KP_2 KP_1 KP_1 KP_0 KP_2 KP_1 KP_0 KP_1 KP_2 KP_1 KP_0)
game=(KP_1 KP_1 KP_2 KP_0 KP_1 KP_0 KP_2 KP_1 KP_1 KP_1 KP_2 KP_0 KP_0)
keys alt+e
keys r
keys n
type_keys "${norm[@]}"
keys alt+o
quiet 3
keys alt+e
keys r
keys g
type_keys "${game[@]}"
keys alt+o
quiet 3

# Calculate with the System-Güte offered, then store the tip set on card 0.
keys alt+s
keys b
keys Return
quiet 5
keys m
keys o
quiet 3

# Print card 0 into a PDF file: the slip print dialog, then the print dialog.
keys d
xdotool key o
xdotool search --sync --onlyvisible --name "SCHEINDRUCK:" >/dev/null || fail "no print dialog"
quiet 3
shot slip-dialog
xdotool key Return
xdotool search --sync --onlyvisible --name "Drucken" >/dev/null || fail "no printer choice"
quiet 3
shot printer-choice
xdotool key Return
for _ in $(seq 200); do
  [ -s "$work/Scheindruck.pdf" ] && break
  sleep 0.1
done
[ -s "$work/Scheindruck.pdf" ] || fail "no PDF was printed"
quiet 3
shot after-print

# Leave the calculation window and end the program.
keys x
quiet 3
keys alt+v
keys e
xdotool key j
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end"
program_pid=""

# Nordrhein-Westfalen: 12 x 13 tip marks and the two add-on marks, each an
# "x" whose top left lies on the slip's grid (x = 6.5 + 4.0 k mm, y = 18.0 +
# 4.5 k mm or the extra line at 94.0 mm).
pdftotext -bbox "$work/Scheindruck.pdf" "$work/marks.html" || fail "pdftotext failed"
awk -v want=158 '
  /<word / && />x<\/word>/ {
    match($0, /xMin="[0-9.]+"/); x = substr($0, RSTART + 6, RLENGTH - 7) * 25.4 / 72
    match($0, /yMin="[0-9.]+"/); y = substr($0, RSTART + 6, RLENGTH - 7) * 25.4 / 72
    n++
    k = (x - 6.5) / 4.0; dx = (k - int(k + 0.5)) * 4.0; if (dx < 0) dx = -dx
    if (y > 90) { dy = y - 94.0; extra++ } else { l = (y - 18.0) / 4.5; dy = (l - int(l + 0.5)) * 4.5 }
    if (dy < 0) dy = -dy
    if (dx > 0.2 || dy > 0.2) { printf "mark off the grid at %.2f, %.2f mm\n", x, y; bad++ }
  }
  END {
    if (n != want || extra != 2 || bad) { printf "marks: %d of %d, add-on marks: %d\n", n, want, extra; exit 1 }
    printf "printed slip: %d marks on the grid\n", n
  }' "$work/marks.html" || fail "the printed marks are wrong"
[ -n "$shots" ] && cp "$work/Scheindruck.pdf" "$shots/"
echo "end-to-end print: passed"
