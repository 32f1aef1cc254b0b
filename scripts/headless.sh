#!/usr/bin/env bash
# Runs programs on a virtual X display (Xvfb), for machines without a screen.
#
#   scripts/headless.sh picture KONIKA PICTURE [ARGUMENT...]
#       Runs KONIKA with the arguments; it reads this script's standard input and writes to
#       its standard output as in a plain run. Once its window is shown and drawn, saves the
#       window as the PNG file PICTURE and ends konika.
#       Exit status: 0 picture saved, 3 konika ended without opening a window, 1 failure.
#   scripts/headless.sh run COMMAND [ARGUMENT...]
#       Runs COMMAND with DISPLAY set to a fresh virtual display; exits with its status.
#
# konika and the display server are ended by their process ids on every path.
set -euo pipefail

readonly title="Geometrija - prikaz zadatka"
# The background is (0.9, 0.9, 0.8); renderers round 0.9 * 255 either way.
readonly background=(229 229 204)

scratch=$(mktemp -d)
server_pid=""
konika_pid=""

end_process() {
    local pid=$1
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || true
    fi
}

cleanup() {
    end_process "$konika_pid"
    end_process "$server_pid"
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

usage() {
    sed -n '4,10s/^# \{0,1\}//p' "$0" >&2
    exit 1
}

require_tools() {
    local missing=()
    command -v Xvfb >/dev/null || missing+=(xvfb)
    command -v xwd >/dev/null || missing+=(x11-apps)
    command -v convert >/dev/null || missing+=(imagemagick)
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

# True when more than half of the picture's pixels are within 1 of the background color.
mostly_background() {
    convert "$1" -format %c histogram:info:- |
        awk -v r="${background[0]}" -v g="${background[1]}" -v b="${background[2]}" '
            function near(value, wanted) { return value - wanted <= 1 && wanted - value <= 1 }
            {
                split($0, f, /[^0-9]+/)   # f[1] is empty: the line starts with blanks
                total += f[2]
                if (near(f[3], r) && near(f[4], g) && near(f[5], b)) matching += f[2]
            }
            END { exit !(matching * 2 > total) }'
}

# The exit status of konika, which has ended: 3 when it ended as it does after a reduction
# that opens no window, 1 otherwise.
konika_ended() {
    local status=0
    wait "$konika_pid" || status=$?
    konika_pid=""
    if ((status == 0)); then
        return 3
    fi
    echo "konika ended with status $status" >&2
    return 1
}

# The window is mapped once xwd can capture it, and drawn once the background fills it:
# before its first frame it is black. A frame reaches the server as one image, so the first
# capture with the background holds the whole picture. Nothing limits the wait for the
# window, as a user may be typing the numbers; once shown, it has 30 s for its first frame.
wait_for_picture() {
    local shown_at=""
    while true; do
        if xwd -silent -name "$title" -out "$scratch/window.xwd" 2>/dev/null; then
            if mostly_background "$scratch/window.xwd"; then
                return 0
            fi
            shown_at=${shown_at:-$SECONDS}
            if ((SECONDS - shown_at > 30)); then
                echo "konika's window shows no picture after 30 s" >&2
                return 1
            fi
        elif ! kill -0 "$konika_pid" 2>/dev/null; then
            konika_ended
            return
        fi
        sleep 0.1
    done
}

# The window would stay open for good, so konika is ended once the picture is saved. Its
# standard output is unbuffered so that nothing it printed is lost then.
take_picture() {
    local konika=$1 picture=$2
    shift 2
    start_display
    stdbuf -o0 "$konika" "$@" <&0 &
    konika_pid=$!
    wait_for_picture || return
    convert "$scratch/window.xwd" +repage -strip "png:$picture"
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
