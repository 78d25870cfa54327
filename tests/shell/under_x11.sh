#!/bin/sh
# under_x11.sh COMMAND [ARGUMENT...]: runs COMMAND on Qt's X11 platform under
# a virtual X server with a window manager, once the manager has started, and
# exits with COMMAND's status; 77 (skipped) without xvfb-run or openbox.
set -u
if [ "${1:-}" = --inside ]; then
    shift
    ready=$(mktemp -u)
    openbox --startup "touch $ready" >/dev/null 2>&1 &
    manager=$!
    # The dialogs must be framed from their first showing on.
    tries=0
    while [ ! -e "$ready" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
    rm -f "$ready"
    QT_QPA_PLATFORM=xcb "$@"
    status=$?
    kill "$manager" 2>/dev/null
    exit $status
fi
for tool in xvfb-run openbox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "under_x11.sh: $tool is not installed" >&2; exit 77; }
done
exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside "$@"
