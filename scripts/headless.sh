#!/usr/bin/env bash
# Runs programs on a virtual X display (Xvfb), for machines without a screen.
#
#   scripts/headless.sh picture [--keys KEYS] KONIKA FOLDER [ARGUMENT...]
#       Runs KONIKA in FOLDER with the arguments; it reads this script's standard input and
#       writes to its standard output as in a plain run. Once its window is shown, presses the
#       KEYS in it (letters, one key each: g for the elements of the curve, m for the grid),
#       then konika's save key, which saves the window's picture as a new PNG file in FOLDER,
#       and then its quit key. Instead of konika's line about the file, prints last
#       "Picture of the window: PATH".
#       Exit status: 0 picture saved, 3 konika ended without opening a window, 1 failure.
#   scripts/headless.sh run COMMAND [ARGUMENT...]
#       Runs COMMAND with DISPLAY set to a fresh virtual display; exits with its status.
#
# konika, the key presser and the display server are ended by their process ids on every path.
set -euo pipefail

readonly title="Geometrija - prikaz zadatka"
readonly saved_line="Slika je sacuvana u datoteku "
readonly not_saved_line="Slika nije sacuvana"

scratch=$(mktemp -d)
server_pid=""
konika_pid=""
presser_pid=""

end_process() {
    local pid=$1
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || true
    fi
}

cleanup() {
    end_process "$presser_pid"
    end_process "$konika_pid"
    end_process "$server_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

usage() {
    sed -n '4,14s/^# \{0,1\}//p' "$0" >&2
    exit 1
}

require_tools() {
    local missing=()
    command -v Xvfb >/dev/null || missing+=(xvfb)
    command -v xdotool >/dev/null || missing+=(xdotool)
    if ((${#missing[@]} > 0)); then
        echo "The virtual display needs these Debian packages: ${missing[*]}" >&2
        exit 1
    fi
}
# Xvfb writes the display number it chose, then a line end, once it accepts clients. Without
# -noreset it would reset whenever its last client leaves, turning new clients away meanwhile.
start_display() {
    Xvfb -displayfd 3 -screen 0 1200x800x24 -nolisten tcp -noreset \
        3>"$scratch/display" 2>"$scratch/xvfb.log" &
    server_pid=$!
    local deadline=$((SECONDS + 10))
    until [[ -s $scratch/display && $(wc -l <"$scratch/display") -ge 1 ]]; do
        if ! kill -0 "$server_pid" 2>/dev/null || ((SECONDS >= deadline)); then
            echo "The virtual display (Xvfb) did not start:" >&2
            cat "$scratch/xvfb.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    DISPLAY=":$(head -n 1 "$scratch/display")"
    export DISPLAY
}

# Nothing limits the wait for the window, as a user may be typing the numbers. The keys are
# sent to the window itself (xdotool's notes about the keyboard focus are of no use here);
# konika handles them in order, after the events that showed the window, so the frame that it
# saves shows what the keys before the save key turned on.
press_keys_and_save() {
    local keys=() i window=""
    for ((i = 0; i < ${#1}; i++)); do
        keys+=("${1:i:1}")
    done
    until [[ -n $window ]]; do
        sleep 0.05
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
    done
    echo "$window" >"$scratch/window"
    xdotool key --window "$window" "${keys[@]}" s 2>/dev/null
}

# konika may end on the key's press, before its release reaches the window.
press_quit_key() {
    xdotool key --window "$(cat "$scratch/window")" q 2>/dev/null || true
}

# Passes konika's lines on, all but its line about the picture; quits konika once the picture
# is saved, or could not be. The save key has 30 s to bring that line. Lines come whole, as
# konika's output is line-buffered; a last line without its line end is passed on as it is.
take_picture() {
    local keys=""
    if [[ $1 == --keys ]]; then
        keys=$2
        shift 2
    fi
    (($# >= 2)) || usage
    local konika=$1 folder
    folder=$(cd "$2" && pwd)
    shift 2
    if [[ $konika == */* ]]; then # a path, which must hold in the folder as well
        konika="$(cd "$(dirname "$konika")" && pwd)/$(basename "$konika")"
    fi
    start_display
    mkfifo "$scratch/output"
    (cd "$folder" && exec stdbuf -oL "$konika" "$@") <&0 >"$scratch/output" &
    konika_pid=$!
    press_keys_and_save "$keys" &
    presser_pid=$!
    exec 4<"$scratch/output"
    local line="" picture="" failed=0 pressed_at="" read_status=0
    while true; do
        if IFS= read -r -t 1 line <&4; then
            case $line in
            "$saved_line"*) picture="$folder/${line#"$saved_line"}" && press_quit_key ;;
            "$not_saved_line"*) echo "$line" >&2 && failed=1 && press_quit_key ;;
            *) printf '%s\n' "$line" ;;
            esac
            continue
        else
            read_status=$?
        fi
        printf '%s' "$line"
        ((read_status > 128)) || break # the end of konika's output, not a time-out
        if [[ -z $picture ]] && ((failed == 0)) && ! kill -0 "$presser_pid" 2>/dev/null; then
            pressed_at=${pressed_at:-$SECONDS}
            if ((SECONDS - pressed_at > 30)); then
                echo "konika saved no picture within 30 s of its save key" >&2
                return 1
            fi
        fi
    done
    local konika_status=0
    wait "$konika_pid" || konika_status=$?
    konika_pid=""
    if ((konika_status != 0)); then
        echo "konika ended with status $konika_status" >&2
        return 1
    fi
    ((failed == 0)) || return 1
    [[ -n $picture ]] || return 3 # the reduction opened no window
    echo "Picture of the window: $picture"
}

run_command() {
    start_display
    "$@"
}

require_tools
status=0
case ${1:-} in
picture)
    (($# >= 3)) || usage
    shift
    take_picture "$@" || status=$?
    ;;
run)
    (($# >= 2)) || usage
    shift
    run_command "$@" || status=$?
    ;;
*) usage ;;
esac
exit "$status"
