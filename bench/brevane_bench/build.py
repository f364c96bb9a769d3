"""The Release build in build/, which every rig measures, and the bench's own targets in it."""

import os
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.join(ROOT, "build")


def build_target(target, quiet=True):
    """Builds one target of build/ (Release), configuring build/ first if it is not."""
    if not os.path.exists(os.path.join(BUILD, "CMakeCache.txt")):
        subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Release"], check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "-j2", "--target", target], check=True,
                   stdout=subprocess.DEVNULL if quiet else None)


def ensure_release_build(program, target="brevane"):
    """Builds `program` (Release) when it is missing."""
    if os.path.exists(program):
        return
    print(f"building {program} (Release) ...", flush=True)
    build_target(target, quiet=False)
