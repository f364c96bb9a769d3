"""The translations against the sources, as CI runs them: lupdate takes the texts of the sources into copies of
translations/brevane_<code>.ts, then every shipped language must have a finished translation of each text and
none of a text the sources no longer have, and every translation, shipped or not, keeps its source's
placeholders (%1, %L1, %n), its carriage returns and its mnemonic (one & where the source has one, none where it
has none).

usage: check_translations.py LUPDATE SOURCES_LST TS_DIR SHIPPED_CODES (comma-separated) [--status]
  --status: only print each language's count of finished texts (scripts/translations.sh)."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:n|\d+)")
MNEMONIC = re.compile(r"&(?!&)")


def text_of(element):
    """A <source> or <translation>'s text, its <byte value="xd"/> (a carriage return) included."""
    if element is None:
        return ""
    out = element.text or ""
    for child in element:
        if child.tag == "byte":
            out += chr(int(child.get("value")[1:], 16))
        out += child.tail or ""
    return out


def messages(path):
    """(context, source, translation element) of every message."""
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, text_of(message.find("source")), message.find("translation")


def forms(translation):
    numerus = translation.findall("numerusform")
    return [text_of(f) for f in numerus] if numerus else [text_of(translation)]


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def form_faults(source, form, numerus):
    faults = []
    wanted, found = sorted(set(PLACEHOLDER.findall(source))), sorted(set(PLACEHOLDER.findall(form)))
    if numerus:  # a plural form may say its number in words ("one file")
        wanted, found = [p for p in wanted if p != "%n"], [p for p in found if p != "%n"]
    if wanted != found:
        faults.append(f"placeholders {wanted} became {found}")
    if mnemonics(source) != mnemonics(form):
        faults.append(f"{mnemonics(source)} mnemonic(s) became {mnemonics(form)}")
    if source.count("\r") != form.count("\r"):  # the message boxes split title and text there
        faults.append(f"{source.count(chr(13))} carriage return(s) became {form.count(chr(13))}")
    return faults


def check_language(path, shipped):
    """The faults of one refreshed file, and its counts of finished and all texts."""
    faults, finished, total = [], 0, 0
    for context, source, translation in messages(path):
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            if shipped:
                faults.append(f"{context}: {source!r} is no longer in the sources (run scripts/translations.sh)")
            continue
        total += 1
        texts = forms(translation)
        if kind == "unfinished" or not any(texts):
            if shipped:
                faults.append(f"{context}: {source!r} has no finished translation")
            continue
        finished += 1
        for form in texts:
            faults += [f"{context}: {source!r} -> {form!r}: {f}" for f in form_faults(source, form, len(texts) > 1)]
    return faults, finished, total


def main(argv):
    lupdate, sources, ts_dir, shipped = argv[1], argv[2], argv[3], argv[4].split(",")
    status_only = "--status" in argv
    files = sorted(f for f in os.listdir(ts_dir) if re.fullmatch(r"brevane_\w+\.ts", f))
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        copies = [os.path.join(tmp, f) for f in files]
        for f, copy in zip(files, copies):
            shutil.copy(os.path.join(ts_dir, f), copy)
        # The options of the refresh, less -no-obsolete: a text gone from the sources shows as vanished.
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines", "@" + sources, "-ts", *copies],
                       check=True)
        for f, copy in zip(files, copies):
            code = f[len("brevane_"):-len(".ts")]
            faults, finished, total = check_language(copy, code in shipped)
            mark = "shipped" if code in shipped else "in translation"
            print(f"{code}: {finished} of {total} texts translated ({mark})")
            if status_only:
                continue
            for fault in faults:
                print(f"  FAIL {code}: {fault}")
            failed += bool(faults)
    missing = [c for c in shipped if f"brevane_{c}.ts" not in files]
    for code in missing:
        print(f"  FAIL {code}: shipped, but translations/brevane_{code}.ts is missing")
    failed += len(missing)
    if not status_only:
        print(f"{len(files) + len(missing) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
