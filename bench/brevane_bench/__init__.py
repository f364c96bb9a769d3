"""What the bench's Python rigs share: the repository's Release build, an X client that hears windows
mapped and clicks, the one photodiode (bench/photodiode, loaded as a library), summaries, and the files
the rigs give the program. Importing it also makes the end-to-end package, brevane_e2e, importable: its
private desktop (Xvfb, session bus), the default configuration and the window forms."""

import os
import sys

from .build import BUILD, ROOT, build_target, ensure_release_build

sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from .class_files import write_class  # noqa: E402
from .files import recovery_file  # noqa: E402
from .photodiode import Photodiode  # noqa: E402
from .stats import summary  # noqa: E402
from .xclient import MAP_NOTIFY, Driver, MapWatcher, XEvent  # noqa: E402

__all__ = ["BUILD", "ROOT", "MAP_NOTIFY", "Driver", "MapWatcher", "Photodiode", "XEvent", "build_target",
           "ensure_release_build", "recovery_file", "summary", "write_class"]
