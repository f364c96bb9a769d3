"""Drives the real reflex program the way a student does: a private X server, session bus and
accessibility bus, real X mouse clicks and key presses, controls found by role and name.

    checks     Failure, check, wait_for, never
    fixtures   the default configuration (tests/fixtures) and the windows' forms (src/**/*.ui)
    processes  what ends the processes a test or benchmark started, and only those
    session    Session (Xvfb, buses, the program, real X input and screen) and Program
    ui         Ui (the program's accessibility tree, clicks and keys, its recurring questions)
    scenario   Scenario and run (the named steps of one test)
    simple     the simple test window: its stimulus on the screen, presses on its target"""

from .checks import Failure, check, never, wait_for
from .fixtures import CONFIG_HEADER, DEFAULT_CONFIG, ROOT, Form, main_menu_form, test_window_form, write_config
from .scenario import Scenario, run
from .session import SCREEN, Program, Session
from .ui import EXIT_TITLE, Ui
