#!/usr/bin/python3
"""A blind Windows user with the keyboard alone: what a screen reader is given through UI
Automation at each step, read by a small UI Automation client (uiaclient.cpp) beside the
installed program under wine 10. Run by CTest through xsession.sh --wm with HUESCRY_SCREEN_READER
set; skipped elsewhere."""
import collections
import os
import queue
import re
import subprocess
import sys
import threading
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, '..')]
import uidriver as ui  # noqa: E402
import wineprefix  # noqa: E402

INSTALLER = os.environ.get('HUESCRY_INSTALLER')
PROGRAM = r'C:\Program Files\Tavik Free Huescry\TavikFreeHuescry.exe'
MAIN = r'^Tavik Huescry v1\.15$'
READING_RED = 'Red. Any type of partnership on your personal front'
ABOUT_OPENING = 'Colors are known to have great'
UPDATE_QUESTION = ('There maybe an update to this software available Do you want to check for an '
                   'update?')
# libfaketime's preload, for a start fifteen days after the first, when the update question comes.
FIFTEEN_DAYS_LATER = {'LD_PRELOAD': '/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1',
                      'FAKETIME': '+15d'}
SUPPORT_MESSAGE_OPENINGS = ('Orvane Softwares, such as this', 'Visit Velmora regularly.',
                            'Velmora is a FREE online', 'Velmora needs your help.')
REFERRAL_BOXES = ('Your Name', 'Your Email Address', "Friend's Email Address", "Friend's Name",
                  'Your Message')


# One line of the client.
Element = collections.namedtuple('Element', 'depth kind name automation_id offscreen')


def parse_element(line):
    depth, kind, name, automation_id, place = line.rstrip('\n').split('\t')
    return Element(int(depth), kind, name, automation_id, place == 'offscreen')


class FocusEvents:
    """The focus changes a screen reader hears of, as they come."""

    def __init__(self, client, env):
        self.process = subprocess.Popen(['wine', client, 'events'], env=env, text=True,
                                        encoding='utf-8', stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.assert_next(lambda line: line == 'listening\n', 'the client listening', raw=True)

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)

    def assert_next(self, wanted, what, raw=False):
        """Waits for a focus change that is wanted; the ones before it are passed over."""
        seen = []
        while True:
            try:
                line = self.lines.get(timeout=ui.TIMEOUT)
            except queue.Empty:
                raise AssertionError('no focus change to %s; heard %r' % (what, seen)) from None
            item = line if raw else parse_element(line)
            if wanted(item):
                return item
            seen.append(item)

    def stop(self):
        try:
            self.process.stdin.close()
        except BrokenPipeError:
            pass  # ended with the prefix's other programs
        self.process.wait(30)


@unittest.skipUnless(os.environ.get('HUESCRY_SCREEN_READER'), 'run by its own CTest entry')
class BlindWindowsUser(unittest.TestCase):
    def setUp(self):
        run = os.environ['HARNESS_RUN']
        self.client = wineprefix.tool('uiaclient')
        self.prefix = os.path.join(run, 'prefix')
        self.env = wineprefix.create(self.prefix)
        self.addCleanup(subprocess.run, ['wineserver', '-k'], env=self.env)
        subprocess.run(['wine', INSTALLER, '/S'], env=self.env, check=True, timeout=120)

    def uia(self, *command):
        """The client's answer: for tree and focus, the window asked and its elements. It fails
        when UI Automation fails, the window no longer answers or the client hangs, with every
        thread of the program and of the client as they stand."""
        client = subprocess.Popen(['wine', self.client, *command], env=self.env, text=True,
                                  encoding='utf-8', stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            output, errors = client.communicate(timeout=120)
        except subprocess.TimeoutExpired:
            hung = self.backtraces()
            client.kill()
            client.communicate()
            self.fail('uiaclient %s did not answer:\n%s' % (command, hung))
        if client.returncode != 0:
            self.fail('uiaclient %s: %s\n%s' % (command, errors, self.backtraces()))
        lines = output.splitlines()
        if command[0] == 'answers':
            return None
        self.asked = lines[0].split('\t')[1]
        return [parse_element(line) for line in lines[1:]]

    def backtraces(self):
        threads = subprocess.run(['winedbg', '--command', 'bt all'], env=self.env, text=True,
                                 capture_output=True, timeout=120).stdout
        # One part a thread, headed by its process's executable.
        parts = threads.split('\nBacktracing for ')
        return '\n'.join(part for part in parts
                         if re.search('TavikFreeHuescry|uiaclient', part.partition('\n')[0]))

    def step(self, keys, kind, name, what=None):
        """A step a reader hears as the focus change it brings, after which the program's window
        still answers."""
        ui.key(*keys)
        heard = self.events.assert_next(
            lambda change: change.kind != 'Window' and change.kind.startswith(kind) and
            change.name.startswith(name),
            what or '%s "%s"' % (kind, name))
        self.uia('answers', self.window)
        return heard

    def tree(self, wid=None):
        """The tree of the window in front or, given its X window, of the window at its middle:
        wine names no window in front once one of the program's has closed."""
        if wid is None:
            return self.uia('tree')
        geometry = ui.x('xdotool', 'getwindowgeometry', str(wid))
        left, top = re.search(r'Position: (\d+),(\d+)', geometry).groups()
        width, height = re.search(r'Geometry: (\d+)x(\d+)', geometry).groups()
        return self.uia('tree', str(int(left) + int(width) // 2), str(int(top) + int(height) // 2))

    def new_window(self, title, besides=None):
        """A window of the program that comes up, and its tree."""
        (wid, _), = ui.wait_until(
            lambda: [w for w in ui.windows(name=title) if w[0] != besides], timeout=60,
            what='a window "%s"' % title)
        return wid, self.tree(wid)

    def assert_read(self, tree, *openings):
        for opening in openings:
            self.assertTrue(any(element.name.startswith(opening) for element in tree),
                            '%r in %r' % (opening, tree))

    def assert_only_the_page_shown_on_screen(self, window, shown, behind):
        """The page not shown, the offer behind the other and what lies below the window's edge
        are off screen, or absent; the page in front is on screen."""
        tree = self.tree(window)
        elements = {element.automation_id.split('.')[-1]: element for element in tree}
        for name in shown:
            self.assertIn(name, elements, tree)
            self.assertFalse(elements[name].offscreen, name)
        for name in behind + ('cmdOpen', 'fraBirthDay'):
            self.assertTrue(name not in elements or elements[name].offscreen, name)
        offers = [elements[name].offscreen for name in ('lblCobrand', 'lblFullBrand')]
        self.assertEqual(sorted(offers), [False, True])

    def start(self, env=None):
        """The installed program, with a screen reader listening for focus changes."""
        self.events = FocusEvents(self.client, self.env)
        self.addCleanup(self.events.stop)
        program = subprocess.Popen(['wine', PROGRAM], env=dict(self.env, **(env or {})),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(program.kill)
        return program

    def main_window(self):
        (main, _), = ui.wait_until(lambda: ui.windows(name=MAIN), timeout=60,
                                   what='the main window')
        return main

    def test_hears_every_step_with_the_keyboard_alone(self):
        self.start()
        main = self.main_window()
        ui.focus(main)
        self.assertEqual(self.uia('focus')[0][1:3], ('Edit', 'Enter First Name'))
        self.window = self.asked
        self.assert_only_the_page_shown_on_screen(main, ('txtNameFirst', 'cmdNext'),
                                                  ('cmdBack', 'lblResult(1)', 'Frame2'))

        # A reading, heard where the focus lands, named with its colour.
        ui.type_text('anna')
        self.step(['Tab'], 'Edit', 'Enter Last Name')
        ui.type_text('Lee')
        self.step(['alt+a'], 'Text', READING_RED, 'the reading')
        self.assert_only_the_page_shown_on_screen(main, ('cmdBack', 'lblResult(1)', 'Frame2'),
                                                  ('txtNameFirst', 'cmdNext', 'Frame1'))
        self.step(['alt+b'], 'Edit', 'Enter First Name')

        # Return on the focused Ask button asks too.
        ui.type_text('anna')
        ui.key('Tab')
        ui.type_text('Lee')
        self.step(['Tab'], 'Button', 'Ask The Huescry')
        self.step(['Return'], 'Text', READING_RED, 'the reading')
        self.step(['alt+b'], 'Edit', 'Enter First Name')

        # Alt, then Down: the File menu's entries.
        self.step(['alt'], 'MenuItem', 'File')
        self.step(['Down'], 'MenuItem', 'Exit')
        ui.key('Escape', 'Escape')

        # The About window read, and Escape closes it.
        self.step(['alt+h', 'a'], 'Button', 'OK', 'the About window')
        self.assert_read(self.new_window(MAIN, besides=main)[1], ABOUT_OPENING)
        self.step(['Escape'], 'Edit', 'Enter First Name')

        # A refused key: the message box read.
        self.step(['5'], 'Button', 'OK', 'the message box')
        self.assert_read(self.new_window('^Tavik Huescry$')[1], 'Please Enter Character Only')
        self.step(['Return'], 'Edit', 'Enter First Name')
        subprocess.run(['wineserver', '-k'], env=self.env, check=True, timeout=60)

        # Fifteen days on, the update question comes first: its message, Yes and No.
        program = self.start(FIFTEEN_DAYS_LATER)
        _, tree = self.new_window('^Tavik Huescry$')
        self.assert_read(tree, UPDATE_QUESTION, 'Yes', 'No')
        self.window = self.asked
        self.step(['Tab'], 'Button', 'No')
        ui.key('Return')
        main = self.main_window()
        self.events.assert_next(lambda change: change.name == 'Enter First Name', 'the first box')

        # Closing the main window: the promotion window with its title, its support message and
        # the focus on Exit.
        ui.focus(main)
        ui.key('alt+F4')
        promotion, tree = self.new_window(MAIN, besides=main)
        self.window = self.asked
        self.events.assert_next(lambda change: change.name == 'Exit', 'Exit')
        self.assertEqual(tree[0][1:3], ('Window', 'Tavik Huescry v1.15'))
        self.assert_read(tree, SUPPORT_MESSAGE_OPENINGS)

        # Tab round the window twice: every refer-a-friend box named on each visit.
        # Eight stops: the check box, five boxes, Refer and Exit.
        visited = [self.step(['Tab'], '', '', 'the next stop').name for _ in range(2 * 8)]
        self.assertEqual(visited[:8], visited[8:])
        for box in REFERRAL_BOXES:
            self.assertEqual(visited.count(box), 2, visited)

        ui.focus(promotion)
        ui.key('alt+x')
        self.assertEqual(program.wait(30), 0)


if __name__ == '__main__':
    unittest.main(warnings='ignore')
