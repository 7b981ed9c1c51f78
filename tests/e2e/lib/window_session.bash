# Sourced by the end-to-end scripts that drive the real lumeno window:
#   source lib/window_session.bash "$0" BINDIR [TOOL...]
# checks that lumeno and the tools are there, runs the calling script again on
# a virtual display of its own, and gives it a scratch folder ($work), a
# folder for screenshots ($artifacts, LUMENO_E2E_ARTIFACTS when set), fail,
# and start_lumeno, which starts the program and sets $window; lumeno is
# stopped when the script ends. A script that needs a larger display sets
# e2e_screen (WIDTHxHEIGHTxDEPTH) before sourcing.

e2e_script=$1
bin_dir=${2:?usage: $(basename "$e2e_script") BINDIR}
shift 2
lumeno="$bin_dir/lumeno"
[ -x "$lumeno" ] || { echo "FAIL: $lumeno is not built" >&2; exit 1; }
for tool in xvfb-run xdotool import "$@"; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

if [ -z "${LUMENO_E2E_INSIDE:-}" ]; then
  export LUMENO_E2E_INSIDE=1
  exec timeout 150 xvfb-run -a -s "-screen 0 ${e2e_screen:-1280x1024x24}" bash "$e2e_script" "$bin_dir"
fi

export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
work=$(mktemp -d)
# The user's settings (a remembered skin) stay out of the test.
export XDG_CONFIG_HOME="$work/config"
artifacts="${LUMENO_E2E_ARTIFACTS:-$work}"
lumeno_pid=
window=
cleanup() {
  if [ -n "$lumeno_pid" ] && kill -0 "$lumeno_pid" 2>/dev/null; then
    kill "$lumeno_pid" 2>/dev/null || true
    wait "$lumeno_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$work/lumeno.log" ]; then
    echo "--- lumeno output:" >&2
    cat "$work/lumeno.log" >&2
  fi
  exit 1
}

start_lumeno() {
  "$lumeno" >"$work/lumeno.log" 2>&1 &
  lumeno_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lumeno' | head -n 1) || fail "the window did not appear"
  [ -n "$window" ] || fail "the window did not appear"
  sleep 0.5
}
