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

data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/qiming"
mkdir -p "$data_dir"
cli="$QIMING_BUILD/app/qiming-cli"

# A user's data.dll holds the profile and favourites: never rebuilt, only upgraded.
set +e
status_text=$(cd "$data_dir" && "$cli" db status 2>&1)
status=$?
set -e
case $status in
    0) ;;
    3) (cd "$data_dir" && "$cli" db build) ;;
    4) (cd "$data_dir" && "$cli" db upgrade) ;;
    5) echo "注意 note: $status_text" ;;
    *) echo "$status_text" >&2 ;;
esac

cd "$data_dir"
exec "$QIMING_BUILD/app/qiming"
