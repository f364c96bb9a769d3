"""First start in an empty folder: the missing configuration is reported and written with the
defaults, the main menu comes up, Recover without a recovery file is refused, and Exit ends the
program cleanly after its question. Usage: test_startup.py <reflex binary>"""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import (CONFIG_HEADER, DEFAULT_CONFIG, EXIT_TITLE, Report, Session, Ui, check,  # noqa: E402
                        confirm_exit, main_menu_form, one_text)

MENU = main_menu_form()


def main(binary):
    s = Session("startup")
    r = Report(s)
    work = s.path("work")
    state = {}

    def desktop():
        s.start()
        os.makedirs(work)
        state["program"] = s.launch(binary, work)
        state["ui"] = Ui(s, state["program"])

    def missing_configuration_is_reported():
        ui = state["ui"]
        alert = ui.find("alert", "Configuration file not found", timeout=60)
        text = one_text(ui, alert)
        check(text == "Default configuration file not found...\nCreating Reflex.Cfg", f"unexpected message {text!r}")
        ui.key(alert, "Return")
        ui.gone("alert", "Configuration file not found")

    def default_configuration_written():
        with open(os.path.join(work, "Reflex.cfg"), "rb") as f:
            data = f.read()
        check(data.endswith(b"\r\n"), "Reflex.cfg does not end with CR LF")
        lines = data[:-2].split(b"\r\n")
        check(all(b"\n" not in line and b"\r" not in line for line in lines), "Reflex.cfg mixes line ends")
        check(len(lines) == 49, f"Reflex.cfg has {len(lines)} lines, expected 49")
        check(lines[0].decode() == CONFIG_HEADER, f"Reflex.cfg starts with {lines[0]!r}")
        values = tuple(int(v) for v in lines[1:])
        check(values == DEFAULT_CONFIG, f"Reflex.cfg holds {values}, expected the defaults {DEFAULT_CONFIG}")

    def main_menu_shown():
        ui = state["ui"]
        menu = ui.find("filler", MENU.title)
        for caption in MENU.captions("QPushButton"):
            ui.find("push button", caption, root=menu, timeout=5)
        png = s.screenshot("main-menu.png")
        x, y, w, h = ui.extents(menu)
        colours = subprocess.run(["identify", "-format", "%k", f"{png}[{w}x{h}+{x}+{y}]"], env=s.env,
                                 capture_output=True, text=True, timeout=30, check=True).stdout
        check(int(colours) > 1, "the main menu's area of the screenshot is one flat colour")

    def recover_without_file_refused():
        ui = state["ui"]
        ui.click(ui.find("push button", "Recover"))
        alert = ui.find("alert", "Load Cancelled")
        text = one_text(ui, alert)
        check(text == "No Recovery File Created or Found", f"unexpected message {text!r}")
        ui.key(alert, "Return")
        ui.gone("alert", "Load Cancelled")
        check(not os.path.exists(os.path.join(work, "recover.dat")), "Recover created recover.dat")

    def exit_asks_then_ends_cleanly():
        # Nothing was measured, so there is no unsaved data to warn about.
        ui = state["ui"]
        ui.click(ui.find("push button", "Exit"))
        confirm_exit(ui, state["program"], ui.find("alert", EXIT_TITLE), "Are you sure you want to exit?")

    try:
        r.step("desktop and program start", desktop)
        r.step("missing configuration file is reported", missing_configuration_is_reported)
        r.step("default configuration file is written", default_configuration_written)
        r.step("main menu is shown", main_menu_shown)
        r.step("Recover without recover.dat is refused", recover_without_file_refused)
        r.step("Exit asks, Yes ends the program with status 0", exit_asks_then_ends_cleanly)
    finally:
        s.stop()
    r.finish()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: test_startup.py <path to the reflex binary>")
    main(os.path.abspath(sys.argv[1]))
