# Sourced by the scripts: the tree's root and build directory, one way to configure a build (the CMake
# presets), exit steps that run in reverse order, and one virtual X display that stops with the script.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${ZORAVEL_BUILD_DIR:-$root/build}

# configure PRESET DIR [ARGS...]: the preset's configuration (toolchain, build type) in DIR.
configure() {
    local preset=$1 dir=$2
    shift 2
    cmake -S "$root" --preset "$preset" -B "$dir" "$@" >/dev/null
}

exit_steps=()
run_exit_steps() {
    local i
    for ((i = ${#exit_steps[@]} - 1; i >= 0; i--)); do
        eval "${exit_steps[i]}" || true
    done
}
# on_exit COMMAND: runs COMMAND when the script ends, after the steps added later.
on_exit() {
    exit_steps+=("$1")
    trap run_exit_steps EXIT
}

# start_xvfb WIDTHxHEIGHT: Xvfb on display $ZORAVEL_DISPLAY, or on the first free one from 90, waited for
# until it answers; exports DISPLAY and stops the server when the script ends (or at stop_xvfb).
xvfb_pid=""
start_xvfb() {
    local size=$1 number=${ZORAVEL_DISPLAY:-}
    if [ -z "$number" ]; then
        number=90
        while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
    elif [ -e "/tmp/.X$number-lock" ]; then
        echo "display :$number is taken (ZORAVEL_DISPLAY)" >&2
        return 1
    fi
    Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    on_exit stop_xvfb
    export DISPLAY=":$number"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}
stop_xvfb() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}
