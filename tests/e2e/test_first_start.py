"""First start in an empty folder, then the settings dialog driven with real clicks and keys; each step says what
it checks. Usage: test_first_start.py <brevane binary>"""

from brevane_e2e import CONFIG_HEADER, DEFAULT_CONFIG, check, main_menu_form, run, wait_for

MENU, TITLE = main_menu_form().title, "Brevane Settings"


def the_missing_configuration_is_reported(t):
    t.acknowledge("Configuration file not found")  # and the defaults written: tst_startup


def options_then_fixed_interval_chosen_with_a_click_on_its_circle(t):
    t.click(t.find("push button", "Options", root=t.find("filler", MENU)))
    t.dialog = t.find("filler", TITLE)
    radio = t.find("radio button", "Fixed Interval", root=t.dialog)
    x, y, _, h = t.extents(radio)
    t.click_at(t.dialog, x + 8, y + h // 2)  # checked, or the interval field below stays disabled


def an_interval_is_typed_over_the_text_selected_on_entry(t):
    field = t.find("text", "Fixed Time Interval", root=t.dialog)
    t.click(field)
    wait_for(lambda: (s := field.queryText()).getNSelections() == 1 and s.getSelection(0) == (0, s.characterCount),
             30, "the field's text to be selected on entry")
    t.session.xdotool("type", "--delay", "30", "2500")  # "2500" saved below: typed over, not beside, "2000"


def save_leaves_the_field_and_writes_the_choices_through_the_file_dialog(t):
    t.click(t.find("push button", "Save", root=t.dialog))
    t.choose_file("Save Configuration File", t.file("lab.cfg"))
    lines, want = t.lines("lab.cfg"), [1, 2500, *DEFAULT_CONFIG[2:]]  # the short layout: without the run counts
    check(lines == [CONFIG_HEADER, *(str(v) for i, v in enumerate(want) if i not in (5, 26, 47))], f"lab.cfg: {lines}")


def ok_then_exit_asks_without_a_warning_and_ends_with_status_0(t):
    t.click(t.find("push button", "OK", root=t.dialog))
    t.gone("filler", TITLE)
    t.exit_program("Are you sure you want to exit?")  # nothing was measured


if __name__ == "__main__":
    run("first-start")
