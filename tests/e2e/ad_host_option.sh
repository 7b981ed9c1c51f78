#!/usr/bin/env bash
# Drives the real lumeno on a virtual display to check where the
# advertisement host comes from: a wrong --ad-host ends the program with a
# message, a wrong host in the environment or the settings file is reported
# and the window starts without the pane, and a good host makes the program
# load the browser (its module and a browser process) after the window is up
# and keep running with it: on an X display with OpenGL the engine needs a
# graphics context shared with the window's.
#
# Usage: ad_host_option.sh BINDIR
set -euo pipefail

bin_dir=${1:?usage: ad_host_option.sh BINDIR}
lumeno="$bin_dir/lumeno"
[ -x "$lumeno" ] || { echo "FAIL: $lumeno is not built" >&2; exit 1; }

for tool in xvfb-run ldd; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

# Everything below runs on its own X display.
if [ -z "${LUMENO_E2E_INSIDE:-}" ]; then
  export LUMENO_E2E_INSIDE=1
  exec timeout 150 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin_dir"
fi

work=$(mktemp -d)
lumeno_pid=
cleanup() {
  if [ -n "$lumeno_pid" ] && kill -0 "$lumeno_pid" 2>/dev/null; then
    kill "$lumeno_pid" 2>/dev/null || true
    wait "$lumeno_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$work/config"
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
unset LUMENO_AD_HOST

# The program itself does not link the browser engine; only its module does.
if ldd "$lumeno" | grep -q WebEngine; then
  fail "lumeno links Qt WebEngine"
fi

# A wrong option is the user's mistake to hear about at once.
status=0
timeout 30 "$lumeno" --ad-host "http://example.com/" >"$work/out" 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "a wrong --ad-host gave status $status, not 2"
grep -q "^lumeno: --ad-host: 'http://example.com/' is not HOST\[:PORT\]" "$work/out" || fail "no message for a wrong --ad-host: $(cat "$work/out")"

# A wrong deployment setting is reported, and the window still starts.
LUMENO_AD_HOST="a b" timeout 30 "$lumeno" --screenshot "$work/env.png" >"$work/out" 2>&1 || fail "lumeno did not run with a wrong LUMENO_AD_HOST: $(cat "$work/out")"
grep -q "^lumeno: LUMENO_AD_HOST: 'a b' is not HOST\[:PORT\]" "$work/out" || fail "no message for a wrong LUMENO_AD_HOST: $(cat "$work/out")"
mkdir -p "$XDG_CONFIG_HOME/Lumeno"
printf '[ad]\nhost=example.com:0\n' >"$XDG_CONFIG_HOME/Lumeno/Lumeno.conf"
timeout 30 "$lumeno" --screenshot "$work/settings.png" >"$work/out" 2>&1 || fail "lumeno did not run with a wrong ad/host: $(cat "$work/out")"
grep -q "^lumeno: ad/host: 'example.com:0' has port 0" "$work/out" || fail "no message for a wrong ad/host: $(cat "$work/out")"
rm "$XDG_CONFIG_HOME/Lumeno/Lumeno.conf"

# With a host (nothing listens there: the pane shows the engine's error page),
# the browser is loaded once the window is up.
"$lumeno" --ad-host 127.0.0.1:9 >"$work/lumeno.log" 2>&1 &
lumeno_pid=$!
loaded=
for _ in $(seq 1 120); do
  sleep 0.25
  kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended: $(cat "$work/lumeno.log")"
  if grep -q WebEngine "/proc/$lumeno_pid/maps" && grep -qs "^PPid:[[:space:]]*$lumeno_pid\$" /proc/[0-9]*/status; then
    loaded=1
    break
  fi
done
[ -n "$loaded" ] || fail "the browser was not loaded: $(cat "$work/lumeno.log")"
# The engine's error page for the closed port has been drawn by now.
sleep 3
kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended after loading the browser: $(cat "$work/lumeno.log")"
if [ "$(id -u)" -eq 0 ]; then
  [ "$(grep -c "running as root" "$work/lumeno.log")" -eq 1 ] || fail "running as root was not said once: $(cat "$work/lumeno.log")"
fi
echo "PASS"
