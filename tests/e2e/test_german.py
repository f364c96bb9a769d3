"""The program in German, as a German system starts it (LANG=de_DE.UTF-8, no option): a simple series with its
end message, the results window's times with decimal commas, and Save through Qt's German file dialog, the file
keeping its periods; the texts it looks for are the German translation's own (translations/brevane_de.ts).
Usage: test_german.py <brevane binary>"""

from brevane_e2e import DEFAULT_CONFIG, check, run, test_window_form, translations, wait_for

SIMPLE = test_window_form()
DE = translations("de")
RUNS = 2
CONFIG = list(DEFAULT_CONFIG)
CONFIG[0:2], CONFIG[5] = [1, 1500], RUNS  # visual, a fixed 1.5 s


def _(context, english):
    return DE[(context, english)]


def _answer_yes(t, title):
    alert = t.find("alert", title, timeout=60)
    t.click(t.find("push button", "Ja", root=alert))  # Qt's own German (qt6-translations-l10n)
    t.gone("alert", title)


def the_menu_speaks_german_and_opens_the_simple_test(t):
    t.click(t.find("push button", _("frmMain", "Simple"), timeout=60))
    t.window = t.find("filler", _("frmReflex", SIMPLE.title))


def a_series_ends_with_its_german_end_message(t):
    t.click(t.find("push button", _("frmReflex", "Start"), root=t.window))
    _answer_yes(t, _("TestCore", "Start Reflex Data Collection"))
    ended = _("TestCore", "END RUN")
    for n in range(1, RUNS + 1):
        want = f"   {RUNS - n:02d}"
        wait_for(lambda: _red(t), 30, f"the stimulus of run {n}", 0.02)  # after the fixed 1.5 s
        t.click_in(t.window, SIMPLE.centre("Shape8"))
        wait_for(lambda: bool(t.all("alert", ended)) or t.value(_("frmReflex", "Run Count"), t.window) == want, 30,
                 f"the run count to show {want!r}")
    t.key(t.find("alert", ended, timeout=60), "Return")
    t.gone("alert", ended)


def _panel_area(t):
    x, y, _w, _h = t.extents(t.window)
    px, py, pw, ph = SIMPLE.rect("pnlInsideFrame")
    return x + px + 8, y + py + ph // 2, pw // 2 - 8, ph // 2 - 8


def _red(t):
    raw = t.session.pixels(*_panel_area(t))
    n = len(raw) // 3
    r, g, b = (sum(raw[i::3]) / n for i in range(3))
    return r > 150 and g < 60 and b < 60


def the_results_window_shows_the_times_with_decimal_commas(t):
    times = [float(v) for v in t.lines("recover.dat")[0:RUNS]]  # the file keeps the period
    t.click(t.find("push button", _("frmReflex", "Display"), root=t.window))
    t.results = t.find("filler", _("ResultsKind", "Simple Choice Stimulus Module Data Display"), timeout=60)
    run_word = _("frmDisplay", "Run 1").rsplit(" ", 1)[0]

    def cells():
        panel = t.find("panel", _("frmDisplay", "Run Data"), root=t.results)
        labels = sorted(t.all("label", root=panel), key=lambda node: t.extents(node)[1::-1])
        return [node.name for node in labels if not node.name.startswith(run_word)][:RUNS]
    want = [f"{v:.3f}".replace(".", ",") for v in times]
    wait_for(lambda: cells() == want, 30, f"the run cells to show {want}")


def save_goes_through_the_german_file_dialog_and_writes_periods(t):
    t.click(t.find("push button", _("frmDisplay", "Save"), root=t.results))
    title = _("ResultsKind", "Normal Reflex Data Files")
    dialog = t.find("dialog", title, timeout=60)
    t.key(dialog, "ctrl+a")  # the file name field has the focus as the dialog opens
    t.session.xdotool("type", "--delay", "30", t.file("klasse.nrm"))
    t.session.xdotool("key", "Return")
    t.gone("dialog", title)
    saved = t.lines("klasse.nrm")
    check(any("." in line for line in saved) and not any("," in line for line in saved if line[:1].isdigit()),
          f"the saved file's numbers: {saved[:12]}")


def exit_asks_in_german(t):
    t.click(t.find("push button", _("frmDisplay", "Done"), root=t.results))
    t.click(t.find("push button", _("frmReflex", "Done"), root=t.window))
    t.click(t.find("push button", _("frmMain", "Exit")))
    _answer_yes(t, _("frmMain", "Exit Orv Brevane 2"))
    proc = t.program.proc
    wait_for(lambda: proc.poll() is not None, 30, "the program to end after Ja", 0.1)
    check(proc.returncode == 0, f"the program ended with status {proc.returncode}")


run("german", CONFIG, env={"LANG": "de_DE.UTF-8"})
