#!/usr/bin/env python3
# Enters a small school (3 grades x 2 classes, 10 teachers, 150 lessons) into a running Kumo on
# an X display, through xdotool, and counts the user's actions. The teacher lines go in through
# the line header editor by mouse (its place as a new start under openbox at 1366x768 leaves
# it); the lessons go in by typing classes into the edit table. A typed class (grade digit,
# class digit) counts as one action, as a double click in the palette does.
# Usage: DISPLAY=:77 scripts/hand-count.py MAIN_WINDOW LINE_EDITOR_WINDOW EDIT_TABLE_WINDOW
#        (window ids from `xdotool search --onlyvisible --name .`)
import subprocess, sys, time
import os
D = dict(os.environ)
def xd(*args):
    subprocess.run(["xdotool", *args], env=D, check=True)
actions = {"setup": 0, "pieces": 0}
keys = {"setup": 0, "pieces": 0}
def press(phase, *ks, typed=False):
    # typed: the keys make one entry (a class, a name), counted as one action
    for k in ks:
        xd("key", "--delay", "15", k)
        time.sleep(0.02)
    keys[phase] += len(ks)
    actions[phase] += 1 if typed else len(ks)

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

win = sys.argv[1:]  # main window, line editor, edit table ids
main_w, lh_w, edit_w = win
xd("windowactivate", "--sync", main_w)
press("setup", "alt+f", "n")  # ファイル → 新規作成; the line header editor opens
time.sleep(1)
def click(x, y):
    xd("mousemove", str(x), str(y), "click", "1")
    time.sleep(0.15)
    actions["setup"] += 1
# The line header editor by the mouse: grade, subject, homeroom, name, 追加, OK.
for (g, h, subj, name) in teachers:
    click(548, 335 + 19 * g)
    click(640, 322 + 14 * subj)
    click(710, 322 + 14 * h)
    click(625, 428)
    press("setup", "ctrl+a")
    xd("type", name); keys["setup"] += len(name); actions["setup"] += 1
    click(797, 311)
    time.sleep(0.4)
    press("setup", "Return")  # OK to "１行追加します。よろしいですか"
    time.sleep(0.4)
xd("windowactivate", "--sync", edit_w)   # the user clicks into the edit table
actions["setup"] += 1; keys["setup"] += 0
time.sleep(0.5)
press("pieces", "ctrl+Home")
for t in range(10):
    last = max(p for (tt, p) in lessons if tt == t)
    p = 1
    while p <= last:
        if (t, p) in lessons:
            g, c = lessons[(t, p)]
            press("pieces", str(g), str(c), typed=True)
        else:
            press("pieces", "Right")
        p += 1
    if t < 9:
        press("pieces", "Down", "Home")
time.sleep(0.5)
print(actions, keys)
