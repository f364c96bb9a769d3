#!/usr/bin/env python3
"""The machine check (brevane --check-machine) on a machine without a sound card: each part's lag as the
program measures it against the known delay a stand-in input put in (bench/README.md, "The machine check").

Starts PipeWire as bench/tone_rig.py does (a null sink, the program's tone goes there) plus a virtual source
"brevane-linein" (what the program records), then for each delay a private Xvfb, build/bench/machine_rig and the
program's machine check. machine_rig plays into the virtual source a light step from the screen's read-back of
the patch, the null sink's monitor looped back and click transients before its own XTest presses, each the
delay after (the clicks: before) what it stands for; the script presses Return through each part, clicks when
the mouse part asks, saves, and reads the kept result. Ends every process it started, by its id.

    bench/machine_rig.py [--program build/src/brevane] [--rig build/bench/machine_rig] [--delays 10,25,40]
"""
import argparse
import json
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from brevane_e2e import Session  # noqa: E402
from brevane_e2e.session import wait_for  # noqa: E402

sys.path.insert(0, os.path.join(ROOT, "bench"))
import tone_rig  # noqa: E402  (its PipeWire rig)


def lines_until(rig, kind, count, timeout):
    """The rig's event lines until `count` of `kind` came (the others kept too)."""
    seen, deadline = [], time.time() + timeout
    while sum(1 for k, *_ in seen if k == kind) < count:
        if time.time() > deadline or not select.select([rig.stdout], [], [], deadline - time.time())[0]:
            raise RuntimeError(f"machine_rig: {kind}: {sum(1 for k, *_ in seen if k == kind)} of {count} in time")
        line = rig.stdout.readline()
        if not line:
            raise RuntimeError("machine_rig ended")
        kind_, event, placed = line.split()
        seen.append((kind_, int(event), int(placed)))
    return seen


def read_result(path):
    lags = {}
    with open(path) as f:
        for line in f:
            if line.startswith("lag: "):
                part, device, trials, measured, mean, sd, worst, *refused = line[5:].rstrip("\n").split("\t")
                lags[part] = (int(trials), int(measured), mean, sd, worst, refused[0] if refused else "")
    return lags


def one_delay(args, delay, pw_env):
    session = Session("bench-machine", accessibility=False)
    rig = None
    try:
        session.start()
        config = session.path("config")
        env = {"PIPEWIRE_RUNTIME_DIR": pw_env["PIPEWIRE_RUNTIME_DIR"], "XDG_CONFIG_HOME": config,
               "NO_AT_BRIDGE": "1"}
        rig_env = {**session.env, **env}
        rig = subprocess.Popen([os.path.abspath(args.rig), "--delay", str(delay)], env=rig_env, text=True,
                               stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=open(session.path("rig.log"), "w"),
                               start_new_session=True)
        wait_for(lambda: subprocess.run(["pw-link", "machine-rig-line:output_MONO", "brevane-linein:input_MONO"],
                                        env=pw_env, capture_output=True, timeout=10).returncode == 0, 20,
                 "the rig's line linked to the virtual source")
        # Only there: into the null sink too it would loop back into itself.
        subprocess.run(["pw-link", "-d", "machine-rig-line:output_MONO", "brevane-null:playback_MONO"], env=pw_env,
                       capture_output=True, timeout=10)
        program = session.launch(os.path.abspath(args.program), session.dir, args=["--check-machine"], env=env)
        wait_for(lambda: session.xdotool("search", "--name", "Brevane Machine Check", check=False), 30,
                 "the machine check's window")
        time.sleep(1.5)
        key = lambda k: session.xdotool("key", k)  # noqa: E731
        events = []
        key("Return")  # the intro: on to the screen's guide
        time.sleep(0.5)
        key("Return")  # Start: 20 flashes
        events += lines_until(rig, "light", 20, 90)
        time.sleep(4)
        key("Return")  # Next part
        time.sleep(0.5)
        key("Return")  # Start: 10 tones
        # The session manager may link the program's tone to the virtual source (it takes playback, as
        # a virtual source does): the tone goes to the null sink, which the rig loops back.
        time.sleep(0.3)
        tone = "brevane:output_MONO"
        subprocess.run(["pw-link", "-d", tone, "brevane-linein:input_MONO"], env=pw_env, capture_output=True, timeout=10)
        subprocess.run(["pw-link", tone, "brevane-null:playback_MONO"], env=pw_env, capture_output=True, timeout=10)
        if os.environ.get("MACHINE_RIG_LINKS"):
            print(subprocess.run(["pw-link", "-l"], env=pw_env, capture_output=True, text=True, timeout=10).stdout,
                  file=sys.stderr)
        events += lines_until(rig, "tone", 10, 60)
        time.sleep(4)
        key("Return")
        time.sleep(0.5)
        key("Return")  # Start: the clicks
        time.sleep(0.5)
        rig.stdin.write("click 20\n")
        rig.stdin.flush()
        events += lines_until(rig, "click", 20, 60)
        time.sleep(4)
        key("Return")  # Finish
        time.sleep(0.5)
        key("alt+v")  # Save the result
        kept = os.path.join(config, "Brevane", "machine-check.txt")
        wait_for(lambda: os.path.exists(kept), 20, "the saved result")
        result = read_result(kept)
        if args.keep:
            shutil.copy(kept, os.path.join(args.keep, f"machine-check-{delay}ms.txt"))
        rig.stdin.write("quit\n")
        rig.stdin.flush()
        rig.wait(timeout=10)
        with open(session.path("rig.log")) as f:
            late = f.read().strip()
        key("Escape")
        program.proc.wait(timeout=20)
        return events, result, late
    except Exception:
        # What the window showed, for a look (kept with BREVANE_E2E_KEEP=1).
        subprocess.run(["import", "-window", "root", session.path("failed.png")], env=session.env, timeout=30)
        raise
    finally:
        if rig and rig.poll() is None:
            os.killpg(rig.pid, signal.SIGTERM)
            rig.wait(timeout=5)
        session.stop()


def known(events, kind):
    return [(placed - event if kind != "click" else event - placed) / 1e6 for k, event, placed in events if k == kind]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--program", default=os.path.join(ROOT, "build", "src", "brevane"))
    p.add_argument("--rig", default=os.path.join(ROOT, "build", "bench", "machine_rig"))
    p.add_argument("--delays", default="15,25,40")
    p.add_argument("--one", type=float, help=argparse.SUPPRESS)  # one delay, in a process of its own
    p.add_argument("--keep", help="a folder to copy each saved result into")
    args = p.parse_args()
    if args.one is not None:
        # A delay's session ends every process below this one: PipeWire lives in the parent.
        pw_env = dict(os.environ)
        events, result, late = one_delay(args, args.one, pw_env)
        print(json.dumps({"events": events, "result": result, "late": late}))
        return
    runtime = tempfile.mkdtemp(prefix="brevane-pw-")
    home = os.path.join(runtime, "home")
    os.makedirs(home)
    pw_env = dict(os.environ, XDG_RUNTIME_DIR=runtime, PIPEWIRE_RUNTIME_DIR=runtime,
                  DBUS_SESSION_BUS_ADDRESS="unix:path=%s/bus" % runtime, HOME=home,
                  XDG_CONFIG_HOME=os.path.join(home, ".config"))
    procs, log = [], open(os.path.join(runtime, "servers.log"), "w")
    print("load average before: " + open("/proc/loadavg").read().strip(), flush=True)
    try:
        tone_rig.start_pipewire(pw_env, procs, log)
        subprocess.run(["pw-cli", "create-node", "adapter",
                        "{ factory.name=support.null-audio-sink node.name=brevane-linein media.class=Audio/Source/Virtual "
                        "object.linger=true audio.position=[MONO] audio.rate=48000 }"],
                       env=pw_env, check=True, capture_output=True, timeout=20)
        time.sleep(1)
        print("| added delay (ms) | part | known delay: mean | measured: trials | mean | SD | worst | refused |")
        print("|---:|---|---:|---:|---:|---:|---:|---|")
        for delay in [float(d) for d in args.delays.split(",")]:
            argv = [sys.executable, os.path.abspath(__file__), "--one", str(delay), "--program", args.program,
                    "--rig", args.rig] + (["--keep", args.keep] if args.keep else [])
            done = subprocess.run(argv, env=pw_env, capture_output=True, text=True, timeout=600)
            if done.returncode != 0:
                print(f"| {delay:g} | (failed) | | | | | | {done.stderr.strip().splitlines()[-1:]} |", flush=True)
                continue
            one = json.loads(done.stdout.strip().splitlines()[-1])
            events, result, late = [tuple(e) for e in one["events"]], one["result"], one["late"]
            for part, kind in (("screen", "light"), ("sound", "tone"), ("mouse", "click")):
                k = known(events, kind)
                trials, measured, mean, sd, worst, refused = result.get(part, (0, 0, "", "", "", "not run"))
                print(f"| {delay:g} | {part} | {statistics.mean(k):+.3f} | {measured} of {trials} | {mean} | {sd} | "
                      f"{worst} | {refused} |", flush=True)
            print(f"<!-- {late}; load average {open('/proc/loadavg').read().strip()} -->", flush=True)
    finally:
        for proc in reversed(procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait(timeout=5)
            except ProcessLookupError:
                pass
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
        log.close()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
