#!/usr/bin/env python3
"""The tone's stamp against what a PipeWire sink played, on a PipeWire of its own.

Starts a session bus, `pipewire`, `wireplumber` and `pipewire-pulse` on a runtime folder of their own (a temporary
XDG_RUNTIME_DIR), adds a null sink (the only sink: the default one), then runs tone_bench in it
for each route and silence and prints tone stamp - first sample (ms): n, mean, SD, worst. Ends
every process it started, by its id.

    bench/tone_rig.py --bench build/bench/tone_bench [--before OLD_TONE_BENCH] [--tones 10]

--before runs a tone_bench built on the code before the sound server routes (its ALSA route
through PipeWire's ALSA plugin); bench/README.md says how it is built.
"""
import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import tempfile
import time


def start(cmd, env, log):
    return subprocess.Popen(cmd, env=env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)


def measure(bench, route, gap, tones, env):
    out = subprocess.run([bench, "--route", route, "--gap", str(gap), "--tones", str(tones)], env=env,
                         capture_output=True, text=True, timeout=120 + tones * (gap + 2)).stdout
    values = [float(v) for v in re.findall(r"^tone \d+: ([-+0-9.]+) ms", out, re.M)]
    sources = sorted(set(re.findall(r"^tone \d+: [-+0-9.]+ ms (\w+)", out, re.M)))
    missed = len(re.findall(r"not heard", out))
    return values, sources, missed


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--bench", required=True)
    p.add_argument("--before")
    p.add_argument("--tones", type=int, default=10)
    p.add_argument("--gaps", default="1,15")
    args = p.parse_args()
    runtime = tempfile.mkdtemp(prefix="brevane-pw-")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, PIPEWIRE_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="offscreen",
               DBUS_SESSION_BUS_ADDRESS="unix:path=%s/bus" % runtime)
    env.pop("PULSE_SERVER", None)
    procs = []
    log = open(os.path.join(runtime, "servers.log"), "w")
    try:
        procs.append(start(["dbus-daemon", "--session", "--nofork", "--address=" + env["DBUS_SESSION_BUS_ADDRESS"]],
                           env, log))
        time.sleep(0.5)
        procs.append(start(["pipewire"], env, log))
        time.sleep(1)
        procs.append(start(["wireplumber"], env, log))
        procs.append(start(["pipewire-pulse"], env, log))
        time.sleep(2)
        subprocess.run(["pw-cli", "create-node", "adapter",
                        "{ factory.name=support.null-audio-sink node.name=brevane-null media.class=Audio/Sink "
                        "object.linger=true audio.position=[MONO] audio.rate=48000 }"],
                       env=env, check=True, capture_output=True, timeout=20)
        time.sleep(1)
        runs = [("before", args.before, "alsa")] if args.before else []
        runs.append(("after", args.bench, "graph"))
        runs.append(("after, PulseAudio route", args.bench, "pulse"))
        print("| code | silence before each tone | n | mean | SD | worst | source | not heard |")
        print("|---|---:|---:|---:|---:|---:|---|---:|")
        for name, bench, route in runs:
            for gap in [float(g) for g in args.gaps.split(",")]:
                tones = args.tones if gap < 5 else max(3, args.tones // 2)
                values, sources, missed = measure(bench, route, gap, tones, env)
                if not values:
                    print("| %s | %g s | 0 | | | | | %d |" % (name, gap, missed))
                    continue
                worst = max(values, key=abs)
                sd = statistics.stdev(values) if len(values) > 1 else 0.0
                print("| %s | %g s | %d | %+.3f | %.3f | %+.3f | %s | %d |" %
                      (name, gap, len(values), statistics.mean(values), sd, worst, " ".join(sources), missed),
                      flush=True)
    finally:
        for proc in reversed(procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait(timeout=5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                os.killpg(proc.pid, signal.SIGKILL)
        log.close()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
