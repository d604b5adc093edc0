"""The program starts, shows its window with the first mark selected in red, and Ctrl+W ends it
with status 0."""

import tincta_e2e as e2e


def test(program):
    with e2e.Session(program) as session:
        session.start()
        x, y, width, height = session.window_origin()
        image = session.screenshot()
        # The selected mark's sample is the red box at the top left of the marks.
        sample = session.find_colour((255, 0, 0), (x, y, width // 4, height // 2), image)
        e2e.check(sample is not None, "no red sample in the window")
        e2e.check(session.pixel(sample[0] + 3, sample[1] + 3, image) == (255, 0, 0),
                  "the selected sample is not red")
        session.key("ctrl+w")
        status = session.wait_for_exit()
        e2e.check(status == 0, f"the program ended with status {status}")


if __name__ == "__main__":
    e2e.main(test)
