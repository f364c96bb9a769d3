"""First start in an empty folder: the missing configuration is reported and written with the
defaults, the main menu comes up painted, Recover without a recovery file is refused, and Exit
ends the program cleanly after its question. Usage: test_startup.py <reflex binary>"""

import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import CONFIG_HEADER, DEFAULT_CONFIG, check, main_menu_form, run  # noqa: E402


def configuration_written(t):
    t.ui.acknowledge("Configuration file not found", "Default configuration file not found...\nCreating Reflex.Cfg")
    lines = t.lines("Reflex.cfg")
    check(lines == [CONFIG_HEADER, *map(str, DEFAULT_CONFIG)], f"Reflex.cfg holds {lines}, not the defaults")


def main_menu_painted(t):
    x, y, w, h = t.ui.extents(t.ui.find("filler", main_menu_form().title))
    raw = t.session.pixels(x, y, w, h)
    check(len(set(zip(raw[0::3], raw[1::3], raw[2::3]))) > 1, "the main menu's area of the screen is one flat colour")


def recover_refused(t):
    t.ui.click(t.ui.find("push button", "Recover"))
    t.ui.acknowledge("Load Cancelled", "No Recovery File Created or Found")
    check(not os.path.exists(t.file("recover.dat")), "Recover created recover.dat")


if __name__ == "__main__":
    run("startup", [
        ("the missing configuration is reported and written with the defaults", configuration_written),
        ("the main menu is shown and painted", main_menu_painted),
        ("Recover without recover.dat is refused", recover_refused),
        # Nothing was measured, so there is no unsaved data to warn about.
        ("Exit asks, Yes ends the program with status 0", lambda t: t.ui.exit_program("Are you sure you want to exit?")),
    ])
