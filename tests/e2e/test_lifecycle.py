#!/usr/bin/python3
"""Starting and ending the real program: one copy at a time, the promotion window on closing,
a clean exit however it is asked to end."""
import os
import signal
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402

PROGRAM = os.environ['HUESCRY_PROGRAM']
XCLOSE = os.path.join(os.environ['HUESCRY_TOOLS'], 'xclose')
TITLE = 'Tavik Huescry v1.15'


def start():
    return ui.App([PROGRAM], r'^Tavik Huescry v1\.15$')


def window_titles(app):
    return [title for _, title in ui.windows(pid=app.proc.pid)]


class Lifecycle(unittest.TestCase):
    def started(self):
        app = start()
        self.addCleanup(app.close)
        return app

    def close_main_window(self, app):
        subprocess.check_call([XCLOSE, str(app.wid)])
        ui.wait_until(lambda: app.find_all(role='push button', name='Exit'),
                      what='the promotion window')
        (promotion,) = [wid for wid, _ in ui.windows(pid=app.proc.pid)]
        return promotion

    def test_a_second_copy_is_refused_and_the_first_runs_on(self):
        first = self.started()
        second = ui.App([PROGRAM], r'^Tavik Huescry$')
        self.addCleanup(second.close)
        alert = second.window('Tavik Huescry', role='alert')
        self.assertIn('Application is already running',
                      [label.name for label in second.find_all(alert, role='label')])
        self.assertEqual(second.find_all(role='frame'), [])
        ui.focus(ui.windows(pid=second.proc.pid)[0][0])
        ui.key('Return')
        self.assertEqual(second.proc.wait(10), 0)
        self.assertTrue(first.alive())
        self.assertEqual(window_titles(first), [TITLE])

    def test_a_killed_copy_does_not_keep_the_next_one_out(self):
        # In a new PID namespace, as sandboxes and containers run programs, every copy gets the
        # same process id as the one that died.
        for way, prefix in [('plain', []),
                            ('own PID namespace', ['unshare', '--pid', '--fork', '--mount-proc'])]:
            with self.subTest(way):
                if prefix and os.geteuid() != 0:
                    self.skipTest('a new PID namespace needs root')
                for start in range(3):
                    launcher = subprocess.Popen(prefix + [PROGRAM])
                    (_, title), = ui.wait_until(lambda: ui.windows(name='^Tavik Huescry'),
                                                  what='a window of start %d' % start)
                    self.assertEqual(title, TITLE)
                    # The program itself, not unshare, dies; its namespace with it.
                    program = int(ui.x('pgrep', '-P', str(launcher.pid))) if prefix \
                        else launcher.pid
                    os.kill(program, signal.SIGKILL)
                    launcher.wait(10)
                    ui.wait_until(lambda: not ui.windows(name='^Tavik Huescry'),
                                  what='the killed copy gone')

    def test_of_ten_copies_started_together_exactly_one_runs(self):
        copies = [subprocess.Popen([PROGRAM]) for _ in range(10)]

        def stop_all():
            for copy in copies:
                copy.kill()
                copy.wait()
        self.addCleanup(stop_all)

        def shown():
            titles = [title for copy in copies for _, title in ui.windows(pid=copy.pid)]
            return titles if len(titles) == 10 else None
        titles = ui.wait_until(shown, timeout=30, what='ten copies on screen')
        self.assertEqual(sorted(titles), ['Tavik Huescry'] * 9 + [TITLE])

    def test_closing_the_main_window_shows_the_promotion_and_exit_ends_with_status_zero(self):
        app = self.started()
        promotion = self.close_main_window(app)
        self.assertTrue(app.alive())
        self.assertIn('_NET_WM_STATE_ABOVE', ui.net_wm_state(promotion))
        self.assertEqual(window_titles(app), [TITLE])
        ui.click(app.find(role='push button', name='Exit'))
        self.assertEqual(app.proc.wait(10), 0)

    def test_the_promotion_close_box_ends_the_program(self):
        app = self.started()
        promotion = self.close_main_window(app)
        subprocess.check_call([XCLOSE, str(promotion)])
        self.assertEqual(app.proc.wait(10), 0)

    def test_a_terminate_signal_ends_the_program_cleanly(self):
        app = self.started()
        app.proc.send_signal(signal.SIGTERM)
        self.assertEqual(app.proc.wait(10), 0)


if __name__ == '__main__':
    unittest.main(warnings='ignore')
