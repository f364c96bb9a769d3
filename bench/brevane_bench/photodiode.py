"""The bench's one photodiode (bench/photodiode, the one timing_bench links) for the Python rigs: an area
of the screen read through MIT-SHM on an X connection of its own, each reading stamped on CLOCK_MONOTONIC
(time.monotonic_ns) by its request and its reply. Built in build/ when it is used."""

import ctypes
import os

from .build import BUILD, build_target

_LIBRARY = os.path.join(BUILD, "bench", "libbench_photodiode.so")
_lib = None


def _library():
    global _lib
    if _lib is None:
        build_target("photodiode_module")  # a rebuild only when its sources changed
        lib = ctypes.CDLL(_LIBRARY)
        lib.bench_photodiode_open.restype = ctypes.c_void_p
        lib.bench_photodiode_open.argtypes = [ctypes.c_char_p] + [ctypes.c_int] * 4 + [ctypes.c_char_p, ctypes.c_int]
        lib.bench_photodiode_close.argtypes = [ctypes.c_void_p]
        lib.bench_photodiode_grab.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int64),
                                              ctypes.POINTER(ctypes.c_int64)]
        lib.bench_photodiode_centre_pixel.restype = ctypes.c_uint32
        lib.bench_photodiode_centre_pixel.argtypes = [ctypes.c_void_p]
        lib.bench_photodiode_pixels_of_colour.restype = ctypes.c_uint64
        lib.bench_photodiode_pixels_of_colour.argtypes = [ctypes.c_void_p, ctypes.c_uint32]
        _lib = lib
    return _lib


class Photodiode:
    """Reads the screen area x, y, w, h of `display`. Close it before the X server ends."""

    def __init__(self, display, x, y, w=1, h=1):
        self._lib = _library()
        error = ctypes.create_string_buffer(256)
        self._diode = self._lib.bench_photodiode_open(display.encode(), x, y, w, h, error, len(error))
        if not self._diode:
            raise RuntimeError(f"photodiode on {display}: {error.value.decode()}")
        self._sent, self._back = ctypes.c_int64(), ctypes.c_int64()

    @staticmethod
    def prepare():
        """Builds and loads the library now, before anything is timed."""
        _library()

    def grab(self):
        """One reading: (when the request left, when the reply was back), ns."""
        self._lib.bench_photodiode_grab(self._diode, ctypes.byref(self._sent), ctypes.byref(self._back))
        return self._sent.value, self._back.value

    def read(self):
        """(the centre pixel as 0xRRGGBB, the reading's stamp: the middle of its request and reply)."""
        sent, back = self.grab()
        return self._lib.bench_photodiode_centre_pixel(self._diode), sent + (back - sent) // 2

    def pixels_of_colour(self, rgb):
        """How many pixels of the last reading are exactly this colour."""
        return self._lib.bench_photodiode_pixels_of_colour(self._diode, rgb)

    def close(self):
        if self._diode:
            self._lib.bench_photodiode_close(self._diode)
            self._diode = None
