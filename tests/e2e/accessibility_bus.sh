#!/usr/bin/env bash
# Drives the real lumeno window through the accessibility bus on a virtual
# display, as a screen reader or an automation tool does: lists the window's
# roles and names, checks the controls a user needs, types an article through
# the text interface, presses "打乱文章顺序" through its action and reads the
# shuffled article back from the second memo.
#
# Usage: accessibility_bus.sh BINDIR
set -euo pipefail

# The client library comes from a Debian package (scripts/install-deps.sh);
# without it the test fails rather than passing unseen.
python=/usr/bin/python3
command -v "$python" >/dev/null || { echo "FAIL: $python is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' \
  || { echo "FAIL: the AT-SPI client library is missing (gir1.2-atspi-2.0)" >&2; exit 1; }
source "$(dirname "$0")/../support/accessibility_session.bash" "$0" "$@"
source "$(dirname "$0")/lib/window_session.bash" "$0" "${1:-}"

article="$work/article.txt"
printf '%s' '春天来了，万物复苏。小草从地下探出头来，花儿也开了！孩子们在田野里奔跑；老人们坐在门口晒太阳。' >"$article"

start_lumeno

timeout 60 "$python" "$(dirname "$0")/lib/atspi_shuffle.py" "$lumeno_pid" "$article" || fail "the accessibility client failed"

kill -0 "$lumeno_pid" 2>/dev/null || fail "lumeno ended during the test"
echo "PASS"
