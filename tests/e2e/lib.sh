# shellcheck shell=bash
# Helpers for the end-to-end scenarios. A scenario is a bash script that sources this
# file ("source "$E2E_LIB""), drives the program and exits 0 when it passed. The
# runner gives it DISPLAY, GRAPH_EXPLORER (the program), E2E_ARTIFACTS (a folder
# for its screenshots; the program's output goes to program.log there) and E2E_LIB.

set -euo pipefail

# Seconds that a wait may take before the scenario fails.
E2E_TIMEOUT="${E2E_TIMEOUT:-20}"

APP_PID=""
EXIT_STATUS=""

fail() {
    echo "failed: $*" >&2
    exit 1
}

# A program that a failed scenario leaves running is ended with it.
e2e_cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
}
trap e2e_cleanup EXIT
trap 'exit 143' TERM INT

# Starts the program in the background with the given arguments.
start_program() {
    "$GRAPH_EXPLORER" "$@" >"$E2E_ARTIFACTS/program.log" 2>&1 &
    APP_PID=$!
}

e2e_title_pattern() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|/]/\\&/g')"
}

# The ids of the program's shown windows whose title is exactly the given text,
# one a line (nothing when there is none).
windows_titled() {
    xdotool search --all --onlyvisible --pid "$APP_PID" --name "$(e2e_title_pattern "$1")" 2>/dev/null || true
}

count_windows() {
    windows_titled "$1" | grep -c . || true
}

# Waits until a window of the program with exactly this title is shown, and prints
# its id (the first when there are several).
wait_window() {
    local title="$1"
    local id
    id="$(timeout "$E2E_TIMEOUT" xdotool search --sync --all --onlyvisible --pid "$APP_PID" \
        --name "$(e2e_title_pattern "$title")" 2>/dev/null | head -n 1)" || true
    [ -n "$id" ] || fail "no window \"$title\" within ${E2E_TIMEOUT}s"
    printf '%s\n' "$id"
}

# Waits until exactly COUNT windows of the program carry the title.
wait_window_count() {
    local title="$1"
    local count="$2"
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while [ "$(count_windows "$title")" -ne "$count" ]; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "expected $count windows \"$title\", found $(count_windows "$title")"
        fi
        sleep 0.1
    done
}

# Makes the window active and types keys into it, e.g. send_keys "$id" ctrl+3.
send_keys() {
    local window="$1"
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || fail "cannot activate window $window"
    xdotool key --clearmodifiers "$@"
}

# Gives the window the keyboard where no window manager is there to ask (the X
# input focus, which the toolkit takes for activation), and types keys into it.
focus_and_send_keys() {
    local window="$1"
    shift
    xdotool windowfocus --sync "$window" >/dev/null 2>&1 || fail "cannot focus window $window"
    xdotool key --clearmodifiers "$@"
}

# Writes a screenshot of the window to $E2E_ARTIFACTS/NAME.png and prints its path.
screenshot() {
    local window="$1"
    local file="$E2E_ARTIFACTS/$2.png"
    import -window "$window" "$file" || fail "cannot take a screenshot of window $window"
    printf '%s\n' "$file"
}

# The colour of one pixel of an image as RRGGBB, e.g. FFFFFF.
pixel() {
    local file="$1"
    local x="$2"
    local y="$3"
    convert "$file" -alpha off -crop "1x1+$x+$y" +repage -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n 1 | tr 'a-f' 'A-F'
}

# Waits for the program to end and sets EXIT_STATUS to its exit status.
wait_exit() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while kill -0 "$APP_PID" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "the program is still running after ${E2E_TIMEOUT}s"
        fi
        sleep 0.1
    done
    EXIT_STATUS=0
    wait "$APP_PID" || EXIT_STATUS=$?
    APP_PID=""
}

# Waits for the program to end and fails unless it exited with STATUS.
expect_exit() {
    wait_exit
    [ "$EXIT_STATUS" -eq "$1" ] || fail "exit status $EXIT_STATUS, expected $1"
}

# Takes screenshots of the window as NAME until the check (a command that is handed
# the screenshot) passes, and prints its path; fails with WHAT after the timeout.
screenshot_until() {
    local window="$1" name="$2" what="$3" file
    shift 3
    local deadline=$((SECONDS + E2E_TIMEOUT))
    while true; do
        file="$(screenshot "$window" "$name")"
        if "$@" "$file"; then
            printf '%s\n' "$file"
            return 0
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "$what (see $name.png)"
        sleep 0.1
    done
}

# How many pixels of an area (WIDTHxHEIGHT+LEFT+TOP of the screenshot) differ
# between two screenshots.
area_pixels_differing() {
    local area="$1" name="${1//[^0-9]/_}"
    convert "$2" -crop "$area" +repage "$E2E_ARTIFACTS/area-$name-a.png"
    convert "$3" -crop "$area" +repage "$E2E_ARTIFACTS/area-$name-b.png"
    compare -metric AE "$E2E_ARTIFACTS/area-$name-a.png" "$E2E_ARTIFACTS/area-$name-b.png" null: 2>&1 || true
}

# The top row of a window's graph canvas in its screenshot. The canvas stands 20
# pixels from the content's left edge, and its frame's left column is the one long
# black run in that column of the image (a menu bar may sit above the content).
canvas_top() {
    local file="$1"
    convert "$file" -alpha off -crop "1x100000+20+0" +repage -depth 8 txt:- |
        awk -F'[,:]' '
            /^#/ { next }
            {
                y = $2 + 0
                black = ($0 ~ /#000000/)
                if (black) { if (run == 0) start = y; run++ } else run = 0
                if (run > best) { best = run; best_start = start }
            }
            END { if (best >= 400) print best_start }'
}

# The equation label under a window's graph (content left 20, top 485, 560 x 30; the
# canvas is at top 14), given the canvas's top row in the screenshot.
formula_area() { printf '560x30+20+%s' $(($1 - 14 + 485)); }
