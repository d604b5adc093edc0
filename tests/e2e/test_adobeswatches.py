"""Adobe Swatch Exchange files against a reader and writer made outside the program, the npm
package ase-utils, installed from the registry into a temporary folder for the run: an .ase of
eight colours that it wrote is imported with colours 7 and 8 only checked in the Import Colours
dialog, so marks 1 and 2 become them; the palette exported as .ase through the real dialog then
reads back in ase-utils as six colours with their names, the other four marks as they were.
Without npm or the registry the test is skipped, saying why."""

import json
import os
import shutil
import subprocess
import sys
import tempfile

import tincta_e2e as e2e
from tincta_e2e import use_dialog

PACKAGE = "ase-utils@0.1.1"
SKIPPED = 77

# The default palette's marks 3 to 6, which the import leaves alone.
KEPT = [("Untitled", "00FF00"), ("Untitled", "00FFFF"), ("Untitled", "0000FF"),
        ("Untitled", "FF00FF")]


def install_ase_utils(folder):
    """ase-utils in `folder`, or None with the reason it could not be had."""
    if shutil.which("npm") is None or shutil.which("node") is None:
        return "npm or node is not installed"
    try:
        done = subprocess.run(["npm", "install", "--prefix", folder, "--no-save", "--no-audit",
                               "--no-fund", PACKAGE], capture_output=True, text=True, timeout=120)
    except subprocess.TimeoutExpired:
        return "npm did not reach the registry within 120 s"
    if done.returncode != 0:
        return "npm could not install ase-utils: " + done.stderr.strip()[-300:]
    return None


def node(folder, script, *arguments):
    done = subprocess.run(["node", "-e", script, *arguments], cwd=folder, capture_output=True,
                          text=True, timeout=30)
    e2e.check(done.returncode == 0, f"node failed: {done.stderr}")
    return done.stdout


WRITE = """
const ase = require('ase-utils');
const colors = [];
for (let n = 1; n <= 8; n++)
    colors.push({name: 'c' + n, model: 'RGB', color: [n / 255, 2 * n / 255, 3 * n / 255],
                 type: 'global'});
require('fs').writeFileSync(process.argv[1], ase.encode({version: '1.0', groups: [], colors}));
"""

READ = """
const ase = require('ase-utils');
const read = ase.decode(require('fs').readFileSync(process.argv[1]));
// ase-utils lists every colour here, also those it lists under their group.
console.log(JSON.stringify({version: read.version, groups: read.groups.map(group => group.name),
    colours: read.colors.map(c => [c.name, c.model,
        c.color.map(v => Math.round(v * 255).toString(16).padStart(2, '0').toUpperCase()).join('')])}));
"""


def import_colours_seven_and_eight(session, path):
    session.key("ctrl+shift+o")
    use_dialog(session, "Import Palette", path)
    dialog = session.find_window("Import Colours", timeout=10)
    session.focus(dialog)
    # The list has the focus on colour 1: Space unchecks the first six, checks 7 and 8.
    for _ in range(8):
        session.key("space", "Down")
    session.key("Return")
    e2e.check(e2e.wait_until(lambda: not session.window_exists("Import Colours"), 5),
              "the Import Colours dialog did not close")
    session.focus(session.window)
    session.wait_for_clipboard("#070E15")


def export_and_read_back(session, folder, path):
    session.key("ctrl+e")
    use_dialog(session, "Export Palette", path)
    e2e.check(e2e.wait_until(lambda: os.path.exists(path), 5), "no .ase file was exported")
    read = json.loads(node(folder, READ, path))
    colours = [["c7", "RGB", "070E15"], ["c8", "RGB", "081018"]] + \
        [[name, "RGB", hex_] for name, hex_ in KEPT]
    expected = {"version": "1.0", "groups": ["Tincta"], "colours": colours}
    e2e.check(read == expected, f"ase-utils read {read}, not {expected}")


def test(program):
    with tempfile.TemporaryDirectory() as folder:
        reason = install_ase_utils(folder)
        if reason:
            print(f"SKIP: {reason}")
            sys.exit(SKIPPED)
        with e2e.Session(program) as session:
            desktop = os.path.join(session.home, "Desktop")
            eight = os.path.join(desktop, "eight.ase")
            node(folder, WRITE, eight)
            session.start()
            session.wait_for_clipboard("#FF0000")
            import_colours_seven_and_eight(session, eight)
            export_and_read_back(session, folder, os.path.join(desktop, "out.ase"))


if __name__ == "__main__":
    e2e.main(test)
