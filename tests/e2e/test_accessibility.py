#!/usr/bin/python3
"""What a screen reader hears: every control a person can use in each window has a name."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402

PROGRAM = os.environ['HUESCRY_PROGRAM']
XCLOSE = os.path.join(os.environ['HUESCRY_TOOLS'], 'xclose')
TITLE = 'Tavik Huescry v1.15'
USABLE = {'push button', 'toggle button', 'check box', 'text', 'combo box', 'menu item', 'label'}


def unnamed_controls(window):
    found = []
    for control in ui.walk(window):
        if ui.role_of(control) not in USABLE or control.name.strip():
            continue
        # An editable list's own edit field and item list speak through the list's name.
        if control.parent is not None and ui.role_of(control.parent) == 'combo box':
            continue
        found.append('%s in %s' % (ui.role_of(control), ui.role_of(control.parent)))
    return found


class ScreenReader(unittest.TestCase):
    def setUp(self):
        self.app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$')
        self.addCleanup(self.app.close)
        self.main = self.app.window(TITLE, role='frame')

    def names(self, window, role):
        """Also of the controls that lie out of sight, which a reader reaches with the keyboard."""
        return [control.name
                for control in self.app.find_all(window, role=role, only_showing=False)]

    def test_the_main_window_names_every_control(self):
        self.assertEqual(unnamed_controls(self.main), [])
        self.assertEqual(self.names(self.main, 'combo box'), ['Date', 'Month', 'Year'])
        self.assertIn('Enter First Name', self.names(self.main, 'text'))
        self.assertIn('Enter Last Name', self.names(self.main, 'text'))

    def test_the_about_window_names_every_control(self):
        self.app.focus()
        ui.key('alt+h')
        ui.key('a')
        about = self.app.window(TITLE, role='dialog')
        self.assertEqual(unnamed_controls(about), [])
        self.assertTrue(self.app.find_all(about, name='Tavik Huescry icon'))

    def test_the_promotion_window_names_every_control(self):
        subprocess.check_call([XCLOSE, str(self.app.wid)])
        self.app.find(role='push button', name='Exit')
        promotion = [window for window in self.app.toplevels()
                     if self.app.find_all(window, role='push button', name='Exit')][0]
        self.assertEqual(unnamed_controls(promotion), [])
        self.assertEqual(sorted(self.names(promotion, 'text')),
                         sorted(["Your Name", "Your Email Address", "Friend's Name",
                                 "Friend's Email Address", "Your Message"]))


if __name__ == '__main__':
    unittest.main(warnings='ignore')
