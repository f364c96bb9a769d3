"""The program in Arabic, asked for with --language ar: the main menu read over AT-SPI gives the Arabic texts of
its buttons, laid out right to left (the first test's button in the right column), and a question box is mirrored
as Qt mirrors it (Yes right of No).
Usage: test_arabic.py <brevane binary>"""

from brevane_e2e import DEFAULT_CONFIG, check, run, translations

AR = translations("ar")
BUTTONS = ("Simple", "Color/Audio", "Num/Audio", "Options", "Clear Data", "Recover", "About", "Exit")


def _prepare(t):
    t.args = ("--language", "ar")


def the_menu_buttons_read_in_arabic(t):
    menu = t.find("push button", AR[("frmMain", "Exit")], timeout=60)
    names = {n.name for n in t.all("push button")}
    missing = [AR[("frmMain", b)] for b in BUTTONS if AR[("frmMain", b)] not in names]
    check(not missing, f"buttons not found: {missing}; the menu has {sorted(names)}")
    check(any(n.name == AR[("frmMain", "Simple vs Complex Stimulus Reaction Timing")] for n in t.all("label")),
          "the menu's title is not the Arabic one")
    simple, colour = (t.find("push button", AR[("frmMain", b)]) for b in ("Simple", "Color/Audio"))
    check(t.extents(simple)[0] > t.extents(colour)[0], "the menu is not mirrored: Simple is left of Color/Audio")
    t.exit_button = menu


def the_exit_question_is_mirrored(t):
    t.click(t.exit_button)
    title = AR[("frmMain", "Exit Orv Brevane 2")]
    alert = t.find("alert", title, timeout=60)
    said = [n.name for n in t.all("label", root=alert)]
    check(AR[("frmMain", "Are you sure you want to exit?")] in said, f"the question says {said}")
    yes, no = (t.find("push button", name, root=alert) for name in ("نعم", "لا"))  # Qt's own Arabic
    check(t.extents(yes)[0] > t.extents(no)[0], "the question is not mirrored: Yes is left of No")
    t.click(no)
    t.gone("alert", title)


run("arabic", DEFAULT_CONFIG, prepare=_prepare)
