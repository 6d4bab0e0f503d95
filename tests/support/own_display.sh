# Sourced by the tests that start the real program: a scratch folder $work,
# removed at the end together with the program ($program_pid) and the X
# display of the test's own, which `start_own_display` starts.

# The real windows, whatever the tests around ask for.
unset QT_QPA_PLATFORM
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and tells it; DISPLAY is set to it.
start_own_display() {
  exec 3<>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || return 1
  export DISPLAY=:$(head -n1 "$work/display")
}
