#!/usr/bin/env bash
# End to end: the real tessarin5game on its own X display opens a puzzle made by tessarin5-cli, the solver clicks
# a cell and a strip letter, types a letter into another cell and saves with Ctrl+S. Line 45 must then hold the
# solver's letters and every other line must be byte for byte as before.
# Then a Patristocrat made by tessarin5-cli is solved completely by typing: the congratulation must appear at the
# last letter, and after Ctrl+S only line 45 differs, holding the plaintext's letters in fives.
#   e2e_game.sh BIN_DIR SUPPORT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
support=$(cd "$2" && pwd)
work=$(mktemp -d)
cleanup() {
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
puzzle=$work/puzzle.acnx
printf 'Hello world' | "$bin/tessarin5-cli" add "$puzzle" cipher --seed 1
cp "$puzzle" "$work/before.acnx"
patristocrat=$work/patristocrat.acnx
printf 'The quick brown fox, the lazy dog: Tessarin!' |
    "$bin/tessarin5-cli" add "$patristocrat" cipher --seed 6 --patristocrat
cp "$patristocrat" "$work/patristocrat-before.acnx"

# Starts the game, opens FILE through its Open dialog and waits until the caption names the puzzle NAME.
# Sets win and game_pid.
open_in_game() {
    cd "$work"
    "$bin/tessarin5game" &
    game_pid=$!
    trap 'kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true' EXIT
    win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessarin 5 Game$' | head -n 1)
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || xdotool windowfocus --sync "$win"
    sleep 0.5
    xdotool key --window "$win" ctrl+o
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --name 'Open a Tessarin cryptogram to solve' | head -n 1)
    sleep 0.5
    xdotool windowfocus --sync "$dialog" >/dev/null 2>&1 || true
    xdotool type --delay 20 "$1"
    xdotool key Return
    for _ in $(seq 50); do
        [ "$(xdotool getwindowname "$win")" = "Tessarin 5 Game - $2" ] && break
        sleep 0.2
    done
    title=$(xdotool getwindowname "$win")
    [ "$title" = "Tessarin 5 Game - $2" ] || { echo "window title is '$title'"; exit 1; }
}

drive() {
    open_in_game "$puzzle" puzzle
    sleep 0.5
    # Cell 1 of the board (cells of 33 pixels below the tool bar, strip and spacer), then H on the strip.
    xdotool mousemove --window "$win" 16 131 click 1
    sleep 0.2
    xdotool mousemove --window "$win" $((4 + 7 * 29 + 14)) 85 click 1
    sleep 0.2
    # Cell 2, then the letter E typed on the keyboard.
    xdotool mousemove --window "$win" $((33 + 16)) 131 click 1
    sleep 0.2
    xdotool key --window "$win" e
    sleep 0.2
    xdotool key --window "$win" ctrl+s
    sleep 2
}
# The keys a solver with the key would type: for every cipher letter in order, its plain letter where that cipher
# letter comes first, then Right to the next cell; nothing after the last new cipher letter.
solving_keys() {
    local key=$1 cipher=$2
    awk -v key="$key" -v cipher="$cipher" 'BEGIN {
        n = 0
        for (i = 1; i <= length(cipher); i++) {
            c = substr(cipher, i, 1)
            if (c == " ") continue
            letters[++n] = c
        }
        last = 0
        for (i = 1; i <= n; i++) if (!(letters[i] in seen)) { seen[letters[i]] = 1; last = i }
        delete seen
        out = ""
        for (i = 1; i <= last; i++) {
            c = letters[i]
            if (!(c in seen)) {
                seen[c] = 1
                out = out " " tolower(substr("ABCDEFGHIJKLMNOPQRSTUVWXYZ", index(key, c), 1))
            }
            if (i < last) out = out " Right"
        }
        print out
    }'
}

drive_patristocrat() {
    open_in_game "$patristocrat" patristocrat
    sleep 0.5
    key=$(sed -n '13p' "$patristocrat" | tr -d '\r')
    cipher=$(sed -n '10p' "$patristocrat" | tr -d '\r')
    # shellcheck disable=SC2046
    xdotool key --delay 30 Home $(solving_keys "$key" "$cipher")
    # The congratulation is the only window that opens now.
    found=
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name '^Tessarin 5 Game Edition$' 2>/dev/null); do
            [ "$w" != "$win" ] && found=$w
        done
        [ -n "$found" ] && break
        sleep 0.2
    done
    [ -n "$found" ] || { echo "no congratulation appeared"; exit 1; }
    echo "congratulation window: $(xdotool getwindowname "$found")"
    xdotool windowactivate --sync "$found" >/dev/null 2>&1 || true
    xdotool key Return
    sleep 0.5
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || xdotool windowfocus --sync "$win"
    xdotool key --window "$win" ctrl+s
    sleep 2
}
export -f open_in_game drive drive_patristocrat solving_keys
export bin work puzzle patristocrat

"$support/with-xvfb.sh" bash -c 'drive'
"$support/with-xvfb.sh" bash -c 'drive_patristocrat'

# Line 45 (the 46th) must hold H and E in its first two cells; the file must otherwise be unchanged, byte for byte.
before45=$(sed -n '46p' "$work/before.acnx" | tr -d '\r')
sed "46s/.*/HE${before45:2}\r/" "$work/before.acnx" >"$work/expected.acnx"
if ! cmp "$work/expected.acnx" "$puzzle"; then
    echo "expected line 45: HE${before45:2}"
    echo "found line 45:    $(sed -n '46p' "$puzzle" | tr -d '\r')"
    exit 1
fi
echo "line 45: $(sed -n '46p' "$puzzle" | tr -d '\r')"

# The Patristocrat: line 45 holds the plaintext's letters in fives; every other byte is as before.
answer=$(printf 'THEQU ICKBR OWNFO XTHEL AZYDO GTESS ARIN')
sed "46s/.*/$answer\r/" "$work/patristocrat-before.acnx" >"$work/patristocrat-expected.acnx"
if ! cmp "$work/patristocrat-expected.acnx" "$patristocrat"; then
    echo "expected line 45: $answer"
    echo "found line 45:    $(sed -n '46p' "$patristocrat" | tr -d '\r')"
    exit 1
fi
echo "patristocrat line 45: $(sed -n '46p' "$patristocrat" | tr -d '\r')"
