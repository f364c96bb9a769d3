"""The settings dialog as a student uses it from the main menu: "Fixed Interval" chosen with a
real click, a fixed interval typed and accepted, a run count typed and refused, the settings
saved through the real file dialog into a 46-line file, OK, and the dialog opened again showing
what was accepted. Usage: test_settings.py <reflex binary>"""

import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import (CONFIG_HEADER, DEFAULT_CONFIG, Report, Session, Ui, check, main_menu_form,  # noqa: E402
                        wait_for, write_config)

MENU = main_menu_form()
TITLE = "Brevane Settings"


def main(binary):
    s = Session("settings")
    r = Report(s)
    work = s.path("work")
    st = {}

    def desktop():
        s.start()
        os.makedirs(work)
        write_config(os.path.join(work, "Reflex.cfg"), DEFAULT_CONFIG)
        st["program"] = s.launch(binary, work)
        st["ui"] = Ui(s, st["program"])

    def text_of(node):
        t = node.queryText()
        return t.getText(0, t.characterCount)

    def field(name):
        return st["ui"].find("text", name, root=st["dialog"], timeout=5)

    def type_into(name, typed):
        """Clicks into a field, which selects its whole text, and types over it."""
        ui, node = st["ui"], field(name)
        ui.click(node)

        def all_selected():
            t = node.queryText()
            return t.getNSelections() == 1 and t.getSelection(0) == (0, t.characterCount)
        wait_for(all_selected, 10, f"the text of {name!r} to be selected on entry")
        s.xdotool("type", "--delay", "30", typed)
        wait_for(lambda: text_of(node) == typed, 10, f"{typed!r} in {name!r}")

    def open_settings():
        ui = st["ui"]
        ui.click(ui.find("push button", "Options", root=ui.find("filler", MENU.title, timeout=60)))
        st["dialog"] = ui.find("filler", TITLE)
        ui.find("page tab", "Simple", root=st["dialog"])

    def fixed_interval_chosen():
        ui = st["ui"]
        option = ui.find("radio button", "Fixed Interval", root=st["dialog"])
        x, y, w, h = ui.extents(option)
        ui.click_at(st["dialog"], x + 8, y + h // 2)  # on the button's circle
        wait_for(lambda: option.getState().contains(ui.pyatspi.STATE_CHECKED), 10, '"Fixed Interval" checked')

    def value_typed_and_one_refused():
        type_into("Fixed Time Interval", "2500")
        type_into("Runs Per Set", "25")  # leaving "Fixed Time Interval" accepted 2500
        st["ui"].click(field("Fixed Time Interval"))  # leaving "Runs Per Set" refuses 25
        runs = field("Runs Per Set")
        wait_for(lambda: text_of(runs) == "10", 10, 'the refused run count to give way to "10" again')
        check(text_of(field("Fixed Time Interval")) == "2500", "the accepted interval did not stay")

    def saved_through_file_dialog():
        ui = st["ui"]
        ui.click(ui.find("push button", "Save", root=st["dialog"]))
        chooser = ui.find("dialog", "Save Configuration File")
        ui.key(chooser, "ctrl+a")
        s.xdotool("type", "--delay", "30", "lab.cfg")
        s.key("Return")
        ui.gone("dialog", "Save Configuration File")
        path = os.path.join(work, "lab.cfg")
        wait_for(lambda: os.path.exists(path), 10, "lab.cfg to be written")
        with open(path, "rb") as f:
            data = f.read()
        lines = data.split(b"\r\n")
        check(lines[-1] == b"", "lab.cfg does not end with CR LF")
        lines.pop()
        check(len(lines) == 46, f"lab.cfg has {len(lines)} lines, expected 46")
        check(lines[0].decode() == CONFIG_HEADER, f"lab.cfg starts with {lines[0]!r}")
        # The full layout without its three run counts (values 6, 27 and 48).
        expected = [v for i, v in enumerate(DEFAULT_CONFIG) if i not in (5, 26, 47)]
        expected[0:2] = [1, 2500]
        values = [int(v) for v in lines[1:]]
        check(values == expected, f"lab.cfg holds {values}, expected {expected}")

    def ok_and_reopened():
        ui = st["ui"]
        ui.click(ui.find("push button", "OK", root=st["dialog"]))
        ui.gone("filler", TITLE)
        open_settings()
        check(text_of(field("Fixed Time Interval")) == "2500", "the interval is not shown again")
        check(text_of(field("Runs Per Set")) == "10", "the run count is not the one accepted")
        option = ui.find("radio button", "Fixed Interval", root=st["dialog"])
        check(option.getState().contains(ui.pyatspi.STATE_CHECKED), '"Fixed Interval" is not checked again')

    try:
        r.step("desktop and program start", desktop)
        r.step("Options opens the settings dialog on its first page", open_settings)
        r.step('"Fixed Interval" chosen with a click', fixed_interval_chosen)
        r.step("an interval typed is kept, a run count of 25 refused", value_typed_and_one_refused)
        r.step("Save writes the 46-line file through the file dialog", saved_through_file_dialog)
        r.step("OK, and the dialog opened again shows the values", ok_and_reopened)
    finally:
        s.stop()
    r.finish()


if __name__ == "__main__":
    main(sys.argv[1])
