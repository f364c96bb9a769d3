"""Drives the real reflex program as a student does: a private X server, session bus and accessibility
bus, real X clicks and keys, controls found by role and name over AT-SPI."""

from .checks import Failure, check, never, wait_for
from .fixtures import CONFIG_HEADER, DEFAULT_CONFIG, ROOT, Form, main_menu_form, test_window_form, write_config
from .session import SCREEN, Program, Session
from .ui import EXIT_TITLE, Scenario, Ui, run
