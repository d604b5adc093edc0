"""The colour can be edited with the keyboard alone: from start, Tab reaches the red slider and
each Left steps it down by one, which reaches the clipboard as a drag would."""

import tincta_e2e as e2e

# From the first mark's option button: six name boxes, then the red slider.
TABS_TO_RED_SLIDER = 7


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        session.key(*["Tab"] * TABS_TO_RED_SLIDER)
        session.key("Left", "Left", "Left")
        session.wait_for_clipboard("#FC0000")


if __name__ == "__main__":
    e2e.main(test)
