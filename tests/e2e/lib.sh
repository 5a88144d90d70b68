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

# The pixels of an area (WIDTHxHEIGHT+LEFT+TOP) of an image, one a line: column and
# row within the area, and the colour as RRGGBB.
area_pixels() {
    convert "$1" -alpha off -crop "$2" +repage -depth 8 txt:- |
        sed -n 's/^\([0-9]*\),\([0-9]*\):.*#\([0-9A-Fa-f]\{6\}\).*/\1 \2 \3/p' | tr 'a-f' 'A-F'
}

# The relative luminance of an RRGGBB colour as the accessibility guidelines define
# it, for the awk programs below.
E2E_AWK_LUMINANCE='
function channel(hex,    c) {
    c = index("0123456789ABCDEF", substr(hex, 1, 1)) * 16 + index("0123456789ABCDEF", substr(hex, 2, 1)) - 17
    c /= 255
    return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4
}
function luminance(rgb) {
    return 0.2126 * channel(substr(rgb, 1, 2)) + 0.7152 * channel(substr(rgb, 3, 2)) + 0.0722 * channel(substr(rgb, 5, 2))
}
function contrast(a, b,    la, lb) {
    la = luminance(a); lb = luminance(b)
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05)
}'

# The legibility of the text in an area of a screenshot: "CONTRAST BACKGROUND TEXT",
# where the background is the colour of most of the area's pixels, the text the
# colour that differs most from it in luminance, and the contrast theirs as the
# accessibility guidelines measure it (1 to 21; body text needs 4.5).
text_contrast() {
    area_pixels "$1" "$2" | awk "$E2E_AWK_LUMINANCE"'
        { count[$3]++ }
        END {
            for (c in count) if (count[c] > most) { most = count[c]; back = c }
            text = back
            for (c in count) if (contrast(c, back) > contrast(text, back)) text = c
            printf "%.2f %s %s\n", contrast(text, back), back, text
        }'
}

# Waits until the program shows a window that is none of the given ones (such as a
# menu that has just opened) and prints its id.
wait_other_window() {
    local deadline=$((SECONDS + E2E_TIMEOUT)) id known
    while true; do
        for id in $(xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null); do
            for known in "$@"; do
                [ "$id" = "$known" ] && continue 2
            done
            printf '%s\n' "$id"
            return 0
        done
        [ "$SECONDS" -lt "$deadline" ] || fail "no further window of the program within ${E2E_TIMEOUT}s"
        sleep 0.1
    done
}

# What the separators of an open menu show, from a screenshot of the menu's window:
# "LINES STRAY", the number of separator lines (rows inside the menu's frame where
# one colour other than the background covers at least half the width) and the
# number of pixels in the rows of the separators, three above and below each line,
# that are neither the menu's background nor the line's colour. A separator that
# shows its line and nothing else leaves STRAY at 0.
menu_separators() {
    area_pixels "$1" "$(identify -format '%wx%h+0+0' "$1")" | awk '
        { at[$1 "," $2] = $3; count[$3]++; if ($1 >= width) width = $1 + 1; if ($2 >= height) height = $2 + 1 }
        END {
            frame = 3; reach = 3
            for (c in count) if (count[c] > most) { most = count[c]; back = c }
            for (y = frame; y < height - frame; y++) {
                split("", row); best = 0
                for (x = frame; x < width - frame; x++) {
                    c = at[x "," y]
                    if (c != back && ++row[c] > best) { best = row[c]; colour = c }
                }
                if (2 * best >= width - 2 * frame) line[y] = colour
            }
            for (y = frame; y < height - frame; y++) {
                if (!(y in line) || (y - 1) in line) continue
                lines++
                for (last = y; (last + 1) in line; last++) ;
                for (r = y - reach; r <= last + reach; r++)
                    for (x = frame; x < width - frame; x++) {
                        c = at[x "," r]
                        if (c == back) continue
                        ours = 0
                        for (l = y; l <= last; l++) if (line[l] == c) ours = 1
                        if (!ours) stray++
                    }
            }
            print lines + 0, stray + 0
        }'
}

# The programs started from here on run in a dark desktop theme: qt6ct's "darker"
# colour scheme with the Fusion style, as a user of a dark desktop would choose in
# qt6ct. Its settings are written to a folder of the scenario's own.
use_dark_theme() {
    local scheme=/usr/share/qt6ct/colors/darker.conf
    [ -r "$scheme" ] || fail "no qt6ct colour scheme at $scheme (is qt6ct installed?)"
    export XDG_CONFIG_HOME="$E2E_ARTIFACTS/dark-theme-config"
    mkdir -p "$XDG_CONFIG_HOME/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' "$scheme" \
        >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
    export QT_QPA_PLATFORMTHEME=qt6ct
}
