#!/usr/bin/env bash
# Every label of both windows can be read, in the default theme and in a dark one:
# its text reaches a contrast of 4.5 to 1 with what is behind it. In the default
# theme the text stays black; in both the graph keeps its own colours.
# shellcheck source=lib.sh
source "$E2E_LIB"

# Fails unless the text in the area (of the window's content, whose top row in the
# screenshot is given) is legible; in the default theme it must be black.
expect_legible() {
    local file="$1" content_top="$2" what="$3" width="$4" height="$5" left="$6" top="$7"
    local measured contrast back text
    measured="$(text_contrast "$file" "${width}x${height}+${left}+$((content_top + top))")"
    read -r contrast back text <<<"$measured"
    awk -v c="$contrast" 'BEGIN { exit !(c >= 4.5) }' ||
        fail "$theme theme: $what has a contrast of $contrast ($text on $back) in $(basename "$file")"
    if [ "$theme" = default ] && [ "$text" != 000000 ]; then
        fail "default theme: $what is drawn in $text, not black, in $(basename "$file")"
    fi
}

# Fails unless the canvas (at left 20 and top 14 of the content) shows its own colours.
expect_graph_colors() {
    local file="$1" canvas_top="$2" column row color
    while read -r column row color; do
        [ "$(pixel "$file" $((20 + column)) $((canvas_top + row)))" = "$color" ] ||
            fail "$theme theme: canvas pixel ($column, $row) is not $color in $(basename "$file")"
    done <<<'30 100 FFFFFF
56 100 E0E0E0
280 300 A0A0A0
100 0 000000'
}

drawn() { [ -n "$(canvas_top "$1")" ] && [ "$(text_contrast "$1" "$(formula_area "$(canvas_top "$1")")" | cut -d' ' -f1)" != 1.00 ]; }
# The polynomial window shows "f = 0", the sixth value label, once "Quintic" is chosen.
quintic_shown() {
    local top
    top="$(canvas_top "$1")" && [ -n "$top" ] &&
        [ "$(text_contrast "$1" "90x20+20+$((top - 14 + 687))" | cut -d' ' -f1)" != 1.00 ]
}

check_labels() {
    theme="$1"
    local parabola polynomial shot top content
    start_program
    parabola="$(wait_window Arcsketcher)"
    shot="$(screenshot_until "$parabola" "parabola-$theme" "no first drawing in the $theme theme" drawn)"
    top="$(canvas_top "$shot")"
    content=$((top - 14))
    if [ "$theme" = dark ]; then
        awk "$E2E_AWK_LUMINANCE"' BEGIN { exit !(luminance("'"$(pixel "$shot" 5 $((content + 300)))"'") < 0.1) }' ||
            fail "the dark theme did not take effect (see parabola-dark.png)"
    fi
    expect_graph_colors "$shot" "$top"
    expect_legible "$shot" "$content" "the equation" 560 30 20 485
    expect_legible "$shot" "$content" "the a value" 90 20 20 527
    expect_legible "$shot" "$content" "the h value" 90 20 20 559
    expect_legible "$shot" "$content" "the k value" 90 20 20 591

    send_keys "$parabola" ctrl+3
    wait_window_count Curvesketcher 1
    polynomial="$(wait_window Curvesketcher)"
    # As in the polynomial scenario: two Tabs reach the order menu, End chooses "Quintic".
    send_keys "$polynomial" Tab Tab End
    shot="$(screenshot_until "$polynomial" "polynomial-$theme" "no quintic in the $theme theme" quintic_shown)"
    top="$(canvas_top "$shot")"
    content=$((top - 14))
    expect_graph_colors "$shot" "$top"
    expect_legible "$shot" "$content" "the equation" 560 22 20 485
    local index=0 label_top
    for label_top in 549 576 604 631 659 687; do
        expect_legible "$shot" "$content" "value label $index" 90 20 20 "$label_top"
        index=$((index + 1))
    done

    send_keys "$polynomial" ctrl+q
    expect_exit 0
}

check_labels default
use_dark_theme
check_labels dark
