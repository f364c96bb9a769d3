"""The one source of what tests and benchmarks share with the program: the default configuration
file in tests/fixtures and the windows' Designer forms under src/."""

import os
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))


def _read_default_config():
    with open(os.path.join(ROOT, "tests", "fixtures", "default.cfg"), "rb") as f:
        lines = f.read().decode("ascii").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines[0], [int(v) for v in lines[1:]]


CONFIG_HEADER, _DEFAULT_VALUES = _read_default_config()
# The values a freshly written default configuration holds, in file order (a tuple: copy to change).
DEFAULT_CONFIG = tuple(_DEFAULT_VALUES)


def write_config(path, values):
    with open(path, "wb") as f:
        f.write(("\r\n".join([CONFIG_HEADER] + [str(v) for v in values]) + "\r\n").encode("ascii"))


class Form:
    """A Designer form with absolute geometry: the window's title and where each named control
    lies in the window's client area."""

    def __init__(self, relative_path):
        top = ET.parse(os.path.join(ROOT, relative_path)).getroot().find("widget")
        self.title = self._string(top, "windowTitle")
        self._rects = {}
        self._texts = {}
        self._walk(top, 0, 0, top=True)

    @staticmethod
    def _string(widget, prop):
        node = widget.find(f"property[@name='{prop}']/string")
        return node.text if node is not None else None

    def _walk(self, widget, ox, oy, top=False):
        name = widget.get("name")
        r = widget.find("property[@name='geometry']/rect")
        x = y = 0
        if r is not None:
            x, y, w, h = (int(r.find(k).text) for k in ("x", "y", "width", "height"))
            self._rects[name] = (0, 0, w, h) if top else (ox + x, oy + y, w, h)
            if top:
                x = y = 0
        self._texts[name] = (widget.get("class"), self._string(widget, "text"))
        for child in widget.findall("widget"):
            self._walk(child, ox + x, oy + y)

    def rect(self, name):
        return self._rects[name]

    def centre(self, name):
        x, y, w, h = self._rects[name]
        return x + w // 2, y + h // 2

    def captions(self, widget_class):
        """The texts of the form's controls of one class, in form order, without mnemonic marks."""
        return [text.replace("&", "") for cls, text in self._texts.values() if cls == widget_class and text]


def test_window_form():
    return Form(os.path.join("src", "simple_test", "frmReflex.ui"))


def main_menu_form():
    return Form(os.path.join("src", "app", "frmMain.ui"))
