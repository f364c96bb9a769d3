"""A student's session on a Wayland desktop under Weston, nested on the test's X server (which hands that server's
clicks on as Wayland input), with XWayland running. Weston offers presentation feedback, so the program runs as its
own Wayland client all the same, says once what it cannot do there and stamps every stimulus from the compositor's
report of the frame that carried it: a nested Weston takes that time itself, so the stamps are estimated, and said
to be once. test_xwayland.py runs the same steps with the program put on XWayland (QT_QPA_PLATFORM=xcb), whose
pretended refresh makes its stamps estimated too. Either way the main menu is reached, a simple series runs with
real presses and the trace names each stimulus's source. Usage: test_wayland.py <brevane binary>"""

from brevane_e2e import DEFAULT_CONFIG, SCREEN, check, run, test_window_form, wait_for

SIMPLE, RUNS = test_window_form(), 3
CONFIG = list(DEFAULT_CONFIG)
CONFIG[0:2], CONFIG[5] = [1, 1000], RUNS  # simple, visual, a fixed second
XWAYLAND_NOTICE = "brevane: Wayland session: running on X through XWayland"
LIMITS = "On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)"
# XWayland's refresh is pretended: its stimulus stamps are estimated, and the program says so.
XWAYLAND_STAMPS = "XWayland shows the window through the Wayland compositor; times may be one frame long: see the guide"
# A nested Weston's frame times are its own, not the hardware's: said once, at the first stimulus.
WESTON_STAMPS = "The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide"


def _xwayland(t):
    return t.env.get("QT_QPA_PLATFORM") == "xcb"


def the_program_reaches_the_main_menu_and_names_its_window_system_once(t):
    t.find("push button", "Simple", timeout=60)
    t.press("Simple")  # Simple: the menu is up, and the test window opens
    t.window = t.find("filler", SIMPLE.title)
    said = t.program.output()
    # XWayland is the user's choice here: the session's line is not said, what its stamps are is.
    if _xwayland(t):  # on X: the input thread, not the handler's stamp, and nothing said about Wayland
        check(XWAYLAND_NOTICE not in said and said.count(f"brevane: {XWAYLAND_STAMPS}\n") == 1
              and "not on an X server" not in said and LIMITS not in said, said)
    else:
        check(said.count(f"brevane: {LIMITS}\n") == 1, said)


def a_simple_series_runs_with_real_presses_on_the_target(t):
    t.press("Start", root=t.window)
    t.press("Yes", root=t.find("alert", "Start Reflex Data Collection"))
    # Neither XWayland nor Wayland tells where the compositor put a window: its kiosk shell centres it.
    x, y = ((s - w) // 2 for s, w in zip(map(int, SCREEN.split("x")[:2]), SIMPLE.size))
    tx, ty = (a + b for a, b in zip((x, y), SIMPLE.centre("Shape8")))
    for n in range(1, RUNS + 1):
        want = f"   {RUNS - n:02d}"

        def counted():  # a press before the stimulus is ignored, so pressing until one counts is safe
            if t.ended() or t.value("Run Count", t.window) == want:
                return True
            t.session.xdotool("mousemove", tx, ty, "click", "1")
        wait_for(counted, 30, f"a press to count run {n}", 0.25)
    t.press("OK", root=t.find("alert", "END RUN", timeout=60))


def each_stimulus_names_its_stamp_source_and_the_estimate_is_said_once(t):
    rows = t.trace()
    check(len(rows) == RUNS, f"{len(rows)} trace lines for {RUNS} runs")
    named = {(r["source"], r["exact"]) for r in rows}
    check(named == {("present" if _xwayland(t) else "feedback", "estimated")}, f"the trace names {named}")
    said = t.program.output()
    check(said.count(WESTON_STAMPS) == (0 if _xwayland(t) else 1), said)


def the_about_box_names_what_wayland_costs_and_what_the_stamps_turned_out_to_be(t):
    t.press("Done", root=t.window)
    t.press("About")
    about = t.find("dialog", "About Brevane")
    lost = [n.name for n in t.all("label", root=about) if "Wayland" in n.name and not n.name.startswith("For Linux")]
    # Weston's estimates show only in the frames' reports: the box says what the series found.
    check(lost == ([XWAYLAND_STAMPS] if _xwayland(t) else [LIMITS, WESTON_STAMPS]), f"the about box says {lost}")
    t.press("OK", root=about)
    t.gone("dialog", "About Brevane")


if __name__ == "__main__":
    run("wayland", CONFIG, weston="xwayland")
