#!/usr/bin/env bash
# Runs a test program on a virtual X display with a private session bus whose
# accessibility bus is started before the program, as it is on a desktop where
# a screen reader runs; Qt's accessibility bridge then becomes active.
#
# Usage: run_on_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
for tool in dbus-run-session dbus-send xvfb-run; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] \
  || { echo "FAIL: the accessibility bus is missing (at-spi2-core)" >&2; exit 1; }

# The accessibility bus keeps its socket in the runtime folder: one of its
# own, so that runs side by side do not share or remove each other's bus.
if [ -z "${LUMENO_ACCESSIBILITY_SESSION:-}" ]; then
  export LUMENO_ACCESSIBILITY_SESSION=1
  runtime=$(mktemp -d)
  status=0
  XDG_RUNTIME_DIR=$runtime timeout 240 dbus-run-session -- bash "$0" "$@" || status=$?
  rm -rf "$runtime"
  exit "$status"
fi

# Asking for its address starts the accessibility bus.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null \
  || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
