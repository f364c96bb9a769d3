"""First start in an empty folder: the missing configuration is reported and written with the defaults,
the main menu comes up painted and Recover without a recovery file is refused; in the settings dialog
"Fixed Interval" is chosen with a real click, an interval typed is accepted and a run count refused, Save
writes them through the real file dialog, OK keeps them for the dialog opened again; Exit asks without
a warning and ends the program. Usage: test_first_start.py <reflex binary>"""

import os

from reflex_e2e import CONFIG_HEADER, DEFAULT_CONFIG, check, main_menu_form, run, wait_for

TITLE = "Brevane Settings"


def the_missing_configuration_is_reported_and_written_with_the_defaults(t):
    t.ui.acknowledge("Configuration file not found", "Default configuration file not found...\nCreating Reflex.Cfg")
    lines = t.lines("Reflex.cfg")
    check(lines == [CONFIG_HEADER, *map(str, DEFAULT_CONFIG)], f"Reflex.cfg holds {lines}, not the defaults")


def the_main_menu_is_shown_and_painted(t):
    x, y, w, h = t.ui.extents(t.ui.find("filler", main_menu_form().title))
    raw = t.session.pixels(x, y, w, h)
    check(len(set(zip(raw[0::3], raw[1::3], raw[2::3]))) > 1, "the main menu's area of the screen is one flat colour")


def recover_without_recover_dat_is_refused(t):
    t.ui.click(t.ui.find("push button", "Recover"))
    t.ui.acknowledge("Load Cancelled", "No Recovery File Created or Found")
    check(not os.path.exists(t.file("recover.dat")), "Recover created recover.dat")


def _text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def _field(t, name):
    return t.ui.find("text", name, root=t.dialog)


def _type_into(t, name, typed):
    """Clicks into a field, which selects its whole text, and types over it."""
    node = _field(t, name)
    t.ui.click(node)

    def all_selected():
        text = node.queryText()
        return text.getNSelections() == 1 and text.getSelection(0) == (0, text.characterCount)
    wait_for(all_selected, 30, f"the text of {name!r} to be selected on entry")
    t.session.xdotool("type", "--delay", "30", typed)
    wait_for(lambda: _text_of(node) == typed, 30, f"{typed!r} in {name!r}")


def _fixed_interval_checked(t):
    return t.ui.find("radio button", "Fixed Interval", root=t.dialog).getState().contains(t.ui.pyatspi.STATE_CHECKED)


def _open_settings(t):
    t.ui.click(t.ui.find("push button", "Options", root=t.ui.find("filler", main_menu_form().title)))
    t.dialog = t.ui.find("filler", TITLE)
    t.ui.find("page tab", "Simple", root=t.dialog)


def options_then_fixed_interval_chosen_with_a_click_on_its_circle(t):
    _open_settings(t)
    x, y, w, h = t.ui.extents(t.ui.find("radio button", "Fixed Interval", root=t.dialog))
    t.ui.click_at(t.dialog, x + 8, y + h // 2)
    wait_for(lambda: _fixed_interval_checked(t), 30, '"Fixed Interval" checked')


def an_interval_typed_is_kept_a_run_count_of_25_refused(t):
    _type_into(t, "Fixed Time Interval", "2500")
    _type_into(t, "Runs Per Set", "25")  # leaving "Fixed Time Interval" accepted 2500
    t.ui.click(_field(t, "Fixed Time Interval"))  # leaving "Runs Per Set" refuses 25
    wait_for(lambda: _text_of(_field(t, "Runs Per Set")) == "10", 30, 'the refused run count to give way to "10"')
    check(_text_of(_field(t, "Fixed Time Interval")) == "2500", "the accepted interval did not stay")


def save_writes_the_46_line_file_through_the_file_dialog(t):
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


def ok_and_the_dialog_opened_again_shows_the_values(t):
    t.ui.click(t.ui.find("push button", "OK", root=t.dialog))
    t.ui.gone("filler", TITLE)
    _open_settings(t)
    shown = (_text_of(_field(t, "Fixed Time Interval")), _text_of(_field(t, "Runs Per Set")))
    check(shown == ("2500", "10"), f"the dialog shows interval and run count {shown}, not those accepted")
    check(_fixed_interval_checked(t), '"Fixed Interval" is not checked again')


def ok_then_exit_asks_without_a_warning_and_ends_with_status_0(t):
    t.ui.click(t.ui.find("push button", "OK", root=t.dialog))
    t.ui.gone("filler", TITLE)
    t.ui.exit_program("Are you sure you want to exit?")  # nothing was measured


if __name__ == "__main__":
    run("first-start")
