#!/usr/bin/env python3
# Enters a small school (3 grades x 2 classes, 10 teachers, 150 lessons) into a running Kumo on
# an X display by the keyboard alone, through xdotool, and counts the user's actions.
# Setup: ファイル → 新規作成, the teachers in the line header editor (arrows choose the grade,
# subject and homeroom, Tab walks on, the name, Enter appends, Enter answers the question),
# Escape, 表示 → クラス個別. Pieces: by class (the default), each class's week period by period
# in the single class timetable, typing the teacher's number (a number that another may still
# continue, 1 of 1 and 10, ends with Enter) and Enter over an empty period; or --by-teacher,
# each teacher's line in the edit table, typing the class and Right over an empty period.
# A typed teacher or class counts as one action, as a double click in the palette does; the keys
# are counted too.
# Usage: DISPLAY=:83 scripts/hand-count.py [--by-teacher] [--save /tmp/school.kmt]
#        (with --save the timetable is saved there and checked against the plan by the export)
import os, subprocess, sys, time

by_teacher = "--by-teacher" in sys.argv
save = sys.argv[sys.argv.index("--save") + 1] if "--save" in sys.argv else None
D = dict(os.environ)

def xd(*args):
    return subprocess.run(["xdotool", *args], env=D, check=True, capture_output=True,
                          text=True).stdout

def window(name):
    for _ in range(50):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=D,
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    sys.exit("no window " + name)

actions = {"setup": 0, "pieces": 0}
keys = {"setup": 0, "pieces": 0}

def press(phase, *ks, typed=False, pause=0.02):
    # typed: the keys name one thing (a teacher, a class), counted as one action
    for k in ks:
        xd("key", "--delay", "15", k)
        time.sleep(pause)
    keys[phase] += len(ks)
    actions[phase] += 1 if typed else len(ks)

def arrows(phase, frm, to):
    for _ in range(abs(to - frm)):
        press(phase, "Down" if to > frm else "Up")

# (grade, homeroom, subject row in the line editor's list, name)
teachers = [(1,1,1,"A"),(1,2,3,"B"),(2,1,5,"C"),(2,2,2,"D"),(3,1,4,"E"),(3,2,1,"F"),
            (1,0,3,"G"),(2,0,6,"H"),(3,0,5,"I"),(1,0,4,"J")]
# Each class has lessons in periods 1..5 of every day; slot s, class c -> teacher (6s + c) mod 10.
classes = [(1,1),(1,2),(2,1),(2,2),(3,1),(3,2)]
lessons = {}  # (teacher, period) -> class
for s in range(25):
    period = s // 5 * 6 + s % 5 + 1
    for c, cl in enumerate(classes):
        lessons[((6 * s + c) % 10, period)] = cl
assert len(lessons) == 150
by_class = {(cl, p): t for (t, p), cl in lessons.items()}

xd("windowactivate", "--sync", window("^Kumo"))
press("setup", "alt+f", "n")  # ファイル → 新規作成; the line header editor opens on the grade
xd("windowactivate", "--sync", window("行ヘッダ編集"))
time.sleep(0.5)
shown = (0, 0, 0)  # what the fields show: grade, subject, homeroom
for (g, h, subj, name) in teachers:
    arrows("setup", shown[0], g)
    press("setup", "Tab")
    arrows("setup", shown[1], subj)
    press("setup", "Tab")
    arrows("setup", shown[2], h)
    press("setup", "Tab")
    xd("type", name); keys["setup"] += len(name); actions["setup"] += 1
    press("setup", "Return", pause=0.4)  # 追加, and its question
    press("setup", "Return", pause=0.4)  # OK to "１行追加します。よろしいですか"
    shown = (g, subj, h)
press("setup", "Escape", pause=0.4)

if by_teacher:
    xd("windowactivate", "--sync", window("編集テーブル"))
    actions["setup"] += 1  # the click into the edit table
    press("pieces", "ctrl+Home")
    for t in range(10):
        last = max(p for (tt, p) in lessons if tt == t)
        for p in range(1, last + 1):
            if (t, p) in lessons:
                g, c = lessons[(t, p)]
                press("pieces", str(g), str(c), typed=True)
            else:
                press("pieces", "Right")
        if t < 9:
            press("pieces", "Down", "Home")
else:
    press("setup", "alt+v", "d", pause=0.5)  # 表示 → クラス個別, which takes the keyboard
    for k, cl in enumerate(classes):
        press("pieces", "ctrl+Next")  # the next class (from none, the first)
        if k > 0:
            press("pieces", "ctrl+Home")  # its 月１
        last = max(p for (c, p) in by_class if c == cl)
        for p in range(1, last + 1):
            if (cl, p) in by_class:
                line = str(by_class[(cl, p)] + 1)
                # 1 may still become 10: Enter takes line 1, the first of the chooser
                typed = list(line) + (["Return"] if line == "1" else [])
                press("pieces", *typed, typed=True, pause=0.05)
            else:
                press("pieces", "Return")
time.sleep(0.5)

pieces = len(lessons)
print("pieces: %d actions (%d keys) for %d pieces, %.2f a piece" %
      (actions["pieces"], keys["pieces"], pieces, actions["pieces"] / pieces))
print("setup:  %d actions (%d keys) for %d teachers" %
      (actions["setup"], keys["setup"], len(teachers)))
print("total:  %d actions (%d keys)" %
      (actions["pieces"] + actions["setup"], keys["pieces"] + keys["setup"]))

if save:
    # Not counted: saving and checking what went in.
    xd("windowactivate", "--sync", window("^Kumo"))
    xd("key", "ctrl+s"); time.sleep(1)
    xd("key", "ctrl+a"); xd("type", save); xd("key", "Return"); time.sleep(1)
    kumo = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "kumo")
    out = save + ".txt"
    subprocess.run([kumo, "--export", "teachers", save, out], check=True)
    rows = [r.split("\t") for r in open(out, encoding="cp932").read().splitlines()][2:]
    # A lesson shows as the grade and the full-width class digit, "1２".
    found = {(t, p): (int(cell[0]), ord(cell[1]) - ord("０"))
             for t, row in enumerate(rows) for p, cell in enumerate(row[4:34], 1) if cell}
    print("the saved timetable: %d lessons, %s the plan" %
          (len(found), "as" if found == lessons else "NOT as"))
    sys.exit(0 if found == lessons else 1)
