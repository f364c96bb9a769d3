"""A simple series on an X server whose windows a compositing manager (xcompmgr) paints from their off-screen
buffers: the Present copy no longer puts the stimulus on the screen, so each stamp must come from the screen read
back, and say so, exact, in the trace; the program then has nothing to warn of. Usage: test_compositor.py
<brevane binary>"""

from brevane_e2e import check, run

from test_wayland import CONFIG, SIMPLE, _traced, a_simple_series_runs_with_real_presses_on_the_target as _series

ESTIMATED = "times may be one frame long: see the guide"


def a_series_runs_under_the_compositor(t):
    t.find("push button", "Simple", timeout=60)
    t.press("Simple")
    t.window = t.find("filler", SIMPLE.title)
    _series(t)  # the program centres its windows, as Weston's kiosk shell does


def each_stimulus_is_stamped_from_the_screen_read_back_and_nothing_is_said(t):
    named = [(r[3], r[8], r[10]) for r in _traced(t)]
    check(all(n == ("readback", "exact", "-") for n in named), f"the trace names {named}")
    check(ESTIMATED not in t.program.output(), t.program.output())


if __name__ == "__main__":
    run("compositor", CONFIG, compositor="xcompmgr")
