#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs: the programs, the
# desktop entry (valid), the icons, and an installed program that finds its data.
#   install-test.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
home="$(mktemp -d)"
trap 'rm -rf "$prefix" "$home"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/qiming bin/qiming-cli bin/qiming-start share/applications/qiming.desktop share/doc/qiming/NOTICE; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
for size in 16 32 48 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/qiming.png" ] || { echo "no ${size}px icon" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/qiming.desktop"
grep -q '^Exec=qiming-start$' "$prefix/share/applications/qiming.desktop"

# The installed programs read the installed sources, wherever the source tree is.
"$prefix/bin/qiming-cli" --version | grep -q '数据版本'
cd "$home"
"$prefix/bin/qiming-cli" db build data.dll >/dev/null
"$prefix/bin/qiming-cli" db status data.dll >/dev/null
"$prefix/bin/qiming-cli" char 萱 --db data.dll | grep -q 'xuān'

# The launcher opens the program even when bringing the data up to date fails (another copy
# holding the file, say).
fake="$(mktemp -d)"
trap 'rm -rf "$prefix" "$home" "$fake"' EXIT
printf '#!/bin/sh\ncase "$2" in status) exit 4 ;; *) exit 1 ;; esac\n' >"$fake/qiming-cli"
printf '#!/bin/sh\necho started\n' >"$fake/qiming"
chmod +x "$fake/qiming-cli" "$fake/qiming"
QIMING_BIN="$fake" XDG_DATA_HOME="$home/xdg" "$prefix/bin/qiming-start" | grep -q started
echo "installed and found its data"
