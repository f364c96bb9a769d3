"""What tests and benchmarks share with the program: the default configuration in tests/fixtures, the
windows' Designer forms under src/ and the timing trace's fields."""

import os
import re
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))

with open(os.path.join(ROOT, "tests", "fixtures", "default.cfg"), "rb") as _f:
    CONFIG_HEADER, *_values = _f.read().decode("ascii").removesuffix("\r\n").split("\r\n")
DEFAULT_CONFIG = tuple(int(v) for v in _values)  # in file order; a tuple: copy to change


def write_config(path, values):
    with open(path, "wb") as f:
        f.write("".join(f"{v}\r\n" for v in [CONFIG_HEADER, *values]).encode("ascii"))


def _trace_fields():
    """The names of the timing trace's fields, in order, from their one description."""
    with open(os.path.join(ROOT, "src", "shared", "TimingTrace.h")) as f:
        listed = re.search(r"kTimingTraceFields\{(.*?)\};", f.read(), re.S).group(1)
    return tuple(re.findall(r'"(\w+)"', listed))


TRACE_FIELDS = _trace_fields()


def read_trace(path):
    """The timing trace, a dict of fields by name for each line (an older trace's lines have fewer)."""
    with open(path) as f:
        return [dict(zip(TRACE_FIELDS, line.split())) for line in f if line.strip()]


class Form:
    """A Designer form: the window's title and where each named control lies in its client area."""

    def __init__(self, relative_path):
        top = ET.parse(os.path.join(ROOT, relative_path)).getroot().find("widget")
        self.title = top.find("property[@name='windowTitle']/string").text
        self.size = tuple(int(top.find(f"property[@name='geometry']/rect/{k}").text) for k in ("width", "height"))
        self._rects = {}
        todo = [(child, 0, 0) for child in top.findall("widget")]
        while todo:
            widget, ox, oy = todo.pop()
            r = widget.find("property[@name='geometry']/rect")
            x, y, w, h = (int(r.find(k).text) for k in ("x", "y", "width", "height")) if r is not None else (0,) * 4
            self._rects[widget.get("name")] = (ox + x, oy + y, w, h)
            todo += [(child, ox + x, oy + y) for child in widget.findall("widget")]

    def rect(self, name):
        return self._rects[name]

    def centre(self, name):
        x, y, w, h = self._rects[name]
        return x + w // 2, y + h // 2


def test_window_form():
    return Form(os.path.join("src", "simple_test", "frmReflex.ui"))


def main_menu_form():
    return Form(os.path.join("src", "app", "frmMain.ui"))


def translations(code):
    """The program's finished translations of one language, {(context, English): translation}, as
    translations/brevane_<code>.ts holds them (a carriage return written as <byte value="xd"/>)."""
    def text(element):
        out = element.text or ""
        for child in element:
            out += (chr(int(child.get("value")[1:], 16)) if child.tag == "byte" else "") + (child.tail or "")
        return out
    found = {}
    root = ET.parse(os.path.join(ROOT, "translations", f"brevane_{code}.ts")).getroot()
    for context in root.iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") is None and not translation.findall("numerusform"):
                found[(context.findtext("name"), text(message.find("source")))] = text(translation)
    return found
