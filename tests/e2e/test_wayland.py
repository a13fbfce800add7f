#!/usr/bin/python3
"""The real program on a Wayland desktop (weston, headless): through XWayland where the desktop
has it, natively where it has none, and natively when the user asks for it. Driven through the
accessibility tree, the one way in that reaches a native Wayland client here.
Run by CTest through xsession.sh --weston; skipped elsewhere."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402

PROGRAM = os.environ.get('HUESCRY_PROGRAM')
TITLE = 'Tavik Huescry v1.15'


@unittest.skipUnless(os.environ.get('WAYLAND_DISPLAY'), 'needs a Wayland desktop')
class WaylandDesktop(unittest.TestCase):
    def run_through(self, env, x11):
        """Asks once, closes the main window, ends from the promotion window; True when the
        program's windows were X windows."""
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$', env=env, x11=x11)
        self.addCleanup(app.close)
        main = app.window(TITLE, role='frame')
        boxes = sorted(app.find_all(main, role='text'), key=lambda box: ui.center(box)[1])[:2]
        for box, name in zip(boxes, ('anna', 'Lee')):
            box.queryEditableText().setTextContents(name)
        app.find(main, role='push button', name='Ask The Huescry').queryAction().doAction(0)
        ui.wait_until(lambda: 'Red' in [label.name for label in app.find_all(main, role='label')],
                      what='the colour Red')
        # File, Exit: the entry is in the tree while its menu is closed.
        ui.wait_until(lambda: app.find_all(main, role='menu item', name='Exit',
                                           only_showing=False))[0].queryAction().doAction(0)
        promotion = ui.wait_until(
            lambda: [w for w in app.toplevels() if w.name == TITLE and w != main],
            what='the exit promotion window')[0]
        ui.wait_until(lambda: not ui.showing(main), what='main window gone')
        shown_as_x11 = bool(os.environ.get('DISPLAY')) and bool(ui.windows(pid=app.proc.pid))
        app.find(promotion, role='push button', name='Exit').queryAction().doAction(0)
        self.assertEqual(app.proc.wait(10), 0)
        return shown_as_x11

    def test_with_xwayland_the_program_runs_as_an_x11_client(self):
        self.assertTrue(self.run_through({}, x11=True))

    def test_without_xwayland_it_runs_natively(self):
        self.assertFalse(self.run_through({'DISPLAY': None}, x11=False))

    def test_a_platform_the_user_chose_stands(self):
        self.assertFalse(self.run_through({'QT_QPA_PLATFORM': 'wayland'}, x11=False))


if __name__ == '__main__':
    unittest.main(warnings='ignore')
