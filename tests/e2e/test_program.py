#!/usr/bin/python3
"""The real program in a private X server, used as a person would: keys and clicks through the
X server, the screen read back through the accessibility tree, the browser replaced by a recorder.
Run by CTest through xsession.sh."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402

PROGRAM = os.environ.get('HUESCRY_PROGRAM')
HOST = os.environ['HUESCRY_SITE_HOST']
TITLE = 'Tavik Huescry v1.15'


def page(key):
    return 'http://%s/tavik-free-huescry/ssd.php?page=%s' % (HOST, key)


class MainWindow(unittest.TestCase):
    def setUp(self):
        self.app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$')
        self.addCleanup(self.app.close)
        self.main = self.app.window(TITLE, role='frame')
        self.app.focus()

    def name_boxes(self):
        boxes = self.app.find_all(self.main, role='text')
        return sorted(boxes, key=lambda box: ui.center(box)[1])[:2]

    def labels(self):
        return [label.name for label in self.app.find_all(self.main, role='label')]

    def answer_page_in_front(self):
        """The two pages lie in one place; the accessibility tree lists a window's controls in
        drawing order, so the page listed last is the one a person sees."""
        client = self.app.find(self.main, role='filler')
        pages = [child.name for child in client if ui.role_of(child) == 'panel'
                 and child.name in ('', 'Tavik Huescry Result')]
        return pages[-1] == 'Tavik Huescry Result'

    def type_name(self, index, text):
        ui.click(self.name_boxes()[index])
        ui.type_text(text)

    def test_asking_shows_the_colour_and_back_returns(self):
        self.type_name(0, 'anna')
        self.type_name(1, 'Lee')
        ui.click(self.app.find(self.main, role='push button', name='Ask The Huescry'))
        ui.wait_until(lambda: 'Red' in self.labels(), what='the colour Red')
        # The reading is named with its colour, as a screen reader says it.
        self.assertTrue(any(text.startswith('Red. Any type of partnership')
                            for text in self.labels()))
        ui.wait_until(self.answer_page_in_front, what='answer page in front')

        ui.click(self.app.find(self.main, role='push button', name='Back'))
        ui.wait_until(lambda: [ui.text_of(box) for box in self.name_boxes()] == ['', ''],
                      what='names emptied')
        self.assertFalse(self.answer_page_in_front())

    def refused_with_the_message(self):
        # The box can be in the tree a moment before its text shows (seen with Qt 6.8).
        def message():
            return [label.name for alert in self.app.find_all(role='alert')
                    if alert.name == 'Tavik Huescry'
                    for label in self.app.find_all(alert, role='label')]
        ui.wait_until(lambda: 'Please Enter Character Only' in message(), timeout=5,
                      what='the refusal message')
        # And it takes keys only once it is the active window, which can come later still.
        ui.wait_until(lambda: any(alert.getState().contains(ui.pyatspi.STATE_ACTIVE)
                                  for alert in self.app.find_all(role='alert')), timeout=5,
                      what='the message box active')
        ui.key('Return')
        ui.wait_until(lambda: not self.app.find_all(role='alert'), what='message closed')
        self.app.focus()

    def test_only_typed_letters_reach_a_name_box(self):
        self.type_name(0, 'Ann-')
        self.refused_with_the_message()
        # Alt with a key is a menu gesture: it types nothing and says nothing.
        ui.key('alt+q', 'alt+5', 'm')
        ui.wait_until(lambda: ui.text_of(self.name_boxes()[0]) == 'Annm', what='only the m typed')
        self.assertFalse(self.app.find_all(role='alert'))
        ui.key('ctrl+BackSpace')
        self.refused_with_the_message()
        # A letter composed with a dead key is typed like any other character.
        subprocess.run(['setxkbmap', '-layout', 'us', '-variant', 'intl'], check=True)
        self.addCleanup(subprocess.run, ['setxkbmap', '-layout', 'us'], check=True)
        ui.key('dead_acute', 'e')
        self.refused_with_the_message()
        self.assertEqual(ui.text_of(self.name_boxes()[0]), 'Annm')

    def test_banner_and_menu_open_their_pages_in_the_browser(self):
        ui.click(self.app.find(self.main, role='label', name='The Most Popular Online Orvane '
                               'Discussion Board. Best Resource For Everything Orvane. '
                               'Visit Velmora Now'))
        ui.wait_until(lambda: len(ui.opened_urls()) == 1, what='browser call')
        self.app.focus()
        ui.key('alt+d')
        ui.wait_until(lambda: len(ui.opened_urls()) == 2, what='second browser call')
        self.assertEqual([call[1:] for call in ui.opened_urls()],
                         [[page('home-page')], [page('donate')]])


def reading_file(folder):
    """A reading file of Mary Jones as the sibling program writes it, in a folder of the run."""
    path = os.path.join(os.environ['HARNESS_RUN'], folder, 'mary.num')
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as out:
        out.write(b'Tallowen\r\nMary\r\nJones\r\n\x86\x87\r\n\x8d\r\n\x86\x8e\x8e\x85\r\n')
    return path


class OpenCommand(unittest.TestCase):
    def test_alt_o_reads_a_chosen_reading_file_and_shows_the_reading(self):
        path = reading_file('readings')
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$')
        self.addCleanup(app.close)
        main = app.window(TITLE, role='frame')
        app.focus()
        boxes = sorted(app.find_all(main, role='text'), key=lambda box: ui.center(box)[1])[:2]
        for box, name in zip(boxes, ('Mary', 'Jones')):
            ui.click(box)
            ui.type_text(name)
        ui.key('alt+o')
        app.window('Select the source file', role='dialog')
        ui.type_text(path)
        ui.key('Return')
        ui.wait_until(lambda: 'Green' in [label.name for label in app.find_all(main, role='label')],
                      what='the reading of the file')
        self.assertEqual([title for _, title in ui.windows(pid=app.proc.pid)], [TITLE])


if __name__ == '__main__':
    unittest.main(warnings='ignore')
