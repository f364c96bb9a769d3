"""Drives the real brevane program as a student does on a private desktop: real X clicks and keys, controls
found by role and name over AT-SPI."""

from .fixtures import (CONFIG_HEADER, DEFAULT_CONFIG, TRACE_FIELDS, Form, main_menu_form, read_trace, test_window_form,
                       translations, write_config)
from .session import SCREEN, Session, check, wait_for
from .ui import run
