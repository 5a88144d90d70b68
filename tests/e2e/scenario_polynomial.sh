# A polynomial window opened with Ctrl+3 takes "Quintic" and "Specify Roots" from
# the keyboard alone, and then draws y = x^5, every root being at 0.
source "$E2E_LIB"

# Whether the pixel or one of its eight neighbours is black.
black_near() {
    local file="$1" x="$2" y="$3" dx dy
    for dy in -1 0 1; do
        for dx in -1 0 1; do
            [ "$(pixel "$file" $((x + dx)) $((y + dy)))" = 000000 ] && return 0
        done
    done
    return 1
}

# The row of the graph's top edge in a screenshot: the first black pixel in a column
# that crosses the graph but no text of the menu bar.
graph_top() {
    local file="$1" y
    for y in $(seq 0 120); do
        if [ "$(pixel "$file" 300 "$y")" = 000000 ]; then
            printf '%s\n' "$y"
            return 0
        fi
    done
    return 1
}

# On the first 560 x 460 canvas at left 20: y = x^5 passes (1, 1), (-1, -1) and
# (0.5, 0.03125), the last at column 308, row 229; the line y = x of "Linear" by
# roots would pass row 207 there, and y = 0 of a new window row 230.
shows_quintic() {
    local file="$1" top
    top="$(graph_top "$file")" || return 1
    black_near "$file" $((20 + 336)) $((top + 184)) &&
        black_near "$file" $((20 + 224)) $((top + 276)) &&
        [ "$(pixel "$file" $((20 + 308)) $((top + 229)))" = 000000 ] &&
        ! black_near "$file" $((20 + 308)) $((top + 207)) &&
        [ "$(pixel "$file" $((20 + 100)) $((top + 230)))" != 000000 ]
}

start_program
parabola="$(wait_window Arcsketcher)"
send_keys "$parabola" ctrl+3
wait_window_count Curvesketcher 1
polynomial="$(wait_window Curvesketcher)"

# The focus starts on the first shown slider (member 1); two Tabs reach the order
# menu, End chooses its last row; then member 3, shown for "Quintic", and the mode
# menu, where Down chooses "Specify Roots".
send_keys "$polynomial" Tab Tab End Tab Tab Down

deadline=$((SECONDS + E2E_TIMEOUT))
until shows_quintic "$(screenshot "$polynomial" quintic_by_roots)"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the window does not show y = x^5 (see quintic_by_roots.png)"
    sleep 0.5
done

send_keys "$polynomial" ctrl+q
expect_exit 0
