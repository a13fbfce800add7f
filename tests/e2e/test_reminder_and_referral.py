#!/usr/bin/python3
"""The update reminder across real runs on different days, and the refer-a-friend request as
the browser receives it."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402

PROGRAM = os.environ['HUESCRY_PROGRAM']
HOST = os.environ['HUESCRY_SITE_HOST']
XCLOSE = os.path.join(os.environ['HUESCRY_TOOLS'], 'xclose')
SETTINGS = os.path.join(os.environ['XDG_CONFIG_HOME'], 'Tavik', 'TavikFreeHuescry.ini')
MAIN_TITLE = r'^Tavik Huescry v1\.15$'


# libfaketime's own preload, so that the process started is the program itself.
FIFTEEN_DAYS_AGO = {'LD_PRELOAD': '/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1',
                    'FAKETIME': '-15d'}


def messages_before_main_window(env=None):
    """Runs the program until its main window shows; the message boxes it showed on the way."""
    app = ui.App([PROGRAM], MAIN_TITLE, env=env)
    try:
        app.window('Tavik Huescry v1.15', role='frame')
        return app.find_all(role='alert', only_showing=False)
    finally:
        app.close()


class UpdateReminder(unittest.TestCase):
    def setUp(self):
        if os.path.exists(SETTINGS):
            os.remove(SETTINGS)

    def test_first_run_records_quietly_and_a_run_fifteen_days_later_asks(self):
        self.assertEqual(messages_before_main_window(FIFTEEN_DAYS_AGO), [])
        self.assertTrue(os.path.exists(SETTINGS))

        later = ui.App([PROGRAM], r'^Tavik Huescry$')
        self.addCleanup(later.close)
        alert = later.window('Tavik Huescry', role='alert')
        labels = [label.name for label in later.find_all(alert, role='label')]
        self.assertTrue(any('There maybe an update' in text and 'Do you want to check' in text
                            for text in labels), labels)
        calls = len(ui.opened_urls())
        ui.focus(ui.windows(pid=later.proc.pid)[0][0])
        ui.key('Return')  # Yes is the default
        ui.wait_until(lambda: len(ui.opened_urls()) == calls + 1, what='download page')
        self.assertEqual(ui.opened_urls()[-1][1:],
                         ['http://%s/tavik-free-huescry/ssd.php?page=download-web-page' % HOST])
        later.window('Tavik Huescry v1.15', role='frame')
        later.close()

        # Asked and recorded today: the next start asks nothing.
        self.assertEqual(messages_before_main_window(), [])


class AnotherName(unittest.TestCase):
    def test_a_copy_under_another_name_keeps_its_own_settings_and_runs_beside(self):
        copy = os.path.join(os.environ['HARNESS_RUN'], 'Huescry2')
        if not os.path.exists(copy):
            os.symlink(PROGRAM, copy)
        shipped = ui.App([PROGRAM], MAIN_TITLE)
        self.addCleanup(shipped.close)
        other = ui.App([copy], MAIN_TITLE)
        self.addCleanup(other.close)
        self.assertEqual(other.find_all(role='alert'), [])
        self.assertTrue(os.path.exists(os.path.join(os.path.dirname(SETTINGS), 'Huescry2.ini')))
        self.assertTrue(shipped.alive())


class ReferAFriend(unittest.TestCase):
    def test_the_request_reaches_the_browser_byte_for_byte(self):
        app = ui.App([PROGRAM], MAIN_TITLE)
        self.addCleanup(app.close)
        subprocess.check_call([XCLOSE, str(app.wid)])
        submit = app.find(role='push button', name='Refer A Friend Now')
        (promotion,) = [wid for wid, _ in ui.windows(pid=app.proc.pid)]
        ui.focus(promotion)
        boxes = {ui.text_of(box): box for box in app.find_all(role='text')}
        for prompt, text in (('Your Name', 'Ann Lee'), ('Your Email Address', 'ann@x.example'),
                             ("Friend's Name", 'Bob & Co'),
                             ("Friend's Email Address", 'bob@y.example')):
            ui.click(boxes[prompt])
            ui.wait_until(lambda: ui.text_of(boxes[prompt]) == '', what='prompt cleared')
            ui.type_text(text)
        calls = len(ui.opened_urls())
        ui.click(submit)
        ui.wait_until(lambda: len(ui.opened_urls()) == calls + 1, what='referral request')
        self.assertEqual(
            ui.opened_urls()[-1][1:],
            ['http://%s/tavik-free-huescry/ssd.php?page=kelt-refer-a-friend&taf1=Ann%%20Lee'
             '&taf2=ann%%40x.example&taf3=Your%%20Message%%0D%%0A&taf4=Bob%%20%%26%%20Co'
             '&taf5=bob%%40y.example&taf6=http://%s/tavik-free-huescry/' % (HOST, HOST)])


if __name__ == '__main__':
    unittest.main(warnings='ignore')
