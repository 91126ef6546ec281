#!/usr/bin/python3
"""A blind pupil's session, checked through the accessibility bus and the
screen reader's own log.

Starts Orca (speech off, every sentence it would say written to its log)
and the program; opens every simulator from the menu with the keyboard and
checks what a screen reader sees there; does the Archimedes, Torricelli and
Pascal exercises with the keyboard and assistive actions only, waiting for
each announcement as an event; and at the end checks that Orca said every
control reached, every result, the warning, the judgement and how each
animation ended.

    walk.py PROGRAM WORKDIR
"""

import json
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, WORK = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(predicate, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        if predicate():
            return True
        pump(0.05)
    return predicate()


# ---- the screen reader --------------------------------------------------

prefs = os.path.join(WORK, "orca")
os.makedirs(prefs)
with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
    # No speech server: Orca still writes each sentence to its debug log.
    json.dump({"general": {"enableSpeech": False, "profile": ["Default", "default"]},
               "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": False}},
               "keybindings": {}, "pronunciations": {}}, f)
orca_log = os.path.join(WORK, "orca.log")
orca = subprocess.Popen(["orca", "--debug-file=" + orca_log, "-u", prefs],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def orca_started():
    try:
        with open(orca_log, encoding="utf-8", errors="replace") as f:
            return "Starting ATSPI registry" in f.read()
    except OSError:
        return False


if not wait_for(orca_started, 30):
    print("FAIL: Orca did not start", flush=True)
    sys.exit(1)

# ---- the program --------------------------------------------------------

notifications = []


def on_showing(event):
    try:
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            notifications.append(event.source.name)
    except Exception:  # an object gone meanwhile
        pass


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
program_log = open(os.path.join(WORK, "program.log"), "w")
app_process = subprocess.Popen([PROGRAM], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                               stdout=program_log, stderr=subprocess.STDOUT)


def on_exception(kind, value, trace):
    """An error of the walk itself: what the program was doing then, and no
    process left behind."""
    sys.__excepthook__(kind, value, trace)
    print("The program's status: %r" % app_process.poll(), flush=True)
    program_log.flush()
    with open(os.path.join(WORK, "program.log"), encoding="utf-8", errors="replace") as f:
        print("The program wrote:\n" + f.read()[-4000:], flush=True)
    for process in (app_process, orca):
        process.kill()


sys.excepthook = on_exception


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "ondarell":
            return app
    return None


def window(caption):
    app = application()
    if app is None:
        return None
    for child in app:
        if child is not None and child.name == caption and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


# The keyboard: xdotool on X11; on Wayland a virtual keyboard's, through
# the compositor, with keys named as xdotool names them ("alt+s").
WAYLAND = bool(os.environ.get("WAYLAND_DISPLAY"))


def wtype(*args):
    subprocess.run(["wtype", "-s", "50", *args], check=True)


def chord(keys):
    """For keys such as "alt+s": wtype's arguments that press the modifiers,
    the key itself, and those that release the modifiers."""
    *modifiers, last = keys.split("+")
    down = [a for m in modifiers for a in ("-M", m)]
    up = [a for m in reversed(modifiers) for a in ("-m", m)]
    return down, last, up


def key(*keys):
    if WAYLAND:
        for k in keys:
            down, last, up = chord(k)
            wtype(*down, "-k", last, *up, "-s", "80")
    else:
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)
    pump(0.3)


def hold(keys, seconds):
    """Holds keys down as a pupil does: the window system repeats them
    meanwhile."""
    if WAYLAND:
        down, last, up = chord(keys)
        wtype(*down, "-P", last, "-s", str(int(seconds * 1000)), "-p", last, *up)
        return
    subprocess.run(["xdotool", "keydown", keys], check=True)
    pump(seconds)
    subprocess.run(["xdotool", "keyup", keys], check=True)


def activate_menu():
    """Gives the menu the keyboard; on Wayland the compositor gives it to the
    window just shown."""
    if not WAYLAND:
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Ondarell$", "windowactivate", "--sync"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def quiet(seconds, what):
    """Nothing more is announced for a while: a second press of a button
    held down would say how its animation ended."""
    notifications.clear()
    pump(seconds)
    check(not notifications, "%s: then %r" % (what, notifications))


def type_text(text):
    if WAYLAND:
        wtype("-d", "80", text)
    else:
        subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
    pump(0.3)


def nodes(root):
    yield root
    for child in root:
        if child is not None:
            yield from nodes(child)


def named(root, role, name):
    for node in nodes(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def focused(root):
    for node in nodes(root):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def relations(node):
    found = {}
    for relation in node.getRelationSet():
        found.setdefault(relation.getRelationType(), []).extend(
            relation.getTarget(i) for i in range(relation.getNTargets()))
    return found


# What a Catalan voice would misread: a number with a decimal point or a
# leading point ("4.244" is heard as four thousand, ".2182219" as two
# million), a unit's symbol after a number, spelt out letter by letter, and
# a comparison sign, which it keeps silent ("E > F" is heard "E F").
MISHEARD = re.compile(r"\d\.\d|(?<![\w.])\.\d| [<>] |"
                      r"\d\s*(?:m|mm|m/s|m/seg|s|seg|kg/dm3|l/min|litres/min|MPascals|Pa|Newtons|N)(?![\w/])")


def misheard(text):
    found = MISHEARD.search(text)
    return found.group(0) if found else ""


def announced(text, seconds=30):
    """Waits for a notification that contains text, and consumes it."""
    def seen():
        return any(text in n for n in notifications)
    ok = wait_for(seen, seconds)
    check(ok, "no announcement containing %r (heard: %r)" % (text, notifications))
    notifications.clear()
    return ok


def open_form(access_key, caption):
    key("alt+" + access_key)
    ok = wait_for(lambda: window(caption) is not None)
    check(ok, "Alt+%s did not open %r" % (access_key.upper(), caption))
    pump(0.5)
    return window(caption)


def back_to_menu(caption):
    key("alt+s")
    check(wait_for(lambda: window("Ondarell") is not None), "Sortir did not bring back the menu from %r" % caption)
    pump(0.5)


def press(root, name):
    button = named(root, pyatspi.ROLE_PUSH_BUTTON, name)
    check(button is not None, "no button %r" % name)
    if button is not None:
        button.queryAction().doAction(0)
        pump(0.3)


def press_answered_first(root, name, ending):
    """Presses a button that animates: the action answers at once, so when
    it returns the animation has not yet ended and said so."""
    button = named(root, pyatspi.ROLE_PUSH_BUTTON, name)
    check(button is not None, "no button %r" % name)
    if button is None:
        return
    started = time.monotonic()
    try:
        button.queryAction().doAction(0)
    except GLib.Error as error:  # no answer while the handler ran
        check(False, "%r did not answer: %s" % (name, error.message))
    took = time.monotonic() - started
    said = [n.name for n in nodes(root) if n.getRole() == pyatspi.ROLE_NOTIFICATION]
    check(not any(ending in n for n in said), "%r answered once its animation had ended, after %.2f s" % (name, took))
    print("%r answered in %.3f s" % (name, took), flush=True)
    announced(ending)


spoken_controls = []  # names Orca must have said when they got the focus


def tab_through(frame):
    """Tabs once round the form, noting every control that takes the focus."""
    seen = []
    for _ in range(40):
        now = focused(frame)
        if now is None:
            break
        if seen and now.name == seen[0]:
            break
        seen.append(now.name)
        key("Tab")
    check(len(seen) > 3, "%r: Tab reached only %r" % (frame.name, seen))
    spoken_controls.extend(seen)
    return seen


# ---- what a screen reader sees in every form ----------------------------

RESULTS = {"Principi d'Arquímedes": 0, "Teorema de Torricelli": 3, "Equació de continuïtat": 3,
           "Principi de Pascal": 1, "Efecte Venturi": 4}


def caption_stem(caption):
    """What a result's sentence starts with: its caption, without the colon,
    and without the verb of a caption that has one ("El valor del cabal és:"
    reads "El valor del cabal és 250 litres/min" and, before a calculation,
    "El valor del cabal: sense calcular")."""
    stem = caption.rstrip(": ")
    return stem[:-len(" és")] if stem.endswith(" és") else stem + ": "


def check_tree(frame):
    caption = frame.name
    check(frame.getRole() == pyatspi.ROLE_FRAME, "%r is a %s, not a frame" % (caption, frame.getRoleName()))
    check(frame.description.endswith("."), "%r has no sentence of description" % caption)
    results = 0
    for node in nodes(frame):
        if node is frame:
            continue
        role, states = node.getRole(), node.getState()
        where = "%r: %s %r" % (caption, node.getRoleName(), node.name)
        if role != pyatspi.ROLE_FILLER:
            check(node.name.strip() != "", "%r: an unnamed %s in the tree" % (caption, node.getRoleName()))
        # A formula is read in words ("per", "al quadrat", "metres per segon"):
        # speech reads dots, powers and units' symbols unevenly.
        # (The "l·l" of "mil·límetres" is a letter of Catalan's.)
        check(re.search("[·⁰¹²³⁴⁵⁶⁷⁸⁹−]", node.name.replace("l·l", "ll")) is None,
              where + " reads a formula's symbols")
        check(not misheard(node.name), where + " reads %r" % misheard(node.name))
        check(role != pyatspi.ROLE_FRAME, where + " is a frame inside a window")
        if states.contains(pyatspi.STATE_FOCUSABLE):
            check(role not in (pyatspi.ROLE_FILLER, pyatspi.ROLE_UNKNOWN), where + " has no role")
            check(len(states.getStates()) > 1, where + " has no state")
        linked = relations(node)
        if role == pyatspi.ROLE_LABEL and pyatspi.RELATION_LABELLED_BY in linked:
            results += 1
            labels = linked[pyatspi.RELATION_LABELLED_BY]
            check(any(node.name.startswith(caption_stem(label.name)) for label in labels),
                  where + " does not read with its caption")
            for label in labels:
                check(node in relations(label).get(pyatspi.RELATION_LABEL_FOR, []),
                      where + ": %r is not its label" % label.name)
        if role == pyatspi.ROLE_SCROLL_BAR:
            shown = linked.get(pyatspi.RELATION_CONTROLLER_FOR, [])
            check(len(shown) == 1 and shown[0].name.strip() in node.name, where + " does not say its value label")
            try:
                value = node.queryValue()
            except NotImplementedError:  # a bar of tenths: its value label says it
                continue
            check(value.minimumValue <= value.currentValue <= value.maximumValue, where + ": value out of range")
    check(results == RESULTS[caption], "%r: %d results with their captions, not %d" %
          (caption, results, RESULTS[caption]))


def result(frame, start):
    for node in nodes(frame):
        if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(start) and \
                pyatspi.RELATION_LABELLED_BY in relations(node):
            return node.name
    return ""


check(wait_for(lambda: window("Ondarell") is not None, 30), "the menu did not appear")
activate_menu()
pump(1)
menu = window("Ondarell")
if menu is None:
    print("FAIL: no menu window on the accessibility bus", flush=True)
    sys.exit(1)
check(menu.getRole() == pyatspi.ROLE_FRAME and menu.description, "the menu is not a described frame")

# ---- F1: the help, a frame named by its title, its heading heard ----------

HELP = "Ajuda d'Ondarell: Ondarell"
activate_menu()
key("F1")
check(wait_for(lambda: window(HELP) is not None), "F1 on the menu did not open %r" % HELP)
helpframe = window(HELP)
if helpframe is not None:
    check(helpframe.getRole() == pyatspi.ROLE_FRAME, "the help is not a frame")
    check(wait_for(lambda: focused(helpframe) is not None, 5), "the help's content has no focus")
    heading = focused(helpframe)
    check(heading is not None and heading.getRole() == pyatspi.ROLE_HEADING and heading.name == "Ondarell",
          "the help's focus is not on its heading: %r" % ((heading.getRoleName(), heading.name) if heading else None,))
    check(named(helpframe, pyatspi.ROLE_TABLE, "Tecles del programa") is not None, "the help has no table of keys")
    check(named(helpframe, pyatspi.ROLE_LINK, "Teorema de Torricelli") is not None, "the help has no links")
    pump(2)  # Orca says the window, then its heading
    key("Down")
    pump(0.5)
    key("Escape")
    check(wait_for(lambda: window(HELP) is None), "Escape did not close the help")
activate_menu()
pump(0.5)

for access_key, caption in (("a", "Principi d'Arquímedes"), ("t", "Teorema de Torricelli"),
                            ("e", "Equació de continuïtat"), ("p", "Principi de Pascal"),
                            ("v", "Efecte Venturi")):
    frame = open_form(access_key, caption)
    if frame is not None:
        check_tree(frame)
        spoken_controls.append(focused(frame).name if focused(frame) else "")
    back_to_menu(caption)

# ---- Archimedes: fill, answer, move -------------------------------------

frame = open_form("a", "Principi d'Arquímedes")
if frame is not None:
    tab_through(frame)
    height = named(frame, pyatspi.ROLE_SCROLL_BAR, "Altura producte afegit: 0 metres")
    density = named(frame, pyatspi.ROLE_SCROLL_BAR, "Densitat: 0 quilograms per decímetre cúbic")
    check(height is not None and density is not None, "Archimedes: the bars do not say their values")
    if height is not None and density is not None:
        check(height.queryValue().maximumValue == 10, "the height bar does not go to 10 metres")
        height.queryComponent().grabFocus()
        pump(0.3)
        key(*["Right"] * 5)
        # A bar of tenths has its value label said as the pupil moves it.
        density.queryComponent().grabFocus()
        pump(0.3)
        key(*["Right"] * 15)
        announced("1,5 quilograms per decímetre cúbic")
        check(density.name == "Densitat: 1,5 quilograms per decímetre cúbic", "the density bar says %r" % density.name)
    key("alt+o")
    announced("Recipient omplert fins a 5 metres amb un producte de densitat 1,5 quilograms per decímetre cúbic")
    option = named(frame, pyatspi.ROLE_RADIO_BUTTON, "E més petit que F, baixa")
    check(option is not None, "no option 'E més petit que F, baixa'")
    if option is not None:
        option.queryAction().doAction(0)
        announced("T'HAS EQUIVOCAT")
    press_answered_first(frame, "Iniciar Moviment", "El recipient ha pujat fins a la superfície")
    back_to_menu("Principi d'Arquímedes")

# ---- Torricelli: a refused height, then fill and empty --------------------

frame = open_form("t", "Teorema de Torricelli")
if frame is not None:
    tab_through(frame)
    named(frame, pyatspi.ROLE_TEXT, "Altura del líquid en metres").queryComponent().grabFocus()
    pump(0.3)
    type_text("12")
    key("Return")
    type_text("1")
    key("Return")
    key("Return")  # "&Omplir" has the focus now
    announced("L'altura del líquid ha de ser inferior 10 metres")
    press(frame, "Esborrar")
    type_text("5")
    key("Return")
    type_text("1")
    key("Return")
    key("Return")
    announced("Dipòsit ple fins a 5 metres")
    drawing = [n for n in nodes(frame) if n.getRole() == pyatspi.ROLE_IMAGE and n.name.startswith("Dipòsit ple")]
    check(len(drawing) == 1, "the drawing is not one graphic named by what it shows")
    key("Return")  # "&Buidar" has the focus now
    announced("El dipòsit s'ha buidat fins a l'altura del forat, 1 metre")
    check(result(frame, "Velocitat màxima de sortida del líquid") ==
          "Velocitat màxima de sortida del líquid: 8,85 metres per segon", "the speed reads %r" %
          result(frame, "Velocitat màxima de sortida del líquid"))
    # Held down while Orca listens, a key presses once: Enter on "&Omplir"
    # fills the tank and presses neither "&Buidar" nor "&Esborrar" after it
    # (an emptying lasts some 3 s), and Alt+S held brings back the menu and
    # does not end the program from there.
    key("Return")  # "&Esborrar"
    type_text("5")
    key("Return")
    type_text("1")
    key("Return")
    hold("Return", 1)
    announced("Dipòsit ple fins a 5 metres")
    quiet(5, "Enter held on Omplir")
    hold("alt+s", 2)
    check(wait_for(lambda: window("Ondarell") is not None), "Alt+S held did not bring back the menu")
    pump(1)
    check(window("Teorema de Torricelli") is None and app_process.poll() is None,
          "Alt+S held: Torricelli still shown, or the program ended")
    activate_menu()

# ---- Pascal: the pressure after "&Calcular" -------------------------------

frame = open_form("p", "Principi de Pascal")
if frame is not None:
    key("alt+c")
    announced("Pressió: 0,1273885 megapascals")
    check(result(frame, "Pressió") == "Pressió: 0,1273885 megapascals", "the pressure reads %r" %
          result(frame, "Pressió"))
    key("alt+i")
    announced("L'èmbol 1 ha baixat i l'èmbol 2 ha pujat")
    # The teacher's slow motion: each step said once, F5 held or not; at a
    # quarter of its pace the stroke takes four times its 1.6 s.
    key("F5")
    announced("Animacions a la meitat de la velocitat")
    hold("F5", 1)
    announced("Animacions a un quart de la velocitat")
    quiet(3, "F5 held")
    started = time.monotonic()
    key("alt+i")
    announced("L'èmbol 1 ha baixat i l'èmbol 2 ha pujat")
    took = time.monotonic() - started
    check(took > 5.5, "the stroke at a quarter of its pace took %.1f s" % took)
    key("F5")
    announced("Animacions a velocitat normal")
    # The high-contrast profile, F7 held or not: switched once, said once.
    hold("F7", 1)
    announced("Contrast alt activat")
    quiet(3, "F7 held")
    key("F7")
    announced("Contrast alt desactivat")
    back_to_menu("Principi de Pascal")

# ---- continuity and Venturi: their results, heard ------------------------


def set_bars(frame, values):
    """Gives scroll bars their values as an assistive tool does."""
    for name, value in values:
        bar = named(frame, pyatspi.ROLE_SCROLL_BAR, name)
        check(bar is not None, "no scroll bar %r" % name)
        if bar is not None:
            bar.queryValue().currentValue = value
            pump(0.2)


frame = open_form("e", "Equació de continuïtat")
if frame is not None:
    set_bars(frame, [("Diàmetre 1: 0 mil·límetres", 20), ("Diàmetre 2: 0 mil·límetres", 40),
                     ("Diàmetre 3: 0 mil·límetres", 200), ("Cabal: 0 litres per minut", 50)])
    key("alt+c")
    announced("Velocitat 1: 2,652 metres per segon. Velocitat 2: 0,663 metres per segon. "
              "Velocitat 3: 0,026 metres per segon")
    back_to_menu("Equació de continuïtat")

frame = open_form("v", "Efecte Venturi")
if frame is not None:
    set_bars(frame, [("Cabal igual a 0 litres per minut", 500)])
    key("alt+c")
    announced("El valor del cabal és 500 litres per minut. Velocitat fluid en la canonada 1: 0,265 metres per "
              "segon. Velocitat fluid en la canonada 2: 4,244 metres per segon. Diferència de pressions: 915 "
              "mil·límetres")
    key("alt+i")
    announced("El manòmetre marca una diferència de pressions de 915 mil·límetres de columna d'aigua")
    back_to_menu("Efecte Venturi")

# ---- the end, and what Orca said -----------------------------------------


def question_active():
    """The question is up and has the keyboard (a compositor gives it some
    time after it shows)."""
    asked = question()
    return asked is not None and asked.getState().contains(pyatspi.STATE_ACTIVE)


def question():
    """The question on quitting with measurements not yet saved, if it is up."""
    app = application()
    for child in app or []:
        if child is not None and child.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) and \
                child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


# The measurements of every exercise are not saved: Sortir asks first;
# Escape goes on with the program, "No les desis" ends it.
key("alt+s")
check(wait_for(question_active), "Sortir did not ask about the measurements not yet saved")
key("Escape")
check(wait_for(lambda: question() is None) and app_process.poll() is None and window("Ondarell") is not None,
      "Escape on the question did not go on with the program")
activate_menu()
key("alt+s")
check(wait_for(question_active), "Sortir did not ask again")
key("alt+n")
check(wait_for(lambda: app_process.poll() is not None, 20), "Sortir on the menu did not end the program")
check(app_process.returncode == 0, "the program ended with status %r" % app_process.returncode)
pump(1)
orca.terminate()
try:
    orca.wait(20)
except subprocess.TimeoutExpired:
    orca.kill()
with open(orca_log, encoding="utf-8", errors="replace") as f:
    speech = [line.split("SPEECH OUTPUT: ", 1)[1] for line in f if "SPEECH OUTPUT: " in line]
spoken = "\n".join(speech)

# (Orca speaks the desktop's language: its role words are not checked.)
for caption in RESULTS:
    check(any(line.startswith("'%s " % caption) for line in speech), "Orca did not say the window %r" % caption)
# The help: its window, then the heading the focus is on, then the next
# heading with Down.
opened = [i for i, line in enumerate(speech) if line.startswith("'%s " % HELP)]
check(opened and any(line.startswith("'Ondarell ") for line in speech[opened[0] + 1:opened[0] + 4]),
      "Orca did not say the help's heading after its window")
for name in spoken_controls:
    check(name in spoken, "Orca did not say %r when it got the focus" % name)
for sentence in ("1,5 quilograms per decímetre cúbic", "Recipient omplert fins a 5 metres", "T'HAS EQUIVOCAT",
                 "El recipient ha pujat fins a la superfície", "L'altura del líquid ha de ser inferior 10 metres",
                 "Dipòsit ple fins a 5 metres", "Velocitat màxima de sortida del líquid: 8,85 metres per segon",
                 "El dipòsit s'ha buidat fins a l'altura del forat", "Pressió: 0,1273885 megapascals",
                 "L'èmbol 1 ha baixat i l'èmbol 2 ha pujat", "Velocitat 2: 0,663 metres per segon",
                 "Velocitat fluid en la canonada 2: 4,244 metres per segon",
                 "diferència de pressions de 915 mil·límetres de columna d'aigua",
                 "Animacions a la meitat de la velocitat", "Animacions a un quart de la velocitat",
                 "Animacions a velocitat normal", "Hi ha mesures que encara no heu desat", HELP, "Què és",
                 "Premeu F1 per obrir l'ajuda i veure les tecles"):
    check(any(sentence in line for line in speech), "Orca did not announce %r" % sentence)
# Every number Orca said in Catalan, every unit after one in words: what it
# read of the program, and what it wrote itself (a scroll bar's value).
for line in speech:
    check(not misheard(line), "Orca said %r in %r" % (misheard(line), line))

if os.environ.get("ONDARELL_WALK_LOG"):  # kept for a look
    os.replace(orca_log, os.environ["ONDARELL_WALK_LOG"])
if failures:
    print("%d failures; Orca said:\n%s" % (len(failures), spoken[-4000:]), flush=True)
    with open(os.path.join(WORK, "program.log"), encoding="utf-8", errors="replace") as f:
        print("The program wrote:\n" + f.read()[-4000:], flush=True)
    sys.exit(1)
print("the screen reader's walk passed: %d sentences said" % len(speech), flush=True)
