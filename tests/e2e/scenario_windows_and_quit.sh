#!/usr/bin/env bash
# The program opens its parabola window, Ctrl+3 opens one more polynomial window
# each time (also with one already in front), and Ctrl+Q ends it with status 0.
# shellcheck source=lib.sh
source "$E2E_LIB"

# The program reads no arguments: not even the toolkit's own ones take effect, or
# this one would send its windows off the screen.
start_program -platform offscreen --no-such-option
parabola="$(wait_window Arcsketcher)"
[ "$(count_windows Arcsketcher)" -eq 1 ] || fail "more than one window \"Arcsketcher\""
[ "$(count_windows Curvesketcher)" -eq 0 ] || fail "a window \"Curvesketcher\" at start-up"

send_keys "$parabola" ctrl+3
wait_window_count Curvesketcher 1
polynomial="$(wait_window Curvesketcher)"
send_keys "$polynomial" ctrl+3
wait_window_count Curvesketcher 2
[ "$(count_windows Arcsketcher)" -eq 1 ] || fail "the parabola window is gone"

send_keys "$polynomial" ctrl+q
expect_exit 0
