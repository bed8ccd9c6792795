#!/usr/bin/python3
"""The program as a screen reader meets it: started with accessibility on, on a
real X display (Xvfb) inside a D-Bus session of its own, and read through
AT-SPI. Walks every page and the dialogs (selection, column-width editor, help,
special fields, user fields, save) and fails on

  - an input control without a name,
  - a number box whose reported value differs from the number it shows, or
    that does not announce a change of its value,
  - a grid that Tab, Shift+Tab or Ctrl+Tab cannot leave,
  - F1 opening no help, the layout view unreachable by Tab or not saying
    what the column check finds with its field.

It also listens to the events a screen reader listens to (focus, state,
name, description and caret changes) and fails on what a user would not be
told after a key:

  - the help text without a caret that the keys move (it cannot be read line
    by line), F1 in "Select A Report" opening no help,
  - a field list whose entries do not say they can be ticked, a tick by the
    space bar not announced, the accessibility action of an entry not ticking
    it as a click does, a Special Fields box toggled through the accessibility
    interface not reaching the field list,
  - a tick, a move in the layout view, a change of the columns (and the
    rows that follow) or a move of a field on page 7 not said: a reader
    speaks a notification as it appears, and one must appear with the new
    words (the entry, its tick and the count of chosen fields, the check's
    words, the rows, the field and its new place),
  - Move Down pressed on its button sending a reader into the list, or
    taking the keyboard from the button,
  - no window active after OK in the column-width editor and on its message,
  - the words of the layout view not saying that another field is at fault,
  - "Right Margin Max:" read without its number, the user-field grid's
    columns named otherwise than shown,
  - Return that finishes a cell of the column-width editor also pressing OK.

Objects the program makes anew or that close while they are read are looked
for again; a probe never fails on an object that went away.

usage: accessibility_walk.py TABREP TABREP_DEMO
Exits 77 (skipped) when Xvfb, xdotool, dbus-run-session, the AT-SPI bus or
python3-pyatspi is missing, or when no display it starts can be opened by a
plain X client either (it then says what it saw).
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
DISPLAY_LOST = 75  # the program could not reach the display: the run is tried again on a new one
INNER = "TABREP_A11Y_INNER"

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi

    # What AT-SPI raises on an object that went away (the program made it anew, a dialog closed).
    VANISHED = (GLib.Error, RuntimeError)
except (ImportError, ValueError):
    pyatspi = None


def alive(probe, default=None):
    """What the probe answers, or the default when an object it reads went away meanwhile."""
    try:
        return probe()
    except VANISHED:
        return default


def missing_tools():
    missing = [tool for tool in ("Xvfb", "xdotool", "dbus-run-session") if not shutil.which(tool)]
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        missing.append("at-spi2-core")
    if pyatspi is None:
        missing.append("python3-pyatspi")
    return missing


def start_xvfb(work):
    """An X display of our own, at a number picked at random far above those a desktop or another
    test takes (a server of another namespace may hold a low number's abstract socket unseen). It
    does not reset when its last client leaves: a client that came in the middle of a reset (the
    accessibility bus's launcher and the probes come and go) would be refused."""
    for _ in range(20):
        number = random.randrange(100, 60000)
        if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
            continue
        with open(os.path.join(work, "xvfb.log"), "w") as log:
            xvfb = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                                     "-noreset"], stderr=log)
        display = ":%d" % number
        if reachable(display, seconds=30, server=xvfb):
            return xvfb, display
        if xvfb.poll() is None:
            return xvfb, None
    return None, None


def reachable(display, seconds=10, server=None):
    """A plain X client (not our program) opens the display; false at once when its server ended."""
    env = dict(os.environ, DISPLAY=display)
    deadline = time.monotonic() + seconds
    while True:
        if subprocess.run(["xdotool", "getdisplaygeometry"], env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0:
            return True
        if time.monotonic() > deadline or (server is not None and server.poll() is not None):
            return False
        time.sleep(0.2)


def stop_xvfb(xvfb):
    # Asked to end, Xvfb removes its lock and socket, which another run may take next.
    if xvfb is None:
        return
    xvfb.terminate()
    try:
        xvfb.wait(timeout=10)
    except subprocess.TimeoutExpired:
        xvfb.kill()
        xvfb.wait()


def why_unusable(xvfb, display, work):
    state = "not started" if xvfb is None else "still running" if xvfb.poll() is None else "ended with %s" % xvfb.returncode
    with open(os.path.join(work, "xvfb.log")) as log:
        said = " | ".join(line.strip() for line in log if line.strip())[-600:]
    sockets = sorted(os.listdir("/tmp/.X11-unix")) if os.path.isdir("/tmp/.X11-unix") else "none"
    return "display %s: Xvfb %s; /tmp/.X11-unix holds %s; Xvfb said: %s" % (display, state, sockets, said or "nothing")


def outer(args):
    """Starts Xvfb, then this script again inside a D-Bus session of its own, on a new display
    each time the program could not open its display (up to three). A display that no plain X
    client can open either is the machine's fault, not the program's: when no display was
    usable the walk is skipped, saying what was seen; when plain clients could open each display
    and the program none, it fails."""
    unusable = []
    refused = 0
    for _ in range(3):
        with tempfile.TemporaryDirectory() as work:
            xvfb, display = start_xvfb(work)
            try:
                if display:
                    env = dict(os.environ, DISPLAY=display, **{INNER: work})
                    status = subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                                             *args], env=env, timeout=120).returncode
                    if status != DISPLAY_LOST:
                        return status
                    if reachable(display, seconds=2, server=xvfb):
                        refused += 1
                        continue
                unusable.append(why_unusable(xvfb, display, work))
            finally:
                stop_xvfb(xvfb)
    if refused:
        print("FAIL: the program could not open %d display(s) that a plain X client opened" % refused)
        return 1
    print("SKIP: no X display started here stayed open to a plain X client, so nothing can be walked:")
    print("\n".join("  " + text for text in unusable))
    return SKIP


class Walk:
    def __init__(self, tabrep, demo, work):
        self.input_roles = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
                            pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE,
                            pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_COMBO_BOX,
                            pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PUSH_BUTTON,
                            pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_SLIDER}
        # Roles whose cells or entries are not walked.
        self.containers = {pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE,
                           pyatspi.ROLE_TREE_TABLE}
        self.faults = []
        data = os.path.join(work, "data")
        config = os.path.join(work, "config", "tabulon")
        runtime = os.path.join(work, "runtime")
        os.makedirs(data)
        os.makedirs(config)
        os.makedirs(runtime, mode=0o700)
        subprocess.run([demo, data, "30"], check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(config, "aliases.ini"), "w") as ini:
            ini.write("[OMNIV]\nPATH=%s\n" % data)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.dirname(config), XDG_RUNTIME_DIR=runtime,
                   QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        for name in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"):
            env.pop(name, None)
        self.log = open(os.path.join(work, "tabrep.log"), "w+")
        self.program = subprocess.Popen([tabrep], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.app = self.until(self.find_app, 30, "the program did not appear on the accessibility bus")
        Atspi.Accessible.set_cache_mask(self.app, Atspi.Cache.NONE)
        self.announced = 0  # changes of a number box's value heard
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-value")
        self.events = []  # (type, role, name, detail1, description, source) of what a reader is told, in order
        pyatspi.Registry.registerEventListener(
            self.record, "object:state-changed", "object:property-change:accessible-description",
            "object:property-change:accessible-name", "object:text-caret-moved", "object:selection-changed",
            "object:active-descendant-changed")

    def heard(self, event):
        try:
            if event.source is not None and event.source.getRole() == pyatspi.ROLE_SPIN_BUTTON:
                self.announced += 1
        except Exception:  # the source went away while the event travelled
            pass

    def record(self, event):
        try:
            source = event.source
            self.events.append((event.type, source.getRole(), source.name, event.detail1, source.description, source))
        except Exception:  # the source went away while the event travelled
            pass

    def said(self, since, words, seconds=10):
        """A notification appeared, since the mark, whose name holds all the words: a screen reader speaks
        a notification as it appears. Answers its words."""
        def probe():
            return next((e[2] for e in self.events[since:] if e[0] == "object:state-changed:showing" and e[3] == 1
                         and e[1] == pyatspi.ROLE_NOTIFICATION and all(w in e[2] for w in words)), None)
        return self.until(probe, seconds)

    def followed_a_list(self, since):
        """Since the mark a list told of a change of its selection or of its focused entry, which a screen
        reader follows into the list."""
        return any(e[0].startswith("object:selection-changed") or e[0] == "object:active-descendant-changed"
                   or (e[0] == "object:state-changed:focused" and e[3] == 1 and e[1] == pyatspi.ROLE_LIST_ITEM)
                   for e in self.events[since:])

    def told(self, since, kind, role=None, seconds=10):
        """An event of kind (a prefix of its type) heard since the mark, from a node of that role."""
        return self.until(lambda: any(e[0].startswith(kind) and (role is None or e[1] == role)
                                      for e in self.events[since:]), seconds)

    # --- waiting and finding -------------------------------------------------

    def until(self, probe, seconds, failure=None):
        deadline = time.monotonic() + seconds
        while True:
            if self.program.poll() is not None:
                self.abort("the program ended", self.display_lost())
            while GLib.MainContext.default().iteration(False):
                pass  # the events heard so far
            found = alive(probe)  # an object that went away is looked for again on the next round
            if found or time.monotonic() > deadline:
                break
            time.sleep(0.02)
        if not found and failure:
            self.abort(failure)
        return found

    def find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    @staticmethod
    def showing(node):
        return node is not None and alive(lambda: node.getState().contains(pyatspi.STATE_SHOWING), False)

    def nodes(self, root):
        """The showing nodes under root; the cells of grids and entries of lists are not visited. A node
        that goes away while the tree is walked is passed over with what was under it."""
        stack = [root]
        while stack:
            node = stack.pop()
            children = alive(lambda: [] if node.getRole() in self.containers else list(node))
            if children is None:
                continue
            yield node
            stack.extend(child for child in children if self.showing(child))

    def find(self, root, role, name=None):
        for node in self.nodes(root):
            if alive(lambda: node.getRole() == role and (name is None or node.name == name), False):
                return node
        return None

    def name_of(self, node):
        return alive(lambda: node.name, "") if node is not None else ""

    def window(self, title, seconds=20):
        def probe():
            for window in self.app:
                if self.showing(window) and window.name == title:
                    return window
            return None

        found = self.until(probe, seconds)
        if not found:
            self.abort('no window "%s" appeared%s' % (title, self.message_boxes()))
        self.focus_window(title)
        return found

    def message_boxes(self):
        texts = alive(lambda: [" ".join(self.name_of(node) for node in self.nodes(window)
                                        if alive(node.getRole) == pyatspi.ROLE_LABEL)
                               for window in self.app
                               if self.showing(window) and window.name in ("Error", "Information", "Warning")], [])
        return "; a message box says: " + " / ".join(texts) if texts else ""

    def closed(self, title):
        self.until(lambda: not any(self.showing(w) and w.name == title for w in self.app), 20,
                   'the window "%s" did not close' % title)

    def focus_window(self, title):
        """There is no window manager: the keyboard is given to the window by hand."""
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % title],
                               capture_output=True, text=True, timeout=30).stdout.split()
        if found:
            subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], timeout=30)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)

    def press(self, root, name):
        def probe():
            button = self.find(root, pyatspi.ROLE_PUSH_BUTTON, name) or self.find(root, pyatspi.ROLE_RADIO_BUTTON, name)
            return button is not None and (button.queryAction().doAction(0) or True)

        self.until(probe, 5, 'no button "%s"' % name)

    def page(self, main, title):
        self.until(lambda: self.find(main, pyatspi.ROLE_LABEL, title), 20,
                   'the page "%s" did not appear%s' % (title, self.message_boxes()))

    def page_turn_is_told(self, main):
        """Return on Next turns the page and puts the keyboard in it: a panel named by the page's title and
        described by its explanation, so a screen reader tells both before the control."""
        self.keys("Return")
        self.page(main, "Report Type")
        panel = self.until(lambda: self.find(main, pyatspi.ROLE_PANEL, "Report Type"), 5)
        if not panel:
            self.fault('page "Report Type" is not a panel of that name')
        else:
            if not alive(lambda: panel.description):
                self.fault('page "Report Type" has no description')
            if not self.until(lambda: any(self.focused(node) for node in self.nodes(panel)), 5):
                self.fault('Return on Next leaves the keyboard outside page "Report Type"')
        self.press(main, "Previous")
        self.page(main, "Tabulon Personal")

    def next_page(self, main, title):
        self.press(main, "Next")
        self.page(main, title)
        self.check(main, 'page "%s"' % title)

    # --- the checks ----------------------------------------------------------

    def fault(self, text):
        print("FAULT: " + text)
        self.faults.append(text)

    def abort(self, text, status=1):
        print("FAIL: " + text)
        self.stop()
        sys.exit(status)

    def display_lost(self):
        """The program could not open its display: the run is tried again on a new one (the outer
        run tells whether a plain X client could open it)."""
        self.log.seek(0)
        output = self.log.read()
        refused = "could not connect to display" in output or "no display could be opened" in output
        return DISPLAY_LOST if refused else 1

    def check(self, root, where):
        """Every input control has a name; a number box reports the number it shows."""
        for node in self.nodes(root):
            alive(lambda: self.check_node(node, where))

    def check_node(self, node, where):
        role = node.getRole()
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        if (role in self.input_roles or focusable) and not node.name.strip():
            self.fault("%s: a %s without a name" % (where, node.getRoleName()))
        if role == pyatspi.ROLE_SPIN_BUTTON:
            self.check_number_box(node, where)

    def check_number_box(self, node, where):
        value = node.queryValue()
        reported = (value.currentValue, value.minimumValue, value.maximumValue)
        shown = self.text_of(node)
        if shown.strip() != "%g" % reported[0] or not reported[1] <= reported[0] <= reported[2] \
                or reported[1] == reported[2]:
            self.fault('%s: the number box "%s" shows "%s" but reports %g (from %g to %g)'
                       % ((where, node.name, shown) + reported))

    def text_of(self, node):
        for candidate in [node] + [child for child in node]:
            try:
                return candidate.queryText().getText(0, -1)
            except NotImplementedError:
                continue
            except VANISHED:
                return ""
        return ""

    def focused(self, node):
        return node is not None and alive(lambda: node.getState().contains(pyatspi.STATE_FOCUSED), False)

    def grid_focused(self, window):
        """The window's grid has the keyboard (found anew each time it is asked)."""
        return self.focused(self.find(window, pyatspi.ROLE_TABLE))

    def leaves(self, window, keys, where, what):
        self.keys(*keys)
        if not self.until(lambda: not self.grid_focused(window), 5):
            self.fault("%s: %s stays in the grid" % (where, what))
            return False
        return True

    def enters(self, window, keys, where, what):
        self.keys(*keys)
        if not self.until(lambda: self.grid_focused(window), 5):
            self.fault("%s: %s does not go back into the grid" % (where, what))
            return False
        return True

    def grid_lets_go(self, window, where, next_control):
        """Tab from the last cell, Shift+Tab from the first and Ctrl+Tab from any leave the grid."""
        if self.find(window, pyatspi.ROLE_TABLE) is None:
            self.abort("%s: no grid" % where)
        for _ in range(12):
            if self.grid_focused(window):
                break
            self.keys("Tab")
            time.sleep(0.05)
        else:
            self.abort("%s: Tab does not reach the grid" % where)
        if not self.leaves(window, ["ctrl+End", "Tab"], where, "Tab from the last cell"):
            return
        if not self.until(lambda: self.focused(self.find(window, pyatspi.ROLE_PUSH_BUTTON, next_control)), 5):
            self.fault('%s: Tab from the grid does not reach "%s"' % (where, next_control))
        mark = len(self.events)
        if self.enters(window, ["shift+Tab"], where, "Shift+Tab from the next control"):
            if not self.told(mark, "object:state-changed:focused", pyatspi.ROLE_TABLE_CELL, 5):
                self.fault("%s: the grid takes the keyboard without saying its current cell" % where)
            if self.leaves(window, ["ctrl+Home", "shift+Tab"], where, "Shift+Tab from the first cell"):
                if self.enters(window, ["Tab"], where, "Tab from the control before it"):
                    self.leaves(window, ["Right", "ctrl+Tab"], where, "Ctrl+Tab")

    def number_box_announces(self, main):
        """The number box that has the keyboard tells a change of its value, and the value is the one shown;
        then the rows the columns make are said."""
        box = self.find(main, pyatspi.ROLE_SPIN_BUTTON)
        name = self.name_of(box)
        self.until(lambda: False, 0.3)  # what came before is heard first
        before, mark = self.announced, len(self.events)
        self.keys("Up")

        def shows_its_value():
            now = self.find(main, pyatspi.ROLE_SPIN_BUTTON)
            return now is not None and self.text_of(now).strip() == "%g" % now.queryValue().currentValue

        if not self.until(lambda: self.announced > before and shows_its_value(), 5):
            self.fault('the number box "%s" does not announce its new value' % name)
        return mark

    def rows_are_spoken(self, main, mark):
        """The rows shown beside the number box ("Rows" and a number) are said when the columns change."""
        shown = self.until(lambda: next((self.name_of(n) for n in self.nodes(main) if alive(
            lambda: n.getRole() == pyatspi.ROLE_LABEL and n.name.isdigit())), None), 5)
        words = ["Rows %s" % shown]
        if not self.said(mark, words):
            self.fault('page 8: the rows ("%s") are not spoken when the columns change' % words[0])

    def move_is_said(self, main):
        """Move Down pressed with the space bar moves the highlighted field one place: the field and its new
        place are said, the keyboard stays on the button, and the reader is not sent into the list."""
        order = self.until(lambda: self.find(main, pyatspi.ROLE_LIST, "Field Order"), 5, "page 7: no field list")
        names = alive(lambda: [self.name_of(entry) for entry in order], [])
        if len(names) < 3:
            self.abort("page 7: fewer than three fields to move (%s)" % ", ".join(names))
        if self.name_of(self.focus_in(main)) != "Field Order":
            self.tab_reaches(main, "Field Order", "page 7")
        self.keys("Down")
        button = self.tab_reaches(main, "Move Down", "page 7")
        mark = len(self.events)
        self.keys("space")
        words = "%s, 3 of %d" % (names[1], len(names))
        if not self.said(mark, [words]):
            self.fault('page 7: Move Down is not said as "%s"' % words)
        if not self.focused(button):
            self.fault("page 7: Move Down took the keyboard away from the button")
        if self.followed_a_list(mark):
            self.fault("page 7: Move Down sends a screen reader into the list while the keyboard stays on the button")

    def main_is_active_again(self, main, after):
        """Once a dialog and its message are closed the main window is active without help: the keyboard
        works there and a screen reader speaks it."""
        if not self.until(lambda: main.getState().contains(pyatspi.STATE_ACTIVE), 10):
            self.fault("no window is active after %s" % after)
            self.focus_window("Tabulon Personal")

    def focus_in(self, window):
        """The control of the window that has the keyboard, if any."""
        return next((node for node in self.nodes(window) if self.focused(node)), None)

    def tab_reaches(self, window, name, where):
        """Tab, one stop at a time, reaches the control; answers it."""
        for _ in range(15):
            before = self.focus_in(window)
            self.keys("Tab")
            self.until(lambda: self.focus_in(window) != before, 1)
            now = self.focus_in(window)
            if now is not None and self.name_of(now) == name:
                return now
        self.fault('%s: Tab never reaches "%s"' % (where, name))
        return None

    # --- what a screen reader is told -----------------------------------------

    def help_reads_line_by_line(self, window):
        text = self.find(window, pyatspi.ROLE_TEXT)
        if text is None or not self.focused(text):
            self.fault("the help window: the text does not have the keyboard")
            return
        mark = len(self.events)
        self.keys("ctrl+End")
        moved = self.told(mark, "object:text-caret-moved")
        if not moved or alive(lambda: text.queryText().caretOffset, 0) == 0:
            self.fault("the help window: the keys move no caret through the text (it cannot be read line by line)")
        self.keys("ctrl+Home")

    def back_into_grid(self, window, where):
        """From the control after the grid (where grid_lets_go leaves the keyboard), back into the grid."""
        self.keys("shift+Tab")
        if not self.until(lambda: self.grid_focused(window), 5):
            self.abort("%s: Shift+Tab does not go back into the grid" % where)

    def return_finishes_the_cell_only(self, editor):
        """Typing in a cell and Return stores the cell; the editor stays open (OK is not pressed)."""
        self.back_into_grid(editor, "the column-width editor")
        self.keys("ctrl+Home", "Right", "Right")
        self.type("1")
        self.keys("Return")
        self.until(lambda: False, 1)
        if not self.showing(editor) or alive(lambda: any(self.showing(w) and w.name == "Information"
                                                         for w in self.app), True):
            self.fault("the column-width editor: Return that finishes a cell also presses OK")
            self.abort("the column-width editor closed on Return")

    def pick_list(self, main):
        """The contact field list: the list with the entry "FirstLast"."""
        for node in self.nodes(main):
            if alive(lambda: node.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX)
                     and any(self.name_of(entry).lower() == "firstlast" for entry in node), False):
                return node
        return None

    def pick_entry(self, main, name):
        """The entry of the contact field list by its name, found anew (a spoken entry is made anew)."""
        entries = self.pick_list(main)
        return alive(lambda: next((e for e in entries if self.name_of(e) == name), None)) if entries else None

    def selected_count(self, main):
        labels = (node for node in self.nodes(main) if alive(node.getRole) == pyatspi.ROLE_LABEL)
        return next((name for name in map(self.name_of, labels) if name.endswith(" selected)")), "")

    def tick_is_spoken(self, main, mark, entry):
        """The ticked entry is said with its tick and the count of chosen fields."""
        count = self.until(lambda: self.selected_count(main) not in ("", "(0 fields selected)")
                           and self.selected_count(main), 5)
        words = [entry + ", ticked", count or "fields selected"]
        if not self.said(mark, words):
            self.fault('page 6: a tick by the space bar is not spoken with its words and the count (%s)'
                       % " ".join(words))

    def entries_tick_through_their_action(self, main):
        """Entries say they can be ticked; an entry's action ticks it, and the selection rules run (the count)."""
        entries = self.pick_list(main)
        first = self.name_of(entries[0]) if entries is not None and entries.childCount else ""
        facts = first and self.until(lambda: self.entry_facts(main, first), 5)
        if not facts:
            self.abort("page 6: no field list")
        states, words = facts
        # Qt 6.4 does not pass on the checkable state; the entry's words ("not ticked") then say it.
        if pyatspi.STATE_CHECKABLE not in states and words not in ("ticked", "not ticked"):
            self.fault('page 6: the entry "%s" does not say it can be ticked (%s)'
                       % (first, " ".join(str(state) for state in states)))
        before, count = pyatspi.STATE_CHECKED in states, self.selected_count(main)
        mark = len(self.events)
        names = self.until(lambda: self.toggle(self.pick_entry(main, first)), 5, 'page 6: no entry "%s"' % first)
        if not self.until(lambda: self.entry_checked(main, first) not in (None, before), 5):
            self.fault('page 6: the action of the entry "%s" (%s) does not tick it' % (first, ", ".join(names)))
        elif not self.told(mark, "object:state-changed:checked"):
            self.fault('page 6: a tick by the action of "%s" is not announced' % first)
        elif not self.until(lambda: self.selected_count(main) != count, 5):
            self.fault("page 6: a tick by the action does not run the selection rules (the count stays %s)" % count)

    def entry_facts(self, main, name):
        """The states and the words of the field list's entry of that name."""
        entry = self.pick_entry(main, name)
        return (entry.getState().getStates(), entry.description) if entry is not None else None

    def entry_checked(self, main, name):
        facts = self.entry_facts(main, name)
        return None if facts is None else pyatspi.STATE_CHECKED in facts[0]

    @staticmethod
    def toggle(node):
        """Runs the node's toggle action (its first if it has none of that name); answers the actions' names."""
        if node is None:
            return None
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Toggle") if "Toggle" in names else 0)
        return names

    def special_box_reaches_the_list(self, special):
        box = lambda: self.find(special, pyatspi.ROLE_CHECK_BOX, "FirstLast")
        self.special_before = self.until(lambda: box() and [box().getState().contains(pyatspi.STATE_CHECKED)], 5,
                                         'the special fields dialog: no box "FirstLast"')[0]
        names = self.until(lambda: self.toggle(box()), 5, 'the special fields dialog: no box "FirstLast"')
        if not self.until(lambda: box() and box().getState().contains(pyatspi.STATE_CHECKED) != self.special_before, 5):
            self.fault('the special fields dialog: the action of "FirstLast" (%s) does not toggle it' % ", ".join(names))

    def special_entry_ticked(self, main):
        if self.until(lambda: self.entry_checked(main, "firstlast") not in (None, self.special_before), 5) is not True:
            self.fault("the special fields dialog: a box toggled through the accessibility interface "
                       "does not reach the field list")

    def user_grid_headers_as_shown(self, user):
        def read():
            grid = self.find(user, pyatspi.ROLE_TABLE)
            if grid is None:
                return None
            table = grid.queryTable()
            return [(table.getAccessibleAt(0, column).name, table.getColumnDescription(column))
                    for column in range(1, min(table.nColumns, 4))]

        for column, (shown, header) in enumerate(self.until(read, 5, "the user fields dialog: no grid"), 1):
            if header != shown:
                self.fault('the user fields dialog: column %d is read as "%s", not as shown, "%s"'
                           % (column, header, shown))

    def put_second_field_past_the_width(self, main):
        """The second field ends past the printable width; the grid's first row is current again."""
        self.back_into_grid(main, "page 9")
        self.keys("ctrl+Home", "Down", "End")
        self.type("999")
        self.keys("Return", "Up")

    def layout_moves_are_spoken(self, layout):
        before = alive(lambda: layout.description, "")
        if "Also at fault" not in before:
            self.fault('page 9: the layout view does not say that another field is at fault: "%s"' % before)
        mark = len(self.events)
        self.keys("Right")
        if not self.told(mark, "object:property-change:accessible-description"):
            self.fault("page 9: a move in the layout view is not announced")
        after = self.until(lambda: layout.description != before and layout.description, 5)
        if not after or not self.said(mark, [after]):
            self.fault("page 9: the words after a move in the layout view are not said")
        if not self.focused(layout):
            self.fault("page 9: the layout view that was spoken has lost the keyboard (was it made anew?)")
        self.keys("Left")

    # --- the walk ------------------------------------------------------------

    def run(self):
        main = self.window("Tabulon Personal")
        self.check(main, "page 0")
        if alive(main.getRole) != pyatspi.ROLE_FRAME:
            self.fault("the main window is not a frame: a reader coming back to it reads every text of the page")

        self.keys("F1")
        if not self.until(lambda: any(self.showing(w) and w.name == "Help" for w in self.app), 5):
            self.fault("F1 opens no help")
            self.keys("alt+h")
        help_window = self.window("Help")
        self.check(help_window, "the help window")
        self.help_reads_line_by_line(help_window)
        self.keys("Return")
        self.closed("Help")

        self.focus_window("Tabulon Personal")
        self.page_turn_is_told(main)

        # Column widths of an existing report: the selection dialog, then the editor.
        self.focus_window("Tabulon Personal")
        self.keys("alt+w", "space", "Return")
        select = self.window("Select A Report")
        self.check(select, "the selection dialog")
        self.keys("F1")
        if self.until(lambda: any(self.showing(w) and w.name == "Help" for w in self.app), 5):
            self.window("Help")
            self.keys("Escape")
            self.closed("Help")
            self.focus_window("Select A Report")
        else:
            self.fault('F1 in "Select A Report" opens no help')
        self.grid_lets_go(select, "the selection dialog", "OK")
        self.press(select, "OK")
        editor = self.window("Column Widths")
        self.check(editor, "the column-width editor")
        if not self.until(lambda: any(name.startswith("Right Margin Max: ") and name.split()[-1].isdigit()
                                      for name in map(self.name_of, self.nodes(editor))), 2):
            self.fault('the column-width editor: "Right Margin Max:" is read without its number')
        self.grid_lets_go(editor, "the column-width editor", "Check for Errors")
        self.return_finishes_the_cell_only(editor)
        self.press(editor, "OK")
        self.window("Information")
        self.keys("Return")
        self.closed("Column Widths")
        self.main_is_active_again(main, 'OK in the column-width editor and on "Report successfully modified."')

        # A new report, page by page.
        self.focus_window("Tabulon Personal")
        self.keys("alt+c", "space")
        self.next_page(main, "Report Type")
        self.press(main, "Contact Ordered Report")  # the editor's report was a calendar
        self.next_page(main, "Report Information")
        self.press(main, "Include Call Event Fields")  # both field lists on page 6
        self.next_page(main, "Report Description")
        words = alive(lambda: self.find(main, pyatspi.ROLE_TEXT).description, "")
        if not all(example in words for example in ("Examples:", "Birthday Report", "City report")):
            self.fault('page 3: the description box is not read with the examples ("%s")' % words)
        self.type("Accessible Report")
        self.next_page(main, "Paper Size")
        self.press(main, "Other  Paper Size")
        self.until(lambda: self.find(main, pyatspi.ROLE_SPIN_BUTTON), 5, "the printable width is not shown")
        self.check(main, "page 4, other paper size")
        self.next_page(main, "Detail Level")
        self.next_page(main, "Field Selection")
        self.keys("Down", "Down", "Down", "Down")
        entries = self.pick_list(main)
        current = self.until(lambda: next((e for e in entries if self.focused(e)), None), 5)
        mark = len(self.events)
        self.keys("space")
        if not self.told(mark, "object:state-changed:checked"):
            self.fault("page 6: a tick by the space bar is not announced")
        self.tick_is_spoken(main, mark, self.name_of(current))
        self.entries_tick_through_their_action(main)
        self.keys("alt+s")
        special = self.window("Special Fields")
        self.check(special, "the special fields dialog")
        self.special_box_reaches_the_list(special)
        self.press(special, "OK")
        self.closed("Special Fields")
        self.special_entry_ticked(main)
        self.focus_window("Tabulon Personal")
        self.keys("alt+u")
        user = self.window("User Field Definitions")
        self.check(user, "the user fields dialog")
        self.user_grid_headers_as_shown(user)
        self.grid_lets_go(user, "the user fields dialog", "OK")
        self.press(user, "OK")
        self.closed("User Field Definitions")
        self.focus_window("Tabulon Personal")
        self.next_page(main, "Field Order")
        self.move_is_said(main)
        self.next_page(main, "Column and Rows")
        self.rows_are_spoken(main, self.number_box_announces(main))
        self.tab_reaches(main, "Column and Rows", "page 8")
        self.next_page(main, "Column Widths")
        self.grid_lets_go(main, "page 9", "Check Columns")
        self.put_second_field_past_the_width(main)
        layout = self.tab_reaches(main, "Column layout", "page 9")
        words = alive(lambda: layout.description, "") if layout is not None else None
        if words in ("", "No field is selected."):
            self.fault('page 9: the layout view does not say what the check finds with the field: "%s"' % words)
        if layout is not None:
            self.layout_moves_are_spoken(layout)
        self.next_page(main, "Field Definitions")
        self.keys("alt+m")
        save = self.window("Save Report File")
        self.check(save, "the save dialog")
        self.keys("Escape")
        self.closed("Save Report File")

        self.stop()
        if self.faults:
            print("FAIL: %d faults" % len(self.faults))
            return 1
        print("passed")
        return 0

    def stop(self):
        if self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.log.seek(0)
        output = self.log.read()
        if output.strip():
            print("--- program output:\n" + output)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    missing = missing_tools()
    if missing:
        print("SKIP: missing " + ", ".join(missing))
        return SKIP
    if INNER not in os.environ:
        return outer(sys.argv[1:])
    return Walk(sys.argv[1], sys.argv[2], os.environ[INNER]).run()


if __name__ == "__main__":
    sys.exit(main())
