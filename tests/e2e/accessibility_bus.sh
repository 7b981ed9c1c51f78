#!/usr/bin/env bash
# Drives the real lumeno window through the accessibility bus on a virtual
# display, as a screen reader or an automation tool does: lists the window's
# roles and names, checks the controls a user needs, types an article through
# the text interface, presses "打乱文章顺序" through its action and reads the
# shuffled article back from the second memo.
#
# Usage: accessibility_bus.sh BINDIR
set -euo pipefail

# The bus and its client come from Debian packages (scripts/install-deps.sh);
# without them the test fails rather than passing unseen.
python=/usr/bin/python3
for tool in dbus-run-session dbus-send "$python"; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' \
  || { echo "FAIL: the AT-SPI client library is missing (gir1.2-atspi-2.0)" >&2; exit 1; }
[ -x /usr/libexec/at-spi-bus-launcher ] \
  || { echo "FAIL: the accessibility bus is missing (at-spi2-core)" >&2; exit 1; }

# A private session bus of its own, so no other session is touched, and a
# runtime folder of its own, where the accessibility bus keeps its socket.
if [ -z "${LUMENO_E2E_SESSION_BUS:-}" ]; then
  export LUMENO_E2E_SESSION_BUS=1
  runtime=$(mktemp -d)
  status=0
  XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "$0" "$@" || status=$?
  rm -rf "$runtime"
  exit "$status"
fi

# Asking for its address starts the accessibility bus, as a desktop with a
# screen reader has it running before the program starts.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null \
  || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }

source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}"

article="$work/article.txt"
printf '%s' '春天来了，万物复苏。小草从地下探出头来，花儿也开了！孩子们在田野里奔跑；老人们坐在门口晒太阳。' >"$article"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_lumeno

timeout 60 "$python" "$(dirname "$0")/lib/atspi_shuffle.py" "$lumeno_pid" "$article" || fail "the accessibility client failed"

kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended during the test"
echo "PASS"
