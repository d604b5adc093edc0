# Sourced by scripts that need a virtual X display. Xvfb chooses a free display itself
# (-displayfd), as the end-to-end tests do: runs side by side on one machine, even from roots
# that see different lock files, never pick the same display.
#
# start_xvfb <screen, e.g. 1280x1024x24> <log file>
# Sets xvfb_pid and exports DISPLAY once the server takes connections; fails when it does not
# come up.
start_xvfb() {
    local screen=$1 log=$2 reported number=""
    reported=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$reported" >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        # The number arrives as one line once the server is ready; read fails until it is whole.
        if read -r number <"$reported" && [[ $number =~ ^[0-9]+$ ]]; then
            break
        fi
        number=""
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$reported"
    [ -n "$number" ] || return 1
    export DISPLAY=":$number"
}
