"""The simple test window as the scenarios drive it: the stimulus panel's colour on the screen,
and a response pressed on the left target."""

from .checks import check, wait_for
from .fixtures import test_window_form

FORM = test_window_form()


def panel_colour(t, window):
    """The panel's lower left quarter: clear of the frame's edge and of the speaker picture."""
    x, y, _, _ = t.ui.extents(window)
    px, py, pw, ph = FORM.rect("pnlInsideFrame")
    return t.session.mean_colour(x + px + 8, y + py + ph // 2, pw // 2 - 8, ph // 2 - 8)


def is_red(c):
    return c[0] > 150 and c[1] < 60 and c[2] < 60


def is_white(c):
    return min(c) > 230


def wait_stimulus(t, window, run):
    def red():
        check(not t.ui.all("alert", "END RUN"), f"the series ended before stimulus {run}")
        return is_red(panel_colour(t, window))
    wait_for(red, 30, f"the stimulus of run {run}", 0.02)


def respond(t, window, runs_left):
    """A press on the left target, then the run count down to `runs_left` (or the series' end)."""
    t.ui.click_in(window, FORM.centre("Shape8"))
    want = f"   {runs_left:02d}"
    wait_for(lambda: t.ui.all("alert", "END RUN") or t.ui.value_beside(window, "Run Count") == want, 30,
             f"the run count to show {want!r}")
