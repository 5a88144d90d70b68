#!/usr/bin/env bash
# The Edit menu, opened with Alt+E, shows each of its two separators as a line and
# nothing else, in the default theme and in a dark one.
# shellcheck source=lib.sh
source "$E2E_LIB"

two_separators_shown() { [ "$(menu_separators "$1" | cut -d' ' -f1)" = 2 ]; }

check_edit_menu() {
    local theme="$1" parabola menu shot stray
    start_program
    parabola="$(wait_window Arcsketcher)"
    # The pointer stays off the menu, so that no row under it is highlighted.
    xdotool mousemove 0 0
    send_keys "$parabola" alt+e
    menu="$(wait_other_window "$parabola")"
    shot="$(screenshot_until "$menu" "edit-menu-$theme" "the $theme Edit menu shows no two separator lines" two_separators_shown)"
    stray="$(menu_separators "$shot" | cut -d' ' -f2)"
    [ "$stray" = 0 ] || fail "$theme theme: $stray pixels beside the separator lines of the Edit menu (see edit-menu-$theme.png)"
    xdotool key Escape
    send_keys "$parabola" ctrl+q
    expect_exit 0
}

check_edit_menu default
use_dark_theme
check_edit_menu dark
