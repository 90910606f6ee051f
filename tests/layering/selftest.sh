#!/usr/bin/env bash
# The include check finds what it is meant to find: a small tree with one include of each
# forbidden kind, and the allowed ones beside them.
set -euo pipefail
check="$(cd "$(dirname "$0")" && pwd)/check.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
put() { mkdir -p "$tree/$(dirname "$1")"; printf '#include "%s"\n' "${@:2}" >"$tree/$1"; }
for room in data calendar numerology generation review profile widgets namelist shell; do mkdir -p "$tree/src/$room"; done
mkdir -p "$tree/src/generation/ui" "$tree/src/review/ui"
put src/numerology/Ok.cpp numerology/Ok.h data/Database.h
put src/numerology/Up.cpp generation/NameCandidate.h
put src/generation/ToUi.cpp generation/ui/HighScorePage.h
put src/generation/ui/Ok.cpp generation/ui/Ok.h namelist/ListActions.h profile/BabyProfile.h widgets/HtmlView.h
put src/review/ui/Across.cpp generation/ui/HighScorePage.h
put src/review/ui/Roof.cpp shell/MainWindow.h
put src/widgets/Page.cpp namelist/CandidateListView.h
put src/namelist/Page.cpp review/ui/FavouritesWindow.h
put app/qiming-cli/Window.cpp widgets/MessageBoxes.h
put app/qiming/main.cpp shell/MainWindow.h widgets/AppIcons.h data/SharedDatabase.h

expected="app/qiming-cli/Window.cpp:1: #include \"widgets/MessageBoxes.h\"
src/generation/ToUi.cpp:1: #include \"generation/ui/HighScorePage.h\"
src/namelist/Page.cpp:1: #include \"review/ui/FavouritesWindow.h\"
src/numerology/Up.cpp:1: #include \"generation/NameCandidate.h\"
src/review/ui/Across.cpp:1: #include \"generation/ui/HighScorePage.h\"
src/review/ui/Roof.cpp:1: #include \"shell/MainWindow.h\"
src/widgets/Page.cpp:1: #include \"namelist/CandidateListView.h\""
if actual=$("$check" "$tree" 2>/dev/null); then
    echo "the check passed a tree with forbidden includes" >&2
    exit 1
fi
if [[ "$actual" != "$expected" ]]; then
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    exit 1
fi
echo "ok"
