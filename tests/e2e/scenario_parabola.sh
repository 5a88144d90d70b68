# The parabola window driven by keyboard in the real program: the sliders set to
# a = 1, h = 2, k = 1, then Polynomial Form (Ctrl+2) and Vertex Form (Ctrl+1), which
# keep the same parabola; a screenshot then shows the grid, the axes, the frame and
# the curve with its vertex at (2, 1).
source "$E2E_LIB"

# The top row of the graph canvas in a screenshot. The canvas stands 20 pixels
# from the content's left edge, and its frame's left column is the one long black
# run in that column of the image (a menu bar may sit above the content).
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

# Fails unless the canvas pixel (column, row) has the colour.
expect_canvas_pixel() {
    local column="$1" row="$2" colour="$3" what="$4"
    local found
    found="$(pixel "$shot" $((20 + column)) $((top + row)))"
    [ "$found" = "$colour" ] || fail "$what: canvas pixel ($column, $row) is $found, expected $colour"
}

start_program
parabola="$(wait_window Arcsketcher)"
sleep 0.5

# The keyboard reaches K first, then H, then A; a page step is one whole unit.
send_keys "$parabola" Prior
send_keys "$parabola" Tab Prior Prior
send_keys "$parabola" Tab Prior
sleep 0.5
before="$(screenshot "$parabola" vertex-form)"
send_keys "$parabola" ctrl+2
sleep 0.5
converted="$(screenshot "$parabola" polynomial-form)"
send_keys "$parabola" ctrl+1
sleep 0.5

shot="$(screenshot "$parabola" parabola)"
top="$(canvas_top "$shot")"
[ -n "$top" ] || fail "no graph canvas in the screenshot"

# The equation label (content left 20, top 485, 560 x 30; the canvas is at top 14)
# shows the other form's equation after Ctrl+2 and the first one again after Ctrl+1.
formula_pixels_differing() {
    local area="560x30+20+$((top - 14 + 485))"
    convert "$1" -crop "$area" +repage "$E2E_ARTIFACTS/formula-a.png"
    convert "$2" -crop "$area" +repage "$E2E_ARTIFACTS/formula-b.png"
    compare -metric AE "$E2E_ARTIFACTS/formula-a.png" "$E2E_ARTIFACTS/formula-b.png" null: 2>&1 || true
}
[ "$(formula_pixels_differing "$before" "$converted")" != 0 ] || fail "Ctrl+2 left the equation as it was"
[ "$(formula_pixels_differing "$before" "$shot")" = 0 ] || fail "Ctrl+1 did not bring the vertex form back"

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
