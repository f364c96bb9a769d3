"""The settings dialog as a student uses it from the main menu: "Fixed Interval" chosen with a
real click, a fixed interval typed and accepted, a run count typed and refused, the settings
saved through the real file dialog into a 46-line file, OK, and the dialog opened again showing
what was accepted. Usage: test_settings.py <reflex binary>"""

import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import CONFIG_HEADER, DEFAULT_CONFIG, check, main_menu_form, run, wait_for  # noqa: E402

TITLE = "Brevane Settings"


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def field(t, name):
    return t.ui.find("text", name, root=t.dialog)


def type_into(t, name, typed):
    """Clicks into a field, which selects its whole text, and types over it."""
    node = field(t, name)
    t.ui.click(node)

    def all_selected():
        x = node.queryText()
        return x.getNSelections() == 1 and x.getSelection(0) == (0, x.characterCount)
    wait_for(all_selected, 30, f"the text of {name!r} to be selected on entry")
    t.session.xdotool("type", "--delay", "30", typed)
    wait_for(lambda: text_of(node) == typed, 30, f"{typed!r} in {name!r}")


def fixed_interval(t):
    return t.ui.find("radio button", "Fixed Interval", root=t.dialog)


def open_settings(t):
    t.ui.click(t.ui.find("push button", "Options", root=t.ui.find("filler", main_menu_form().title, timeout=60)))
    t.dialog = t.ui.find("filler", TITLE)
    t.ui.find("page tab", "Simple", root=t.dialog)


def fixed_interval_chosen(t):
    x, y, w, h = t.ui.extents(fixed_interval(t))
    t.ui.click_at(t.dialog, x + 8, y + h // 2)  # on the button's circle
    wait_for(lambda: fixed_interval(t).getState().contains(t.ui.pyatspi.STATE_CHECKED), 30, '"Fixed Interval" checked')


def value_typed_and_one_refused(t):
    type_into(t, "Fixed Time Interval", "2500")
    type_into(t, "Runs Per Set", "25")  # leaving "Fixed Time Interval" accepted 2500
    t.ui.click(field(t, "Fixed Time Interval"))  # leaving "Runs Per Set" refuses 25
    wait_for(lambda: text_of(field(t, "Runs Per Set")) == "10", 30, 'the refused run count to give way to "10"')
    check(text_of(field(t, "Fixed Time Interval")) == "2500", "the accepted interval did not stay")


def saved_through_file_dialog(t):
    t.ui.click(t.ui.find("push button", "Save", root=t.dialog))
    chooser = t.ui.find("dialog", "Save Configuration File")
    t.ui.key(chooser, "ctrl+a")
    t.session.xdotool("type", "--delay", "30", "lab.cfg")
    t.session.key("Return")
    t.ui.gone("dialog", "Save Configuration File")
    # The whole layout without its three run counts (values 6, 27 and 48).
    expected = [CONFIG_HEADER, "1", "2500"] + [str(v) for i, v in enumerate(DEFAULT_CONFIG) if i not in (0, 1, 5, 26, 47)]
    lines = t.lines("lab.cfg")
    check(lines == expected, f"lab.cfg holds {lines}, expected {expected}")


def ok_and_reopened(t):
    t.ui.click(t.ui.find("push button", "OK", root=t.dialog))
    t.ui.gone("filler", TITLE)
    open_settings(t)
    shown = (text_of(field(t, "Fixed Time Interval")), text_of(field(t, "Runs Per Set")))
    check(shown == ("2500", "10"), f"the dialog shows interval and run count {shown}, not those accepted")
    check(fixed_interval(t).getState().contains(t.ui.pyatspi.STATE_CHECKED), '"Fixed Interval" is not checked again')


if __name__ == "__main__":
    run("settings", [
        ("Options opens the settings dialog on its first page", open_settings),
        ('"Fixed Interval" chosen with a click', fixed_interval_chosen),
        ("an interval typed is kept, a run count of 25 refused", value_typed_and_one_refused),
        ("Save writes the 46-line file through the file dialog", saved_through_file_dialog),
        ("OK, and the dialog opened again shows the values", ok_and_reopened),
    ], DEFAULT_CONFIG)
