"""test_wayland.py's steps, in a Wayland session with XWayland. Usage: test_xwayland.py <brevane binary>"""

from brevane_e2e import run

from test_wayland import CONFIG

if __name__ == "__main__":
    run("xwayland", CONFIG, module="test_wayland", weston="xwayland")
