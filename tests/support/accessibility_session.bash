# Sourced by the scripts that need an accessibility bus, as a desktop where a
# screen reader runs has one before any program starts:
#   source accessibility_session.bash "$0" "$@"
# runs the calling script again inside a private session bus, starts the
# accessibility bus there and turns Qt's accessibility bridge on.
for tool in dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] \
  || { echo "FAIL: the accessibility bus is missing (at-spi2-core)" >&2; exit 1; }

# The accessibility bus keeps its socket in the runtime folder: one of its
# own, so that runs side by side neither share nor remove each other's bus.
if [ -z "${LUMENO_ACCESSIBILITY_SESSION:-}" ]; then
  export LUMENO_ACCESSIBILITY_SESSION=1
  runtime=$(mktemp -d)
  status=0
  XDG_RUNTIME_DIR=$runtime timeout 240 dbus-run-session -- bash "$@" || status=$?
  rm -rf "$runtime"
  exit "$status"
fi

# Asking for its address starts the accessibility bus.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null \
  || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
