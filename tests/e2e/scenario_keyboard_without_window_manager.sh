#!/usr/bin/env bash
# e2e: no window manager
# On a display whose window manager gives new windows no keyboard (here: none at
# all), a polynomial window opened with Ctrl+3 leaves the keyboard with the parabola
# window, whose own commands must then still work: Ctrl+2 there switches it to
# polynomial form. Once the polynomial window has the keyboard, Ctrl+1 there leaves
# the parabola window alone. Ctrl+Q ends the program with status 0.
# shellcheck source=lib.sh
source "$E2E_LIB"

has_canvas() {
    [ -n "$(canvas_top "$1")" ]
}
formula_changed() {
    [ "$(area_pixels_differing "$(formula_area "$top")" "$first" "$1")" != 0 ]
}
polynomial_graph_changed() {
    [ "$(area_pixels_differing "560x460+20+$polynomial_top" "$polynomial_first" "$1")" != 0 ]
}

start_program
parabola="$(wait_window Arcsketcher)"
first="$(screenshot_until "$parabola" first-drawing "no first drawing in the parabola window" has_canvas)"
top="$(canvas_top "$first")"

focus_and_send_keys "$parabola" ctrl+3
wait_window_count Curvesketcher 1
polynomial="$(wait_window Curvesketcher)"
[ "$(xdotool getwindowfocus)" = "$parabola" ] ||
    fail "the new window took the keyboard, so this display does not show what the scenario is about"
# Unplaced, the new window lies over the parabola window; aside, each screenshot
# shows one window.
xdotool windowmove --sync "$polynomial" 700 0 || fail "cannot move window $polynomial"

focus_and_send_keys "$parabola" ctrl+2
converted="$(screenshot_until "$parabola" polynomial-form \
    "Ctrl+2 in the parabola window did not switch it to polynomial form" formula_changed)"

polynomial_first="$(screenshot_until "$polynomial" polynomial-first "no drawing in the polynomial window" has_canvas)"
polynomial_top="$(canvas_top "$polynomial_first")"
# Keys are handled in order: once Page Up has moved the polynomial window's slider,
# Ctrl+1 before it has been handled too.
focus_and_send_keys "$polynomial" ctrl+1 Prior
screenshot_until "$polynomial" polynomial-moved "Page Up did not move the polynomial window's slider" \
    polynomial_graph_changed >/dev/null
after="$(screenshot "$parabola" after-ctrl-1)"
[ "$(area_pixels_differing "$(formula_area "$top")" "$converted" "$after")" = 0 ] ||
    fail "Ctrl+1 in the polynomial window changed the parabola window (see after-ctrl-1.png)"

focus_and_send_keys "$parabola" ctrl+q
expect_exit 0
