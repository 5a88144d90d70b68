# The parabola window driven by keyboard in the real program: the sliders set to
# a = 1, h = 2, k = 1, then Polynomial Form (Ctrl+2), which rewrites the equation and
# leaves the graph as it was, and Vertex Form (Ctrl+1), which brings the first
# equation back; a screenshot then shows the grid, the axes, the frame and the curve
# with its vertex at (2, 1). Every step waits for what it must show, not for a time.
source "$E2E_LIB"

# Fails unless the canvas pixel (column, row) has the colour.
expect_canvas_pixel() {
    local column="$1" row="$2" color="$3" what="$4"
    local found
    found="$(pixel "$shot" $((20 + column)) $((top + row)))"
    [ "$found" = "$color" ] || fail "$what: canvas pixel ($column, $row) is $found, expected $color"
}

# The canvas, 560 x 460.
canvas_area() { printf '560x460+20+%s' "$top"; }

# The first drawing: the frame found, the curve of a = 0 along the horizontal axis.
first_drawing_shown() {
    local found
    found="$(canvas_top "$1")"
    [ -n "$found" ] && [ "$(pixel "$1" $((20 + 100)) $((found + 230)))" = 000000 ] &&
        [ "$(pixel "$1" $((20 + 30)) $((found + 100)))" = FFFFFF ]
}
vertex_shown() {
    [ "$(pixel "$1" $((20 + 392)) $((top + 184)))" = 000000 ] &&
        [ "$(pixel "$1" $((20 + 336)) $((top + 138)))" = 000000 ]
}
# Polynomial Form rewrites the equation and keeps the very same parabola.
polynomial_form_shown() {
    [ "$(area_pixels_differing "$(formula_area "$top")" "$before" "$1")" != 0 ] &&
        [ "$(area_pixels_differing "$(canvas_area)" "$before" "$1")" = 0 ]
}
vertex_form_back() {
    [ "$(area_pixels_differing "$(formula_area "$top")" "$before" "$1")" = 0 ]
}

start_program
parabola="$(wait_window Arcsketcher)"
first="$(screenshot_until "$parabola" first-drawing "no first drawing of the graph" first_drawing_shown)"
top="$(canvas_top "$first")"

# The keyboard reaches K first, then H, then A; a page step is one whole unit.
send_keys "$parabola" Prior
send_keys "$parabola" Tab Prior Prior
send_keys "$parabola" Tab Prior
before="$(screenshot_until "$parabola" vertex-form "the sliders did not set the vertex (2, 1)" vertex_shown)"
send_keys "$parabola" ctrl+2
converted="$(screenshot_until "$parabola" polynomial-form "Ctrl+2 did not show the polynomial form of the same parabola" polynomial_form_shown)"
send_keys "$parabola" ctrl+1
shot="$(screenshot_until "$parabola" parabola "Ctrl+1 did not bring the vertex form back" vertex_form_back)"
[ "$(canvas_top "$shot")" = "$top" ] || fail "the graph canvas moved"

expect_canvas_pixel 30 100 FFFFFF "background"
expect_canvas_pixel 56 100 E0E0E0 "vertical grid line x = -4"
expect_canvas_pixel 30 46 E0E0E0 "horizontal grid line y = 4"
expect_canvas_pixel 280 300 A0A0A0 "vertical axis"
expect_canvas_pixel 30 230 A0A0A0 "horizontal axis"
expect_canvas_pixel 280 92 E0E0E0 "grid line y = 3 over the vertical axis"
expect_canvas_pixel 56 230 A0A0A0 "horizontal axis over the grid line x = -4"
expect_canvas_pixel 100 0 000000 "frame, top"
expect_canvas_pixel 559 100 000000 "frame, right"
expect_canvas_pixel 100 459 000000 "frame, bottom"
expect_canvas_pixel 392 184 000000 "the vertex (2, 1)"
expect_canvas_pixel 392 183 E0E0E0 "grid line x = 2 above the vertex"
expect_canvas_pixel 392 185 E0E0E0 "grid line x = 2 below the vertex"
expect_canvas_pixel 336 138 000000 "the curve at x = 1"
expect_canvas_pixel 448 138 000000 "the curve at x = 3"

send_keys "$parabola" ctrl+q
expect_exit 0
