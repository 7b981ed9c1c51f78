#!/usr/bin/env bash
# Runs a test program on a virtual X display with a private session bus whose
# accessibility bus is started before the program; Qt's accessibility bridge
# then becomes active.
#
# Usage: run_on_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
command -v xvfb-run >/dev/null || { echo "FAIL: xvfb-run is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
source "$(dirname "$0")/accessibility_session.bash" "$0" "$@"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
