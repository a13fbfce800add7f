#!/usr/bin/python3
"""The faults an ordinary user meets, with permissions that really apply: a settings folder or
file that cannot be written, a full disk, a write-protected reading file, a runtime folder that
cannot be written. Run by as_ordinary_user.sh as an unprivileged user."""
import os
import stat
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402
from test_program import reading_file  # noqa: E402
from test_reminder_and_referral import FIFTEEN_DAYS_AGO, messages_before_main_window  # noqa: E402

PROGRAM = os.environ['HUESCRY_PROGRAM']
TITLE = 'Tavik Huescry v1.15'
FULL_DISK = os.environ.get('HUESCRY_FULL_DISK')
READONLY_RUNTIME = os.environ.get('HUESCRY_READONLY_RUNTIME')


def snapshot(folder):
    """Every file of a folder with its bytes."""
    files = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), 'rb') as stored:
            files[name] = stored.read()
    return files


def fill_up(folder):
    descriptor = os.open(os.path.join(folder, 'filler'), os.O_WRONLY | os.O_CREAT)
    try:
        while True:
            os.write(descriptor, b'\0' * 4096)
    except OSError:
        pass
    finally:
        os.close(descriptor)


def questions_until_main_window(env=None):
    """Starts the program and answers each question it asks before its main window with the
    default answer; how many it asked."""
    app = ui.App([PROGRAM], r'^Tavik Huescry( v1\.15)?$', env=env)
    try:
        asked = 0
        while True:
            shown = ui.wait_until(lambda: [w for w in app.toplevels()
                                           if ui.role_of(w) in ('frame', 'alert')],
                                  what='a question or the main window')
            if ui.role_of(shown[0]) == 'frame':
                return asked
            asked += 1
            ui.focus(ui.windows(pid=app.proc.pid, name='^Tavik Huescry$')[0][0])
            ui.key('Return')
            ui.wait_until(lambda: not ui.showing(shown[0]), what='question answered')
    finally:
        app.close()


@unittest.skipUnless(os.environ.get('HUESCRY_ORDINARY_USER'), 'run by as_ordinary_user.sh')
class OrdinaryUser(unittest.TestCase):
    def setUp(self):
        self.assertNotEqual(os.getuid(), 0, 'permissions do not apply to root')

    def test_settings_that_cannot_be_written_are_left_as_they_were(self):
        home = os.environ['XDG_CONFIG_HOME']

        def read_only_folder(folder):
            os.chmod(folder, 0o555)

        def read_only_file(folder):
            os.chmod(os.path.join(folder, 'TavikFreeHuescry.ini'), 0o444)

        cases = [('read-only folder', home, read_only_folder),
                 ('read-only file', home, read_only_file)]
        if FULL_DISK:
            cases.append(('full disk', FULL_DISK, fill_up))
        for name, config_home, make_unwritable in cases:
            folder = os.path.join(config_home, 'Tavik')
            for first_start in (True, False):
                with self.subTest(name, first_start=first_start):
                    os.makedirs(folder, exist_ok=True)
                    env = {'XDG_CONFIG_HOME': config_home}
                    if not first_start:
                        # Recorded fifteen days ago: this start asks, then writes.
                        messages_before_main_window(dict(FIFTEEN_DAYS_AGO, **env))
                    elif name == 'read-only file':
                        continue  # there is no file yet
                    make_unwritable(folder)
                    before = snapshot(folder)
                    try:
                        self.assertEqual(questions_until_main_window(env), 0 if first_start else 1)
                        self.assertEqual(snapshot(folder), before)
                    finally:
                        os.chmod(folder, 0o755)
                        for name_stored in os.listdir(folder):
                            os.remove(os.path.join(folder, name_stored))

    def test_a_write_protected_reading_file_is_refused_and_the_dialog_comes_back(self):
        path = reading_file('protected')
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$')
        self.addCleanup(app.close)
        main = app.window(TITLE, role='frame')
        app.focus()
        ui.key('alt+o')
        app.window('Select the source file', role='dialog')
        ui.type_text(path)
        ui.key('Return')
        warning = app.window('Select the source file', role='alert')
        self.assertTrue(any('write-protected' in label.name
                            for label in app.find_all(warning, role='label')))
        ui.key('Return')
        app.window('Select the source file', role='dialog')
        ui.key('Escape')
        ui.wait_until(lambda: not app.find_all(role='dialog'), what='dialog cancelled')
        self.assertNotIn('Green', [label.name for label in app.find_all(main, role='label')])

    @unittest.skipUnless(READONLY_RUNTIME, 'needs a read-only runtime folder')
    def test_without_a_writable_runtime_folder_the_program_runs_and_so_does_a_second_copy(self):
        env = {'XDG_RUNTIME_DIR': READONLY_RUNTIME}
        first = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$', env=env)
        self.addCleanup(first.close)
        first.window(TITLE, role='frame')
        second = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$', env=env)
        self.addCleanup(second.close)
        second.window(TITLE, role='frame')
        self.assertEqual(first.find_all(role='alert') + second.find_all(role='alert'), [])


if __name__ == '__main__':
    unittest.main(warnings='ignore')
