"""The program speaks the language of the desktop's locale: with LANGUAGE=de, or LANG=de_DE.UTF-8
and nothing above it, its window is titled in German; Ctrl+W still ends it with status 0."""

import tincta_e2e as e2e

GERMAN_TITLE = "Tincta - Neue Palette"

LOCALES = {
    "LANGUAGE=de": {"LANGUAGE": "de"},
    "LANG=de_DE.UTF-8": {"LANG": "de_DE.UTF-8"},
}


def test(program):
    for name, variables in LOCALES.items():
        with e2e.Session(program) as session:
            session.env.pop("LC_ALL", None)
            session.env.pop("LC_MESSAGES", None)
            session.env.update(variables)
            try:
                session.start(title=GERMAN_TITLE)
            except e2e.E2EFailure as failure:
                raise e2e.E2EFailure(f"{name}: {failure}") from None
            session.key("ctrl+w")
            status = session.wait_for_exit()
            e2e.check(status == 0, f"{name}: the program ended with status {status}")


if __name__ == "__main__":
    e2e.main(test)
