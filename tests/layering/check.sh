#!/usr/bin/env bash
# Who may include whom (src/README.md): prints every #include of a project header that runs
# against the floors, as file:line, and fails when there is one.
# Usage: check.sh [ROOT]   (ROOT holds src/ and app/; the checkout by default)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

# Logic rooms by floor: a room includes only itself and rooms on lower floors.
declare -A floor=([data]=0 [calendar]=0 [numerology]=1 [birthchart]=2 [generation]=2 [othernames]=2 [tools]=2
                  [profile]=2 [review]=3)

allowed() { # from-file included-room included-is-ui
    local file=$1 room=$2 isui=$3 top sub
    top=${file#*/}; top=${top%%/*}          # src/<top>/… or app/<top>/…
    sub=${file#*/"$top"/}; sub=${sub%%/*}   # ui when the file sits in <top>/ui/
    case $file in
    app/qiming/*) [[ $room == shell || $room == widgets || -n ${floor[$room]+x} ]] && [[ $isui == no || $room == shell ]] ;;
    app/qiming-icons/*) [[ $room == widgets ]] ;;
    app/*) [[ -n ${floor[$room]+x} && $isui == no ]] ;;
    src/shell/*) true ;;
    src/widgets/*) [[ $room == widgets || $room == data ]] && [[ $isui == no ]] ;;
    src/namelist/*) [[ $room == namelist || $room == widgets || -n ${floor[$room]+x} ]] && [[ $isui == no ]] ;;
    src/*/ui/*)
        if [[ $isui == yes ]]; then [[ $room == "$top" ]]
        else [[ $room == widgets || $room == namelist || -n ${floor[$room]+x} ]]; fi ;;
    src/*)
        [[ $isui == no && -n ${floor[$room]+x} && -n ${floor[$top]+x} ]] &&
            { [[ $room == "$top" ]] || (( floor[$room] < floor[$top] )); } ;;
    *) true ;;
    esac
}

status=0
while IFS=: read -r file line text; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
    room=${header%%/*}
    [[ $header == */* ]] || continue                   # a sibling or generated header
    [[ -d src/$room ]] || continue                     # not one of ours
    isui=no
    [[ $header == "$room"/ui/* ]] && isui=yes
    if ! allowed "$file" "$room" "$isui"; then
        echo "$file:$line: $text"
        status=1
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src app --include=*.h --include=*.cpp | sort)

if (( status )); then
    echo "These includes run against the floors in src/README.md." >&2
fi
exit $status
