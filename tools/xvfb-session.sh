# Sourced by tools/screenshots and tools/keyboard-check: runs the built program on a virtual
# screen with a small window manager (title bars, focus, centred message boxes, as on a
# desktop) and drives it with xdotool. Expects $build and $DISPLAY; defines start, end, keys,
# write, click, newest_window and on_screen (runs a function once per screen size).
program="$build/zorvane"
[ -x "$program" ] || { echo "no program at $program: build the target zorvane first" >&2; exit 1; }

# The program's settings, lock file and runtime folder are its own, not the user's.
sandbox=$(mktemp -d)
export HOME="$sandbox" XDG_CONFIG_HOME="$sandbox/config" \
    XDG_RUNTIME_DIR="$sandbox/runtime" BROWSER=false LANG=fr_FR.UTF-8
mkdir -m 700 "$sandbox/runtime"
xvfb_pid='' wm_pid='' zorvane_pid='' main=''
finish() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }
end() { [ -z "$zorvane_pid" ] || finish "$zorvane_pid"; zorvane_pid=''; }
stop() { # all this script started
    end
    [ -z "$wm_pid" ] || finish "$wm_pid"
    [ -z "$xvfb_pid" ] || finish "$xvfb_pid"
    wm_pid='' xvfb_pid=''
}
# On failure the program's own messages tell why.
trap 'status=$?; stop; ((status == 0)) || cat "$sandbox/log" >&2; rm -rf "$sandbox"' EXIT

keys() { xdotool key --delay 120 "$@"; }
write() { xdotool type --delay 60 "$1"; }
# Clicks at X Y within a window's inside: no keyboard path reaches these buttons.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1 && sleep 0.4; }
newest_window() { xdotool search --onlyvisible --class zorvane | tail -1; }
main_window() { # the program's wide window, once loading is over
    local id
    for id in $(xdotool search --onlyvisible --class zorvane 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: [0-9]\{4\}x" && echo "$id" && return
    done
}
start() { # starts the program and waits for its main window; "$1", when given, runs meanwhile
    # A fresh temporary folder per start: the single-instance lock of a killed copy never
    # stands in the way of the next one.
    TMPDIR=$(mktemp -d -p "$sandbox") "$program" >>"$sandbox/log" 2>&1 &
    zorvane_pid=$!
    [ -z "${1:-}" ] || "$1"
    local deadline=$((SECONDS + 60))
    until main=$(main_window) && [ -n "$main" ]; do
        ((SECONDS < deadline)) || { echo "the main window did not appear" >&2; exit 1; }
        sleep 0.2
    done
    sleep 0.8 # the window manager has framed and activated it
}

on_screen() { # on_screen WIDTHxHEIGHT FUNCTION: a virtual screen of that size, the window manager on it
    Xvfb "$DISPLAY" -screen 0 "$1x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "display $DISPLAY is taken" >&2; exit 1; }
        sleep 0.1
    done
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
    "$2"
    stop
}
