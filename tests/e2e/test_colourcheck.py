"""The Colour Check as a user meets it: with mark 1 at #777777 and mark 2 white, Ctrl+K shows the
pair of mark 1 on mark 2; Tab reaches the first Apply button, for the AA foreground, and Space
puts a grey into mark 1 whose contrast on white is at least 4.5 and below 4.6, which reaches the
clipboard. The window lies wholly on a 1280 x 1024 screen at scale factors 1, 1.5 and 2, and on an
800 x 600 screen at 1."""

import os

import tincta_e2e as e2e

GREY_AND_WHITE = (b"GIMP Palette\n"
                  b"Name: Grey and white\n"
                  b"119 119 119\tGrey\n"
                  b"255 255 255\tPaper\n"
                  b"255 255   0\n"
                  b"  0 255 255\n"
                  b"  0   0 255\n"
                  b"255   0 255\n")
SCREENS = ((1280, 1024, "1"), (1280, 1024, "1.5"), (1280, 1024, "2"), (800, 600, "1"))
TITLE = "Colour Check"


def luminance(html_hex):
    def linear(channel):
        value = channel / 255
        return value / 12.92 if value <= 0.04045 else ((value + 0.055) / 1.055) ** 2.4
    red, green, blue = (int(html_hex[i:i + 2], 16) for i in (1, 3, 5))
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue)


def apply_aa_foreground(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        palette = os.path.join(session.home, "grey and white.gpl")
        with open(palette, "wb") as file:
            file.write(GREY_AND_WHITE)
        e2e.import_palette(session, palette)
        session.wait_for_clipboard("#777777")
        session.key("ctrl+k")
        session.focus(session.find_window(TITLE, timeout=10))
        session.key("Tab", "space")
        e2e.check(e2e.wait_until(lambda: session.clipboard() != "#777777", 5),
                  "Apply did not change mark 1")
        copied = session.clipboard()
        ratio = (1.0 + 0.05) / (luminance(copied) + 0.05)
        e2e.check(4.5 <= ratio < 4.6, f"{copied} has a contrast of {ratio:.3f} on white")


def misplaced(program, width, height, scale):
    with e2e.Session(program, screen_size=f"{width}x{height}",
                     env={"QT_SCALE_FACTOR": scale}) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        session.key("ctrl+k")
        x, y, w, h = session.window_origin(session.find_window(TITLE, timeout=10))
        print(f"{width} x {height} at scale {scale}: {w} x {h} at {x}, {y}")
        if x >= 0 and y >= 0 and x + w <= width and y + h <= height:
            return None
        return f"{w} x {h} at {x}, {y} on {width} x {height} at scale {scale}"


def test(program):
    apply_aa_foreground(program)
    wrong = [entry for entry in (misplaced(program, *screen) for screen in SCREENS) if entry]
    e2e.check(not wrong, f"the Colour Check does not fit: {wrong}")


if __name__ == "__main__":
    e2e.main(test)
