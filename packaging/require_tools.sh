# Sourced by the install checks: `require_tools TOOL...` goes on when every
# tool is there. Otherwise it says "skipped:" on a machine where the user
# cannot install them, and fails as root, where `make deps` installs them.
require_tools() {
  local missing=() tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) && return 0
  if [ "$(id -u)" = 0 ]; then
    echo "FAILED: not installed: ${missing[*]} (make deps installs them)"
    exit 1
  fi
  echo "skipped: not installed: ${missing[*]}"
  exit 0
}
