# The parabola window at the fractional scale factors of common laptop and desktop
# screens (QT_SCALE_FACTOR 1.25, 1.5 and 1.75): with the parabola of vertex (2, 1)
# drawn, a screenshot shows the frame equally thick on all four sides and every grid
# line and both axes as thick as the frame, the scale factor rounded (halves up) in
# device pixels, with nothing on the canvas but the view's four colours. The blocks
# of device pixels that a logical pixel covers are uneven at these factors, so lines
# drawn as whole blocks would not be.
source "$E2E_LIB"

# The scale factor being checked, and the canvas's outer edges in device pixels
# (inclusive) as the last check of a screenshot found them.
scale=""
left="" top="" right="" bottom=""

# The colours of an area of a screenshot (a crop WIDTHxHEIGHT+X+Y), as RRGGBB, one
# a line, row by row; further arguments are options for convert, such as
# -unique-colors.
colors_of() {
    convert "$1" -alpha off -crop "$2" +repage "${@:3}" -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'a-f' 'A-F'
}

# The runs of equal colour along one line of a screenshot (a crop WIDTHx1+X+Y or
# 1xHEIGHT+X+Y), one a line: the colour, then the run's length.
color_runs() {
    colors_of "$1" "$2" |
        awk '
            NR > 1 && $1 == last { count++; next }
            { if (NR > 1) print last, count; last = $1; count = 1 }
            END { if (NR > 0) print last, count }'
}

# The grid lines and axes among runs of colour, "COLOR:LENGTH" in order on one line.
line_runs() {
    awk '$1 == "E0E0E0" || $1 == "A0A0A0" { printf "%s%s:%s", sep, $1, $2; sep = " " }' <<<"$1"
}

# The canvas's outer edges in a screenshot, "LEFT TOP RIGHT BOTTOM", device pixels,
# inclusive; nothing when no frame is found. The middle row of the window crosses
# the canvas, and the first black pixel on it from the left is the frame's left side,
# which runs down the whole height of the canvas.
canvas_edges() {
    local file="$1" width height row left right top bottom
    read -r width height < <(identify -format '%w %h\n' "$file")
    row=$((height / 2))
    read -r left right < <(color_runs "$file" "${width}x1+0+$row" |
        awk '{ if ($1 == "000000") { if (left == "") left = x; right = x + $2 - 1 } x += $2 }
             END { print left, right }')
    [ -n "$left" ] || return 0
    read -r top bottom < <(color_runs "$file" "1x$height+$left+0" |
        awk '{ if ($1 == "000000" && $2 > best) { best = $2; top = y } y += $2 }
             END { if (best > 0) print top, top + best - 1 }')
    [ -n "$top" ] && printf '%s %s %s %s\n' "$left" "$top" "$right" "$bottom"
}

# The device column (row) in the middle of a canvas column (row), from the canvas's
# outer edges and its logical size along that axis.
device_at() {
    local first="$1" last="$2" size="$3" logical="$4"
    echo $((first + ((2 * logical + 1) * (last - first + 1)) / (2 * size)))
}

# Whether the canvas shows about 560 x 460 logical pixels at this scale.
canvas_shown() {
    local edges
    edges="$(canvas_edges "$1")"
    [ -n "$edges" ] || return 1
    read -r left top right bottom <<<"$edges"
    awk -v w=$((right - left + 1)) -v h=$((bottom - top + 1)) -v s="$scale" \
        'BEGIN { exit !(w > 560 * s - 3 && w < 560 * s + 3 && h > 460 * s - 3 && h < 460 * s + 3) }'
}

# Whether the curve passes through (1, 2) and (3, 2): the parabola of vertex (2, 1)
# and a = 1, which no earlier state of the sliders draws.
parabola_shown() {
    local column
    canvas_shown "$1" || return 1
    for column in 336 448; do
        convert "$1" -alpha off -crop "5x5+$(($(device_at "$left" "$right" 560 "$column") - 2))+$(($(device_at "$top" "$bottom" 460 138) - 2))" \
            +repage -depth 8 txt:- | grep -q '#000000' || return 1
    done
}

# Starts the program at the scale factor, draws the parabola and checks the lines'
# widths in a screenshot, then quits.
check_scale() {
    scale="$1"
    QT_SCALE_FACTOR="$scale" start_program
    local parabola shot canvas_width canvas_height row column across down colors
    parabola="$(wait_window Arcsketcher)"
    screenshot_until "$parabola" "first-drawing-$scale" "no graph shown at scale $scale" canvas_shown >/dev/null

    # The keyboard reaches K first, then H, then A; a page step is one whole unit.
    send_keys "$parabola" Prior
    send_keys "$parabola" Tab Prior Prior
    send_keys "$parabola" Tab Prior
    shot="$(screenshot_until "$parabola" "parabola-$scale" "no parabola of vertex (2, 1) at scale $scale" parabola_shown)"
    read -r left top right bottom <<<"$(canvas_edges "$shot")"
    canvas_width=$((right - left + 1))
    canvas_height=$((bottom - top + 1))

    # Across the canvas at y = -2.5 and down it at x = -2.5, where the curve is not:
    # the frame's two sides at the ends, the grid lines and an axis between them.
    row="$(device_at "$top" "$bottom" 460 345)"
    column="$(device_at "$left" "$right" 560 140)"
    across="$(color_runs "$shot" "${canvas_width}x1+$left+$row")"
    down="$(color_runs "$shot" "1x$canvas_height+$column+$top")"
    local -a frame=(
        "$(head -n 1 <<<"$across")" "$(head -n 1 <<<"$down")"
        "$(tail -n 1 <<<"$across")" "$(tail -n 1 <<<"$down")"
    )
    local vertical horizontal
    vertical="$(line_runs "$across")"
    horizontal="$(line_runs "$down")"
    local measured="frame (left, top, right, bottom): ${frame[*]}; vertical lines: $vertical; horizontal lines: $horizontal"
    echo "scale $scale, canvas ${canvas_width}x$canvas_height at $left,$top: $measured"

    local width side line
    width="$(awk -v s="$scale" 'BEGIN { print int(s + 0.5) }')"
    for side in "${frame[@]}"; do
        [ "$side" = "000000 $width" ] || fail "scale $scale: the frame's sides are not all $width device pixels; $measured"
    done
    local expected="E0E0E0:$width E0E0E0:$width E0E0E0:$width E0E0E0:$width A0A0A0:$width"
    expected="$expected E0E0E0:$width E0E0E0:$width E0E0E0:$width E0E0E0:$width"
    for line in "$vertical" "$horizontal"; do
        [ "$line" = "$expected" ] || fail "scale $scale: the lines are not all $width device pixels like the frame; $measured"
    done

    colors="$(colors_of "$shot" "${canvas_width}x$canvas_height+$left+$top" -unique-colors | sort | tr '\n' ' ')"
    [ "$colors" = "000000 A0A0A0 E0E0E0 FFFFFF " ] || fail "scale $scale: the canvas has the colours $colors"

    send_keys "$parabola" ctrl+q
    expect_exit 0
}

for factor in 1.25 1.5 1.75; do
    check_scale "$factor"
done
