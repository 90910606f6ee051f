#!/usr/bin/env bash
# Sets up, makes sure the user's database is current, and starts the program.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

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

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "没有图形显示，无法启动窗口程序。/ No display: cannot start the windowed program." >&2
    exit 1
fi
cd "$data_dir"
exec "$QIMING_BUILD/app/qiming"
