#!/usr/bin/python3
"""Screenshots of the program's windows, taken on a private desktop by the end-to-end harness (tests/e2e): the
splash with the first start's message, the main menu, the about box, the settings dialog, each test window and its results window, with a sample class's
sets read back through Recover. For the user guide (docs/images) and for looking at the layout at a display
scale (QT_SCALE_FACTOR) or in a language (--language de: the windows' names looked up in its translation, and a
PDF report of the simple test's sets as well). Installs and builds what it needs first, as scripts/test.sh does.

Usage: scripts/screenshots.py [--program build/src/brevane] [--scale 1.5] [--language de] [--out docs/images]"""

import argparse
import os
import random
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import brevane_e2e.session  # noqa: E402
from brevane_e2e import main_menu_form, translations  # noqa: E402
from brevane_e2e.ui import Scenario  # noqa: E402

TEXTS = {}  # (context, English) -> the language's text; empty: English


def _(context, english):
    """A text as the program shows it, and so as a screen reader names it (without the mnemonic's &)."""
    return TEXTS.get((context, english), english).replace("&", "")


TESTS = [  # form, menu button, test window, results window, file name stem
    ("frmReflex", "Simple", "Simple Choice Stimulus Module", "Simple Choice Stimulus Module Data Display", "simple"),
    ("frmColorReflex", "Color/Audio", "Complex Choice Color/Audio Stimulus Module",
     "Complex Choice Color/Audio Stimulus Module Data Display", "colour"),
    ("frmNumberReflex", "Num/Audio", "Complex Choice Number/Audio Stimulus Module",
     "Complex Choice Number/Audio Stimulus Module Data Display", "number"),
]


def _single(v):
    """A time as recover.dat writes it: .234, 1.5, 0."""
    text = f"{v:.3f}".rstrip("0").rstrip(".")
    return text.removeprefix("0") if text != "0" else "0"


def sample_recovery(seed=7):
    """recover.dat with four sets of a class in every test: simple times around 0.25 s, choice times around
    0.45 s with their outcome counts."""
    rng, lines = random.Random(seed), []
    for block, (mean, counts) in enumerate([(0.25, False), (0.45, True), (0.48, True)]):
        for s in range(1, 11):
            times = [round(rng.gauss(mean, 0.04), 3) for _ in range(10)] if s <= 4 else [0.0] * 10
            if counts and s <= 4:
                times[rng.randrange(10)] = 1.0  # a missed trigger is stored as one second
            taken = [t for t in times if t > 0]
            stats = [sum(taken) / len(taken), min(taken), max(taken)] if taken else [0, 0, 0]
            lines += [_single(v) for v in times + stats]
            if counts:
                lines += (["9", "47", "2", "1"] if taken else ["0"] * 4)
            lines.append(f'"{["Morning group", "After coffee", "Left hand", "Eyes tired"][s - 1]}"' if taken else '""')
    return "".join(f"{line}\r\n" for line in lines)


def shoot(t, title, name):
    """The screen where the window is, with any message box standing over it."""
    window = t.session.xdotool("search", "--sync", "--onlyvisible", "--name", f"^{title}$").split()[0]
    at = dict(line.split("=", 1) for line in t.session.xdotool("getwindowgeometry", "--shell", window).split())
    crop = f"{at['WIDTH']}x{at['HEIGHT']}+{at['X']}+{at['Y']}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", os.path.join(t.out, f"{name}.png")],
                   env=t.session.env, check=True)


def report(t, results, pdf):
    """Print with every set ticked, into a PDF where the machine has no printer; its first page as a PNG."""
    t.click(t.find("push button", _("frmDisplay", "Print"), root=results))
    dialog = t.find("dialog", _("frmPrint", "Print Data"), timeout=30)
    t.click(t.find("push button", _("frmPrint", "Select All"), root=dialog))
    t.click(t.find("push button", _("frmPrint", "OK"), root=dialog))
    title = _("Report", "Save Report As PDF")
    chooser = t.find("dialog", title, timeout=30)
    t.key(chooser, "ctrl+a")  # the file name field has the focus; its label is in Qt's own translation
    t.session.xdotool("type", "--delay", "30", pdf)
    t.session.xdotool("key", "Return")
    t.gone("dialog", title)
    brevane_e2e.session.wait_for(lambda: os.path.exists(pdf), 30, "the report's PDF")
    subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", pdf, pdf.removesuffix(".pdf")], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "src", "brevane"))
    parser.add_argument("--scale", type=float, default=1.0)
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "images"))
    parser.add_argument("--language", default="")
    args = parser.parse_args()
    if args.language:
        TEXTS.update(translations(args.language))
    menu = _("frmMain", main_menu_form().title)
    if not os.path.exists(args.program):
        subprocess.run([os.path.join(ROOT, "scripts", "deps.sh"), "build", "test"], check=True)
        subprocess.run(["cmake", "-S", ROOT, "-B", os.path.join(ROOT, "build"), "-DCMAKE_BUILD_TYPE=Release"],
                       check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", os.path.join(ROOT, "build"), "-j2", "--target", "brevane"], check=True)

    # The screen grows with the scale, so that the program still sees 1024 x 768 of its own pixels.
    brevane_e2e.session.SCREEN = f"{round(1024 * args.scale)}x{round(768 * args.scale)}x24"
    # A first start: no Reflex.cfg yet.
    t = Scenario("screenshots", os.path.abspath(args.program), None, env={"QT_SCALE_FACTOR": str(args.scale)})
    if args.language:
        t.args = ("--language", args.language)
    t.out = os.path.abspath(args.out)
    os.makedirs(t.out, exist_ok=True)
    # Qt tells the accessibility bus its own pixels; the clicks go to the screen's.
    t.extents = lambda node: tuple(round(v * args.scale) for v in Scenario.extents(t, node))
    try:
        t.start()
        first = _("StartupSequence", "Configuration file not found")
        t.find("alert", first, timeout=60)
        shoot(t, _("frmSplash", "The Orv Brevane 2.00"), "first-start")
        t.acknowledge(first)
        with open(t.file("recover.dat"), "w", newline="") as f:
            f.write(sample_recovery())
        t.click(t.find("push button", _("frmMain", "Recover"), timeout=60))
        shoot(t, menu, "main-menu")

        t.click(t.find("push button", _("frmMain", "About")))
        about = t.find("dialog", _("frmAbout", "About Brevane"))
        shoot(t, about.name, "about")
        t.click(t.find("push button", _("frmAbout", "OK"), root=about))

        t.click(t.find("push button", _("frmMain", "Options")))
        settings = t.find("filler", _("frmCfg", "Brevane Settings"))
        shoot(t, settings.name, "settings")
        t.click(t.find("page tab", _("frmCfg", "Color/Audio"), root=settings))
        shoot(t, settings.name, "settings-colour")
        t.click(t.find("push button", _("frmCfg", "&Cancel"), root=settings))

        for form, button, window, results, stem in TESTS:
            shown_form = "frmDisplay" if form == "frmReflex" else "frmChoiceReflexDisplay"
            window, results = _(form, window), _("ResultsKind", results)
            t.click(t.find("push button", _("frmMain", button), root=t.find("filler", menu)))
            test = t.find("filler", window)
            shoot(t, window, f"{stem}-test")
            t.click(t.find("push button", _(form, "Display"), root=test))
            shown = t.find("filler", results, timeout=60)
            shoot(t, results, f"{stem}-results")
            if args.language and stem == "simple":
                report(t, shown, os.path.join(t.out, "simple-report.pdf"))
            t.click(t.find("push button", _(shown_form, "Done"), root=shown))
            t.click(t.find("push button", _(form, "Done"), root=t.find("filler", window)))
        print(f"screenshots at scale {args.scale:g} in {t.out}")
    finally:
        t.session.stop()


if __name__ == "__main__":
    main()
