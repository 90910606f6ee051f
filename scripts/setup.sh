#!/usr/bin/env bash
# Installs what is missing and builds in release mode. Sourced by run.sh and test.sh.
set -euo pipefail

QIMING_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QIMING_BUILD="$QIMING_ROOT/build"

qiming_missing_packages() {
    local pkgs=(g++ make cmake pkg-config qt6-base-dev libsqlite3-dev libgtest-dev libbenchmark-dev
                fonts-noto-cjk unicode-data)
    local p
    for p in "${pkgs[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
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

qiming_build() {
    if [ ! -f "$QIMING_BUILD/CMakeCache.txt" ]; then
        cmake -S "$QIMING_ROOT" -B "$QIMING_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$QIMING_BUILD" -j"$(nproc)" | grep -vE '^\[ *[0-9]+%\] (Built target|Automatic MOC)' || true
    test "${PIPESTATUS[0]}" -eq 0
}

qiming_install
qiming_build
