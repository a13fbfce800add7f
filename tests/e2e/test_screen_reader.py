#!/usr/bin/python3
"""A blind user with Orca and the keyboard alone: everything the program shows is heard.
Run by CTest through xsession.sh --wm with HUESCRY_SCREEN_READER set; skipped elsewhere."""
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402
from screenreader import ScreenReader, heard  # noqa: E402

PROGRAM = os.environ.get('HUESCRY_PROGRAM')
# libfaketime's preload, for a start fifteen days after the first, when the update question comes.
FIFTEEN_DAYS_LATER = {'LD_PRELOAD': '/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1',
                      'FAKETIME': '+15d'}
SUPPORT_MESSAGE_OPENINGS = ('Orvane Softwares, such as this', 'Visit Velmora regularly.',
                            'Velmora is a FREE online', 'Velmora needs your help.')


@unittest.skipUnless(os.environ.get('HUESCRY_SCREEN_READER'), 'run with Orca by its own CTest entry')
class BlindUser(unittest.TestCase):
    def hears(self, said, *expected, menu=False):
        # On a busy machine Orca may pause longer than its quiet time between two things it says
        # about one step: listen on a while before calling anything unheard.
        deadline = time.monotonic() + 10
        while not all(words in heard(said) for words in expected) and time.monotonic() < deadline:
            said = said + self.orca.settle()
        text = heard(said)
        for words in expected:
            self.assertIn(words, text)
        # An access key does its one job: it never opens the menu bar as well.
        if not menu:
            self.assertNotIn('File.', said)

    def test_asks_goes_back_reads_about_and_refers_a_friend_hearing_every_step(self):
        orca = self.orca = ScreenReader()
        self.addCleanup(orca.stop)
        # As on a desktop: the screen reader switches the program's accessibility on itself.
        errors = tempfile.TemporaryFile('w+')
        self.addCleanup(errors.close)
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$',
                     env={'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': None}, stderr=errors)
        self.addCleanup(app.close)
        app.focus()
        self.hears(orca.settle(), 'Tavik Huescry v1.15 frame.', 'Enter First Name text.')

        # A reading, heard where the focus lands, and heard again with Where Am I.
        orca.type('anna')
        self.hears(orca.press('Tab'), 'Enter Last Name text.')
        orca.type('Lee')
        self.hears(orca.press('alt+a'), 'Tavik Huescry Result',
                   'Red. Any type of partnership on your personal front')
        self.hears(orca.press('KP_Enter'), 'Red. Any type of partnership')

        # Tab goes on from the answer to Back; Enter presses it, and the page change is heard.
        self.hears(orca.press('Tab'), 'Back push button.')
        self.hears(orca.press('Return'), 'Enter First Name text.')

        # Enter on the focused Ask button asks; Alt+B goes back.
        orca.type('John')
        orca.press('Tab')
        orca.type('Smith')
        self.hears(orca.press('Tab'), 'Ask The Huescry push button.')
        self.hears(orca.press('Return'), 'Yellow. The keyword')
        self.hears(orca.press('alt+b'), 'Enter First Name text.')

        # A message box, read whole.
        self.hears(orca.press('alt+a'), 'alert Tavik Huescry.', 'Please Enter Your First Name.',
                   'OK push button.')
        self.hears(orca.press('Return'), 'Enter First Name text.')

        # Alt alone opens the menu bar; the About window is read whole.
        self.hears(orca.press('alt'), 'File.', menu=True)
        orca.press('Escape')
        self.hears(orca.press('alt+h'), 'Online Help.', menu=True)
        self.hears(orca.press('a'), 'Tavik Huescry v1.15 dialog', 'Colors are known to have great',
                   'OK push button.')
        self.hears(orca.press('Return'), 'Tavik Huescry v1.15')

        # Closing the main window: the promotion window is read as a dialog with its message.
        said = orca.press('alt+F4')
        self.hears(said, 'Tavik Huescry v1.15 dialog', 'Exit push button.')
        self.assertTrue(any(opening in heard(said) for opening in SUPPORT_MESSAGE_OPENINGS), said)

        # Every refer-a-friend box is named as the focus arrives, though its prompt leaves then.
        self.hears(orca.press('Tab'), 'Click Here To Visit Velmora Now')
        self.hears(orca.press('Tab'), 'Your Name text.')
        orca.type('Ann Lee')
        self.hears(orca.press('Tab'), 'Refer A Friend Now push button.')
        for box, entry in (('Your Email Address', 'ann@example.org'),
                           ("Friend's Email Address", 'bo@example.org'),
                           ("Friend's Name", 'Bo')):
            self.hears(orca.press('Tab'), box + ' text.')
            orca.type(entry)
        self.hears(orca.press('Tab'), 'Your Message text.')
        orca.press('alt+n')
        ui.wait_until(lambda: len(ui.opened_urls()) == 1, what='the referral in the browser')
        self.assertIn('&taf1=Ann%20Lee&taf2=ann%40example.org&', ui.opened_urls()[0][1])

        orca.press('alt+x')
        self.assertEqual(app.proc.wait(10), 0)

        # Fifteen days on, the update question comes first and is answered No; then the program
        # ends as a person ends it.
        app = ui.App([PROGRAM], r'^Tavik Huescry$', stderr=errors,
                     env={'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': None, **FIFTEEN_DAYS_LATER})
        self.addCleanup(app.close)
        # Orca 48 names the question's window, but not always the Yes button it opens on: the
        # focus may arrive before Orca has taken up the window. Tab from Yes lands on No.
        self.hears(orca.settle(), 'alert Tavik Huescry.')
        self.hears(orca.press('Tab'), 'No push button.')
        self.hears(orca.press('space'), 'Tavik Huescry v1.15 frame.')
        self.hears(orca.press('alt+F4'), 'Exit push button.')
        orca.press('alt+x')
        self.assertEqual(app.proc.wait(10), 0)
        # Nothing the reader asked about was gone, and nothing it was told of was unreadable.
        errors.seek(0)
        complaints = [line for line in errors if 'qt.accessibility' in line]
        self.assertEqual(complaints[:3], [], '%d lines' % len(complaints))


if __name__ == '__main__':
    unittest.main(warnings='ignore')
