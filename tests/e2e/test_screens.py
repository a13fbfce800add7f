#!/usr/bin/python3
"""The windows as a person sees them, at the normal scale and at twice it. With
HUESCRY_SCREENSHOTS set, the pictures are kept there (the README's screenshots come from here)."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402

PROGRAM = os.environ['HUESCRY_PROGRAM']
XCLOSE = os.path.join(os.environ['HUESCRY_TOOLS'], 'xclose')
TITLE = 'Tavik Huescry v1.15'
KEEP = os.environ.get('HUESCRY_SCREENSHOTS')


def extents(acc):
    box = acc.queryComponent().getExtents(ui.pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def geometry(wid):
    """A window's place and size on the screen, in the screen's own pixels."""
    out = ui.x('xdotool', 'getwindowgeometry', '--shell', str(wid))
    fields = dict(line.split('=') for line in out.split())
    return int(fields['X']), int(fields['Y']), int(fields['WIDTH']), int(fields['HEIGHT'])


def picture(wid, name):
    """Crops the screen to the window; keeps the picture when asked to."""
    x, y, width, height = geometry(wid)
    folder = KEEP or os.environ['HARNESS_RUN']
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name + '.png')
    shot = ui.screenshot(os.path.join(os.environ['HARNESS_RUN'], 'screen.png'))
    ui.x('convert', shot, '-crop', '%dx%d+%d+%d' % (width, height, x, y), '+repage', path)
    return path


def colours_in(path):
    return int(ui.x('identify', '-format', '%k', path))


class Screens(unittest.TestCase):
    def start(self, scale=1):
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$', env={'QT_SCALE_FACTOR': str(scale)})
        self.addCleanup(app.close)
        return app, app.window(TITLE, role='frame')

    def test_twice_the_scale_keeps_every_proportion(self):
        sizes = {}
        for scale in (1, 2):
            app, main = self.start(scale)
            # The accessibility tree speaks in unscaled pixels: at any scale the same sizes.
            # Both offers, whichever a start brings to the front.
            labels = {label.name: extents(label)[2:]
                      for label in app.find_all(main, role='label', only_showing=False)}
            sizes[scale] = (geometry(app.wid)[2:], labels)
            self.assertGreater(colours_in(picture(app.wid, 'main-window-%dx' % scale)), 50)
            app.close()
        (window1, labels1), (window2, labels2) = sizes[1], sizes[2]
        self.assertEqual(window2, (2 * window1[0], 2 * window1[1]))
        self.assertEqual(labels2, labels1)

    def test_each_window_on_screen(self):
        app, main = self.start()
        app.focus()
        for box, name in zip(sorted(app.find_all(main, role='text'),
                                    key=lambda box: ui.center(box)[1])[:2], ('anna', 'Lee')):
            ui.click(box)
            ui.type_text(name)
        picture(app.wid, 'question-page')
        ui.key('alt+a')
        ui.wait_until(lambda: app.find_all(main, role='label', name='Red'), what='the reading')
        picture(app.wid, 'answer-page')
        ui.key('alt+h')
        ui.key('a')
        app.window(TITLE, role='dialog')
        (about,) = [wid for wid, _ in ui.windows(pid=app.proc.pid) if wid != app.wid]
        self.assertGreater(colours_in(picture(about, 'about-window')), 20)
        ui.key('Escape')
        ui.wait_until(lambda: not app.find_all(role='dialog'), what='About closed')
        subprocess.check_call([XCLOSE, str(app.wid)])
        app.find(role='push button', name='Exit')
        (promotion,) = [wid for wid, _ in ui.windows(pid=app.proc.pid)]
        self.assertGreater(colours_in(picture(promotion, 'exit-promotion-window')), 20)


if __name__ == '__main__':
    unittest.main(warnings='ignore')
