"""test_wayland.py's steps, with the program put on XWayland by the user (QT_QPA_PLATFORM=xcb), although the
compositor offers presentation feedback. Usage: test_xwayland.py <brevane binary>"""

from brevane_e2e import run

from test_wayland import CONFIG

if __name__ == "__main__":
    run("xwayland", CONFIG, module="test_wayland", weston="xwayland", env={"QT_QPA_PLATFORM": "xcb"})
