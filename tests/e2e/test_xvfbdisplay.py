"""The package check's virtual display: Xvfb chooses it. A display that looks free from here (no
lock file, no socket file) but is held by a server of another root, which shares the abstract
socket names, must be passed over; a check that chose it by lock files ran the program on the
other root's server and lost it when that one ended."""

import os
import subprocess

import tincta_e2e as e2e

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "xvfb.sh")
OTHER_SCREEN = "320x240"
OWN_SCREEN = "640x480"


def start_other_root_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{OTHER_SCREEN}x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reported:
        number = reported.readline().strip()
    e2e.check(number.isdigit(), "Xvfb did not start")
    # What another root shows of it: its lock and socket files are not there to be seen.
    for path in (f"/tmp/.X{number}-lock", f"/tmp/.X11-unix/X{number}"):
        if os.path.exists(path):
            os.remove(path)
    return server, number


def test(_program):
    server, number = start_other_root_server()
    try:
        script = f"""set -euo pipefail
            source {SCRIPT}
            start_xvfb {OWN_SCREEN}x24 /dev/null
            trap 'kill $xvfb_pid' EXIT
            echo "$DISPLAY"
            timeout 10 xdpyinfo | grep dimensions"""
        try:
            result = subprocess.run(["bash", "-c", script], capture_output=True, text=True, timeout=30,
                                    stdin=subprocess.DEVNULL, env=dict(os.environ, TINCTA_FIRST_DISPLAY=number))
        except subprocess.TimeoutExpired:
            raise e2e.E2EFailure("starting the display did not end")
        e2e.check(result.returncode == 0, f"no display was started: {result.stderr}")
        display, dimensions = result.stdout.splitlines()[:2]
        e2e.check(display != f":{number}", f"{display} is the other root's display")
        e2e.check(f" {OWN_SCREEN} pixels" in dimensions, f"{display} is not our own server: {dimensions}")
    finally:
        server.terminate()
        server.wait(timeout=5)


if __name__ == "__main__":
    e2e.main(test)
