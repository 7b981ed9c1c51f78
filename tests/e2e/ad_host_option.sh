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

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}" ldd

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
  kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended"
  if grep -q WebEngine "/proc/$lumeno_pid/maps" && grep -qs "^PPid:[[:space:]]*$lumeno_pid\$" /proc/[0-9]*/status; then
    loaded=1
    break
  fi
done
[ -n "$loaded" ] || fail "the browser was not loaded"
# The engine's error page for the closed port has been drawn by now.
sleep 3
kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended after loading the browser"
if [ "$(id -u)" -eq 0 ]; then
  [ "$(grep -c "running as root" "$work/lumeno.log")" -eq 1 ] || fail "running as root was not said once"
fi
echo "PASS"
