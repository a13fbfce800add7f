#!/usr/bin/python3
"""The Windows installer run silently into a fresh wine prefix, and the installed program used as
a person would, in a private X session with a window manager; then the uninstaller. Wine has no
accessibility tree: windows are read from X (titles, _NET_WM_STATE), screens from pixels, links
from the stand-in site, settings from the prefix's files. With HUESCRY_SCREENSHOTS set, the
windows' pictures are kept there."""
import glob
import os
import pwd
import subprocess
import sys
import time
import unittest
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, '..')]
import uidriver as ui  # noqa: E402
from standinsite import serve_site_behind_browser  # noqa: E402
from test_program import reading_file  # noqa: E402
import wineprefix  # noqa: E402

INSTALLER = os.environ['HUESCRY_INSTALLER']
HOST = os.environ['HUESCRY_SITE_HOST']
VERSION = os.environ['HUESCRY_VERSION']
KEEP = os.environ.get('HUESCRY_SCREENSHOTS')
TITLE = 'Tavik Huescry v1.15'
MAIN = r'^Tavik Huescry v1\.15$'
MESSAGE = r'^Tavik Huescry$'
FOLDER = 'Program Files/Tavik Free Huescry'
PROGRAM = r'C:\Program Files\Tavik Free Huescry\TavikFreeHuescry.exe'
UNINSTALLER = r'C:\Program Files\Tavik Free Huescry\Uninstall Tavik Free Huescry.exe'
SHORTCUT = 'ProgramData/Microsoft/Windows/Start Menu/Programs/Tavik Free Huescry.lnk'
UNINSTALL_KEY = r'[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TavikFreeHuescry]'
YELLOW = (255, 255, 0)


def pixels(wid):
    """The window's pixels as rows of (r, g, b)."""
    data = subprocess.run(['import', '-window', str(wid), '-depth', '8', 'ppm:-'],
                          check=True, capture_output=True).stdout
    magic, width, height, _, raster = data.split(maxsplit=4)
    assert magic == b'P6'
    width, height = int(width), int(height)
    return [[tuple(raster[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


def yellow_text_width(wid):
    """How wide the pure yellow text is: the colour's name on the answer page, nothing on the
    question page. None while the page is still being drawn: two pictures apart must agree."""
    def width():
        columns = {x for row in pixels(wid) for x, colour in enumerate(row) if colour == YELLOW}
        return max(columns) - min(columns) + 1 if columns else 0
    first = width()
    time.sleep(0.2)
    return first if width() == first else None


def inked_columns(wid, middle_x, middle_y):
    """How many pixel columns of a text box's inside, given by its middle, hold dark ink: a
    prompt or typed text fills many, an empty box at most its caret's one."""
    rows = pixels(wid)[middle_y - 5:middle_y + 6]
    return len({x for row in rows for x in range(middle_x - 105, middle_x + 106)
                if sum(row[x]) < 3 * 128})


def keep_picture(wid, name):
    """With HUESCRY_SCREENSHOTS set, keeps the window's picture once it is drawn: a window just
    mapped may still be one plain colour."""
    if KEEP:
        os.makedirs(KEEP, exist_ok=True)
        path = os.path.join(KEEP, name + '.png')

        def drawn():
            ui.x('import', '-window', str(wid), path)
            return int(ui.x('identify', '-format', '%k', path)) > 2
        ui.wait_until(drawn, what='%s drawn' % name)


class InstalledProgram(unittest.TestCase):
    def setUp(self):
        self.prefix = os.path.join(os.environ['HARNESS_RUN'], 'prefix')
        self.site, browser = serve_site_behind_browser(self, HOST)
        # wine's browser launcher hands addresses to the first xdg-open on PATH: the real one.
        self.env = wineprefix.create(self.prefix)
        self.env.update((name, value) for name, value in browser.items() if value is not None)
        self.env.pop('BROWSER', None)
        self.addCleanup(subprocess.run, ['wineserver', '-k'], env=self.env)

    def wine(self, *argv):
        subprocess.run(argv, env=self.env, check=True, timeout=120,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(['wineserver', '-w'], env=self.env, check=True, timeout=120)

    def in_prefix(self, path):
        return os.path.join(self.prefix, 'drive_c', path)

    def registry(self):
        with open(os.path.join(self.prefix, 'system.reg'), encoding='utf-8') as hive:
            return hive.read()

    def start(self):
        program = subprocess.Popen(['wine', PROGRAM], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(program.kill)
        (wid, _), = ui.wait_until(lambda: ui.windows(name=MAIN), timeout=60,
                                  what='the main window')
        ui.focus(wid)
        return program, wid

    def answer(self, wid, first, last):
        """Types the two names and asks; the width of the colour's name on the answer page."""
        ui.type_text(first)
        ui.key('Tab')
        ui.type_text(last)
        ui.key('alt+a')
        return ui.wait_until(lambda: yellow_text_width(wid), what='the answer page')

    def dismiss_message(self):
        (box, _), = ui.wait_until(lambda: ui.windows(name=MESSAGE), what='a message box')
        ui.focus(box)
        ui.key('Return')
        ui.wait_until(lambda: not ui.windows(name=MESSAGE), what='the message box gone')

    def test_install_use_and_uninstall(self):
        self.wine('wine', INSTALLER, '/S')
        self.assertTrue(os.path.isfile(self.in_prefix(FOLDER + '/TavikFreeHuescry.exe')))
        self.assertTrue(os.path.isfile(self.in_prefix(SHORTCUT)))
        registry = self.registry()
        self.assertIn(UNINSTALL_KEY, registry)
        entry = registry.split(UNINSTALL_KEY)[1].split('\n[')[0]
        for value in ('"DisplayName"="Tavik Free Huescry"', '"DisplayVersion"="%s"' % VERSION,
                      '"Publisher"="Tavik"', '"DisplayIcon"=', '"UninstallString"='):
            self.assertIn(value, entry)

        program, main = self.start()
        keep_picture(main, 'question-page')
        red = self.answer(main, 'anna', 'Lee')
        keep_picture(main, 'answer-page')
        ui.key('alt+b')
        ui.wait_until(lambda: yellow_text_width(main) == 0, what='the question page')
        self.assertGreater(self.answer(main, 'anna', 'Lees'), red * 1.5, 'Yellow is wider')
        # Typed at once, the key would reach the reading, which has the focus until Back is done.
        ui.key('alt+b')
        ui.wait_until(lambda: yellow_text_width(main) == 0, what='the question page again')

        # A refused key: its message.
        ui.type_text('5')
        self.dismiss_message()

        # A reading file through the Windows file dialog: Mary Jones is Green.
        path = reading_file('readings')
        ui.focus(main)
        ui.type_text('Mary')
        ui.key('Tab')
        ui.type_text('Jones')
        ui.key('alt+o')
        (dialog, _), = ui.wait_until(lambda: ui.windows(name='^Select the source file$'),
                                     what='the file dialog')
        ui.focus(dialog)
        ui.type_text('Z:' + path.replace('/', '\\'))
        ui.key('Return')
        green = ui.wait_until(lambda: yellow_text_width(main), what='the reading of the file')
        self.assertTrue(red < green < red * 2)

        # A second copy is refused and ends with status 0; the first runs on.
        second = subprocess.Popen(['wine', PROGRAM], env=self.env)
        self.dismiss_message()
        self.assertEqual(second.wait(30), 0)
        self.assertIsNone(program.poll())

        # Killed as Task Manager's End task would: the next start is not kept out, and the
        # guard left no file in the user's folders.
        subprocess.run(['wineserver', '-k'], env=self.env, check=True)
        program.wait(30)
        program, main = self.start()
        self.assertEqual(glob.glob(self.in_prefix('users/**/*.lock'), recursive=True), [])

        # A link reaches the site through wine's browser launcher.
        self.assertEqual(self.site.request_after(lambda: ui.key('alt+d')), 'page=donate')
        ui.focus(main)
        ui.key('alt+h', 'a')
        (about, _), = ui.wait_until(lambda: [w for w in ui.windows(name=MAIN) if w[0] != main],
                                    what='the About window')
        keep_picture(about, 'about-window')
        ui.focus(about)
        ui.key('Escape')

        # Closing the main window brings the promotion window, kept above the others.
        ui.focus(main)
        ui.key('alt+F4')
        (promotion, _), = ui.wait_until(
            lambda: [w for w in ui.windows(name=MAIN) if w[0] not in (main, about)],
            what='the promotion window')
        self.assertIn('_NET_WM_STATE_ABOVE', ui.net_wm_state(promotion))
        keep_picture(promotion, 'exit-promotion-window')

        # The referral: the four boxes are clicked and typed into as a person would, at the
        # middle of each box as the window's layout places it. As a person waits for the caret,
        # typing waits for the box to give up its prompt: under load wine has handled the
        # click only after the first letters went to the box before.
        entries = [((126, 249), 'Zoë & Co #1'), ((359, 249), 'ann&x=1@x.example'),
                   ((126, 273), "Bob's + Eve"), ((359, 273), 'b%41@y.example')]
        for (left, top), text in entries:
            ui.focus(promotion)
            ui.x('xdotool', 'mousemove', '--window', str(promotion), str(left), str(top),
                 'click', '1')
            ui.wait_until(lambda: inked_columns(promotion, left, top) <= 1,
                          what='the prompt gone from the box clicked')
            ui.type_text(text)
        query = self.site.request_after(lambda: (ui.focus(promotion), ui.key('alt+n')))
        self.assertEqual(urllib.parse.parse_qsl(query, keep_blank_values=True, strict_parsing=True),
                         [('page', 'kelt-refer-a-friend'), ('taf1', 'Zoë & Co #1'),
                          ('taf2', 'ann&x=1@x.example'), ('taf3', 'Your Message\r\n'),
                          ('taf4', "Bob's + Eve"), ('taf5', 'b%41@y.example'),
                          ('taf6', 'http://%s/tavik-free-huescry/' % HOST)])

        ui.focus(promotion)
        ui.key('alt+x')
        self.assertEqual(program.wait(30), 0)

        # Ending the session ends it through its ending routine, with status 0.
        program, main = self.start()
        subprocess.run(['wineboot', '--end-session'], env=self.env, check=True, timeout=60)
        self.assertEqual(program.wait(30), 0)

        # Its settings, per user, in the roaming application data; names and values scrambled.
        subprocess.run(['wineserver', '-w'], env=self.env, check=True)
        settings = self.in_prefix('users/%s/AppData/Roaming/Tavik/TavikFreeHuescry.ini'
                                  % pwd.getpwuid(os.getuid()).pw_name)
        with open(settings, encoding='latin-1') as stored:
            content = stored.read()
        self.assertIn('[Settings]', content)
        for name in ('Install', 'Duration'):
            self.assertNotIn(name, content)

        self.wine('wine', UNINSTALLER, '/S')
        ui.wait_until(lambda: not os.path.exists(self.in_prefix(FOLDER)), timeout=60,
                      what='the program folder removed')
        subprocess.run(['wineserver', '-w'], env=self.env, check=True)
        self.assertFalse(os.path.exists(self.in_prefix(SHORTCUT)))
        self.assertNotIn(UNINSTALL_KEY, self.registry())
        self.assertTrue(os.path.isfile(settings))


if __name__ == '__main__':
    unittest.main(warnings='ignore')
