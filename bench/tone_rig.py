#!/usr/bin/env python3
"""The tone's stamp against what a sound server's null sink played, on a server of its own.

--server pipewire (the default): starts a session bus, `pipewire`, `wireplumber` and
`pipewire-pulse` on a runtime folder of their own (a temporary XDG_RUNTIME_DIR) and adds a null
sink. --server pulseaudio: starts `pulseaudio` itself, with no configuration but its command line
(no autospawn, no user files: a private HOME, XDG_CONFIG_HOME and socket), a null sink as its only
sink and the native protocol on a private socket. Then runs tone_bench in it for each route and
silence and prints tone stamp - first sample (ms): n, mean, SD, worst. Ends every process it
started, by its id.

    bench/tone_rig.py --bench build/bench/tone_bench [--server pulseaudio] [--before OLD_TONE_BENCH]
                      [--tones 10] [--gaps 1,15] [--raw]

--run COMMAND... (after every other option) runs COMMAND inside the rig instead of tone_bench, with
the rig's XDG_RUNTIME_DIR (and PULSE_SERVER), e.g. bench/timing.py --trigger audiovisual.

--before runs a tone_bench built on the code before the sound server routes (its ALSA route
through PipeWire's ALSA plugin; PipeWire only); bench/README.md says how it is built.
"""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from brevane_bench import summary  # noqa: E402


def start(cmd, env, log):
    return subprocess.Popen(cmd, env=env, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)


def measure(bench, route, gap, tones, env, server, raw):
    done = subprocess.run([bench, "--route", route, "--gap", str(gap), "--tones", str(tones), "--server", server],
                          env=env, capture_output=True, text=True, timeout=120 + tones * (gap + 2))
    out = done.stdout
    values = [float(v) for v in re.findall(r"^tone \d+: ([-+0-9.]+) ms", out, re.M)]
    sources = sorted(set(re.findall(r"^tone \d+: [-+0-9.]+ ms (\w+)", out, re.M)))
    missed = len(re.findall(r"not heard", out))
    if raw:
        print(done.stderr + out, end="", file=sys.stderr, flush=True)
    return values, sources, missed


def start_pipewire(env, procs, log):
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


# PulseAudio as a desktop runs it, less the hardware: a null sink at 48 kHz mono as the only (so the
# default) sink, without rewinds so that its monitor hands on every sample as it is rendered
# (tone_bench's recorder relies on that), and the native protocol on a socket of the rig's own.
# -n: no default.pa; no autospawn (the clients connect with PA_CONTEXT_NOAUTOSPAWN, and client.conf
# lives in the private XDG_CONFIG_HOME, which is empty).
def start_pulseaudio(runtime, env, procs, log):
    socket = os.path.join(runtime, "pulse", "native")
    os.makedirs(os.path.dirname(socket), exist_ok=True)
    env["PULSE_SERVER"] = "unix:" + socket
    procs.append(start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                        "--system=no", "--disallow-exit", "--disallow-module-loading", "--log-target=stderr",
                        "--load=module-null-sink sink_name=brevane-null format=s16le rate=48000 channels=1 "
                        "norewinds=1",
                        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket],
                       env, log))
    for _ in range(50):
        if subprocess.run(["pactl", "info"], env=env, capture_output=True, timeout=10).returncode == 0:
            return
        time.sleep(0.2)
    raise RuntimeError("pulseaudio did not start (see %s)" % log.name)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--bench")
    p.add_argument("--before")
    p.add_argument("--tones", type=int, default=10)
    p.add_argument("--gaps", default="1,15")
    p.add_argument("--server", choices=["pipewire", "pulseaudio"], default="pipewire")
    p.add_argument("--label", default="", help="names the rows of --bench's code (e.g. before, after)")
    p.add_argument("--raw", action="store_true", help="tone_bench's line for every tone, on stderr")
    p.add_argument("--run", nargs=argparse.REMAINDER, help="a command to run inside the rig instead")
    args = p.parse_args()
    if not args.bench and not args.run:
        p.error("--bench or --run is needed")
    runtime = tempfile.mkdtemp(prefix="brevane-pw-")
    home = os.path.join(runtime, "home")
    os.makedirs(home)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, PIPEWIRE_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="offscreen",
               DBUS_SESSION_BUS_ADDRESS="unix:path=%s/bus" % runtime, HOME=home,
               XDG_CONFIG_HOME=os.path.join(home, ".config"), PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"))
    for name in ("PULSE_SERVER", "PULSE_COOKIE", "PULSE_SINK", "PULSE_SOURCE", "PULSE_CLIENTCONFIG"):
        env.pop(name, None)
    procs = []
    log = open(os.path.join(runtime, "servers.log"), "w")
    try:
        if args.server == "pulseaudio":
            start_pulseaudio(runtime, env, procs, log)
        else:
            start_pipewire(env, procs, log)
        if args.run:
            sys.exit(subprocess.run(args.run, env=env).returncode)
        runs = [("before", args.before, "alsa")] if args.before and args.server == "pipewire" else []
        if args.server == "pipewire":
            runs.append((args.label or "after", args.bench, "graph"))
        runs.append(((args.label + ", " if args.label else "") + "PulseAudio route", args.bench, "pulse"))
        print("| code | silence before each tone | n | mean | SD | worst | source | not heard |")
        print("|---|---:|---:|---:|---:|---:|---|---:|")
        for name, bench, route in runs:
            for gap in [float(g) for g in args.gaps.split(",")]:
                tones = args.tones if gap < 5 else max(3, args.tones // 2)
                values, sources, missed = measure(bench, route, gap, tones, env, args.server, args.raw)
                s = summary(values)
                if not s:
                    print("| %s | %g s | 0 | | | | | %d |" % (name, gap, missed))
                    continue
                print("| %s | %g s | %d | %+.3f | %.3f | %+.3f | %s | %d |" %
                      (name, gap, s.n, s.mean, s.sd, s.worst, " ".join(sources), missed), flush=True)
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
