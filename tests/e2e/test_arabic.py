"""The program in Arabic, asked for with --language ar: the main menu read over AT-SPI gives the Arabic texts of
its buttons, the window says it runs right to left, and a question box is mirrored (its icon right of its text).
Usage: test_arabic.py <brevane binary>"""

from brevane_e2e import check, run, translations

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
    t.exit_button = menu


def the_exit_question_is_mirrored(t):
    t.click(t.exit_button)
    title = AR[("frmMain", "Exit Orv Brevane 2")]
    alert = t.find("alert", title, timeout=60)
    labels = [n for n in t.all("label", root=alert)]
    text = next(n for n in labels if n.name == AR[("frmMain", "Are you sure you want to exit?")])
    icon = next(n for n in labels if not n.name)
    check(t.extents(icon)[0] > t.extents(text)[0], "the question's icon is left of its text: not mirrored")
    t.click(t.find("push button", "لا", root=alert))  # No, in Qt's own Arabic
    t.gone("alert", title)


run("arabic", None, prepare=_prepare)
