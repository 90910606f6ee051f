#!/usr/bin/env bash
# Sets up, makes sure the user's database is current, and starts the program.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

no_display() {
    if [ -n "${DISPLAY:-}" ]; then
        echo "没有可用的图形显示（DISPLAY=$DISPLAY），无法启动窗口程序。/ No usable display (DISPLAY=$DISPLAY): cannot start the windowed program." >&2
    else
        echo "没有可用的图形显示，无法启动窗口程序。/ No usable display: cannot start the windowed program." >&2
    fi
    exit 1
}

# Whether a display answers: Wayland's socket, else X (xdpyinfo when installed, else the
# server's socket or port). A form not understood here is left to the program to try.
display_reachable() {
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        local socket="$WAYLAND_DISPLAY"
        [ "${socket#/}" != "$socket" ] || socket="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket"
        [ -S "$socket" ] && return 0
    fi
    local display="${DISPLAY:-}"
    [ -n "$display" ] || return 1
    if command -v xdpyinfo >/dev/null 2>&1; then
        timeout 10 xdpyinfo >/dev/null 2>&1
        return
    fi
    local host="${display%:*}" number="${display##*:}"
    number="${number%%.*}"
    case "$number" in '' | *[!0-9]*) return 0 ;; esac
    if [ -z "$host" ] || [ "$host" = unix ]; then
        [ -S "/tmp/.X11-unix/X$number" ]
    else
        timeout 5 bash -c 'exec 3<>"/dev/tcp/$0/$1"' "$host" "$((6000 + number))" 2>/dev/null
    fi
}

# Nothing is built for a window that cannot be shown.
display_reachable || no_display

qiming_setup program_only qiming qiming-cli

# The same start as the installed program's: the database made or upgraded, then the window.
QIMING_BIN="$QIMING_BUILD/app" exec "$QIMING_ROOT/scripts/qiming-start"
