"""Drives the real reflex program the way a student does: a private X server, session bus and
accessibility bus, real X mouse clicks and key presses, controls found by role and name.

    checks     Failure, check, wait_for
    fixtures   the default configuration (tests/fixtures) and the windows' forms (src/**/*.ui)
    processes  what ends the processes a test or benchmark started, and only those
    session    Session (Xvfb, buses, the program, real X input) and Program
    ui         Ui (the program's accessibility tree), one_text, confirm_exit
    report     Report (named steps of one scenario)"""

from .checks import Failure, check, wait_for
from .fixtures import CONFIG_HEADER, DEFAULT_CONFIG, ROOT, Form, main_menu_form, test_window_form, write_config
from .report import Report
from .session import SCREEN, Program, Session
from .ui import EXIT_TITLE, Ui, confirm_exit, one_text
