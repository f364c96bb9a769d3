"""Students who hand in for each other, as real users made here (users and groups need root: without it the test
says why and passes over itself). In a hand-in folder of the guide's first recipe (one group folder, 3773), mallory
makes bob/ and a link carol before their first save: Bob's and Carol's hand-ins are refused with the notice while
their own saves stand. mallory hands in a bob-named file in her own folder, puts one in the bob/ she made, and a
link and a FIFO in hers; the class summary counts only what each owner handed in and names the rest, and once the
teacher has removed what mallory made, everything. Then --check-share on the guide's two recipes, as made and each
way wrong. Every student saves through the program's own save and hand-in (handin_student).
Usage: test_owners.py <handin_student binary> <brevane-summary binary>"""

import csv
import os
import pwd
import shutil
import subprocess
import sys
import tempfile

TAG = str(os.getpid() % 100000)  # two runs at once make users of their own
TEACHERS, STUDENTS = "teach" + TAG, "stud" + TAG
BOB, CAROL, MALLORY, DAVE = (name + TAG for name in ("bob", "carol", "mallory", "dave"))
failures = []


def check(condition, message):
    print(("ok   " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


def run(*argv, user=None, check_status=True):
    if user:
        argv = ("setpriv", f"--reuid={user}", f"--regid={STUDENTS}", "--init-groups", *argv)
    done = subprocess.run(argv, capture_output=True, text=True, timeout=120)
    if check_status and done.returncode != 0:
        raise RuntimeError(f"{' '.join(argv)}: status {done.returncode}\n{done.stdout}{done.stderr}")
    return done


class Lab:
    def __init__(self, student, summary, root):
        self.student, self.summary, self.root = student, summary, root
        self.share, self.local = os.path.join(root, "share"), os.path.join(root, "local")

    def save(self, user, name, ms):
        """A student's Save: the local file, then what the student is told."""
        local = os.path.join(self.local, user, name)
        said = run(self.student, self.share, local, str(ms), user=user).stdout.splitlines()
        owned = os.path.isfile(local) and os.stat(local).st_uid == pwd.getpwnam(user).pw_uid
        return owned and said[:1] == ["saved"], said[1:]

    def summarise(self, share):
        out = os.path.join(self.root, "out")
        done = run(self.summary, "-o", out, share, check_status=False)
        with open(os.path.join(out, "students.csv"), newline="") as f:
            students = {row["student"]: row["checked_owner"] for row in csv.DictReader(f)}
        skipped = sorted(line.split("skipped ", 1)[1] for line in done.stderr.splitlines() if "skipped " in line)
        return done.returncode, students, skipped

    def check_share(self, share):
        done = run(self.summary, "--check-share", share, check_status=False)
        return done.returncode, done.stderr


def mallory_gets_there_first(lab):
    run("install", "-d", "-o", "root", "-g", TEACHERS, "-m", "3773", lab.share)
    drop = os.path.join(lab.root, "drop")  # a folder of mallory's that anyone may write in
    run("install", "-d", "-o", MALLORY, "-m", "0777", drop)
    run("mkdir", os.path.join(lab.share, BOB), user=MALLORY)
    run("ln", "-s", drop, os.path.join(lab.share, CAROL), user=MALLORY)

    for user, why in ((BOB, f"the folder {BOB} in the hand-in folder belongs to another user"),
                      (CAROL, f"the folder {CAROL} in the hand-in folder is a link, not a folder")):
        saved, said = lab.save(user, user + ".nrm", 250)
        check(saved, f"{user}'s own save stands")
        check(len(said) == 1 and why in said[0] and lab.share in said[0], f"{user} is told {said}")
    check(os.listdir(os.path.join(lab.share, BOB)) == [] and os.listdir(drop) == [],
          "nothing of theirs reached mallory's folders")


def mallory_hands_in_bob_named_files(lab):
    saved, said = lab.save(MALLORY, BOB + ".nrm", 300)
    check(saved and said == [], f"mallory's bob-named file saved and handed in without a word ({said})")
    mine = os.path.join(lab.share, MALLORY)
    run("cp", os.path.join(lab.local, MALLORY, BOB + ".nrm"), os.path.join(lab.share, BOB), user=MALLORY)
    run("mkfifo", os.path.join(mine, "pipe.nrm"), user=MALLORY)
    secret = os.path.join(lab.root, "teacher.nrm")  # a file the teacher may read and mallory may not
    shutil.copy(os.path.join(lab.local, MALLORY, BOB + ".nrm"), secret)
    os.chmod(secret, 0o600)
    run("ln", "-s", secret, os.path.join(mine, "x.nrm"), user=MALLORY)
    saved, said = lab.save(DAVE, DAVE + ".nrm", 200)
    check(saved and said == [], f"dave's file saved and handed in ({said})")


def the_summary_counts_what_each_owner_handed_in(lab):
    status, students, skipped = lab.summarise(lab.share)
    s = lab.share
    check(students == {DAVE: DAVE, MALLORY: MALLORY}, f"students.csv holds {students}")
    check(skipped == sorted([f"{s}/{BOB}: the folder belongs to user {MALLORY}, not {BOB}; its files are left out",
                             f"{s}/{BOB}/{BOB}.nrm: handed in by user {MALLORY}, not {BOB}",
                             f"{s}/{CAROL}: a link, not followed in a hand-in folder",
                             f"{s}/{MALLORY}/pipe.nrm: a named pipe (FIFO), not read",
                             f"{s}/{MALLORY}/x.nrm: a link, not followed in a hand-in folder"]),
          "the rest is named: " + "; ".join(skipped))
    check(status == 3, f"the summary's exit status is {status}")
    status, said = lab.check_share(lab.share)
    check(status == 1 and f"{s}/{BOB} belongs to user {MALLORY}, not {BOB}" in said and f"{s}/{CAROL} is a link" in said,
          f"--check-share finds mallory's folder and link (status {status}):\n{said}")


def once_the_teacher_removes_them_everything_counts(lab):
    for name in (BOB, CAROL, os.path.join(MALLORY, "pipe.nrm"), os.path.join(MALLORY, "x.nrm")):
        run("rm", "-r", os.path.join(lab.share, name))
    status, said = lab.check_share(lab.share)
    check(status == 0 and "first recipe" in said and "2 students' folders, all as the recipe has them" in said,
          f"--check-share passes the first recipe (status {status}):\n{said}")
    status, students, skipped = lab.summarise(lab.share)
    check(status == 0 and students == {DAVE: DAVE, MALLORY: MALLORY} and not skipped,
          f"then everything counts: {students}, {skipped}")


def the_guides_recipes_right_and_wrong(lab):
    second = os.path.join(lab.root, "share2")
    run("install", "-d", "-o", "root", "-g", TEACHERS, "-m", "0751", second)
    run("install", "-d", "-o", DAVE, "-g", TEACHERS, "-m", "0750", os.path.join(second, DAVE))
    status, said = lab.check_share(second)
    check(status == 0 and "second recipe" in said, f"the second recipe as the guide makes it (status {status}):\n{said}")
    dave = os.path.join(second, DAVE)
    wrong = [  # what is changed, what --check-share says, how it is put back
        (["chmod", "0755", second], "every user may list", ["chmod", "0751", second]),
        (["chmod", "2773", lab.share], "without the sticky bit", ["chmod", "3773", lab.share]),
        (["chmod", "g-s", lab.share], "without the setgid bit", ["chmod", "3773", lab.share]),
        (["chmod", "0755", dave], f"every user may read {DAVE}'s files", ["chmod", "0750", dave]),
        (["chgrp", STUDENTS, dave], f"has the group {STUDENTS}, not {TEACHERS}", ["chgrp", TEACHERS, dave]),
        (["chown", DAVE, second], f"belongs to user {DAVE}, not root", ["chown", "root", second]),
        (["gpasswd", "-a", DAVE, TEACHERS], f"{DAVE} is in the group {TEACHERS}", ["gpasswd", "-d", DAVE, TEACHERS]),
    ]
    for change, words, back in wrong:
        share = lab.share if lab.share in change else second
        run(*change)
        status, said = lab.check_share(share)
        run(*back)
        check(status == 1 and words in said, f"{' '.join(change)}: --check-share says {words!r} (status {status})")


def main(student, summary):
    if os.geteuid() != 0:
        print("skipped: the test makes users and groups of its own, which needs root")
        return 0
    root = tempfile.mkdtemp(prefix="brevane-owners-")
    os.chmod(root, 0o755)
    made = []
    try:
        for group in (TEACHERS, STUDENTS):
            run("groupadd", group)
            made.append(("groupdel", group))
        for user in (BOB, CAROL, MALLORY, DAVE):
            run("useradd", "--no-create-home", "--no-user-group", "--gid", STUDENTS, "--shell", "/usr/sbin/nologin",
                user)
            made.append(("userdel", user))
            run("install", "-d", "-o", user, "-m", "0700", os.path.join(root, "local", user))
        lab = Lab(student, summary, root)
        for step in (mallory_gets_there_first, mallory_hands_in_bob_named_files,
                     the_summary_counts_what_each_owner_handed_in, once_the_teacher_removes_them_everything_counts,
                     the_guides_recipes_right_and_wrong):
            print(f"--- {step.__name__.replace('_', ' ')}")
            step(lab)
    finally:
        for command in reversed(made):
            subprocess.run(command, capture_output=True, timeout=60)
        shutil.rmtree(root, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(f"usage: {os.path.basename(sys.argv[0])} <handin_student binary> <brevane-summary binary>")
    sys.exit(main(sys.argv[1], sys.argv[2]))
