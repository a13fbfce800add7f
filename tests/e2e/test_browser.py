#!/usr/bin/python3
"""Links and the referral request as they reach the web site through the real xdg-open and a
real browser (headless Chromium), with a server on 127.0.0.1 standing in for the site."""
import os
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import uidriver as ui  # noqa: E402
from standinsite import serve_site_behind_browser  # noqa: E402

PROGRAM = os.environ['HUESCRY_PROGRAM']
HOST = os.environ['HUESCRY_SITE_HOST']
XCLOSE = os.path.join(os.environ['HUESCRY_TOOLS'], 'xclose')
TITLE = 'Tavik Huescry v1.15'


class RealBrowser(unittest.TestCase):
    def setUp(self):
        self.site, self.env = serve_site_behind_browser(self, HOST)

    def test_every_link_and_a_hostile_referral_arrive_as_sent(self):
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$', env=self.env)
        self.addCleanup(app.close)
        main = app.window(TITLE, role='frame')
        arrived, expected = [], []

        def link(act, key):
            arrived.append(self.site.request_after(act))
            expected.append('page=' + key)

        def keys(*names):
            return lambda: (app.focus(), ui.key(*names))

        def label(window, text):
            return lambda: ui.click(app.find(window, role='label', name=text))

        link(label(main, 'The Most Popular Online Orvane Discussion Board. Best Resource For '
                   'Everything Orvane. Visit Velmora Now'), 'home-page')
        # The offer in front is the one listed last; it is the one a click reaches.
        offers = [child for child in app.find(main, role='filler')
                  if child.name.startswith(('Co-brand this', 'Home Business'))]
        link(lambda: ui.click(offers[-1]),
             'co-brand' if offers[-1].name.startswith('Co-brand') else 'fully-branded')
        link(keys('alt+h', 'o'), 'help-web-page')
        link(keys('alt+h', 'v'), 'home-page')
        link(keys('alt+h', 'c'), 'download-web-page')
        link(keys('alt+d'), 'donate')
        app.focus()
        ui.key('alt+h', 'a')
        about = app.window(TITLE, role='dialog')
        link(label(about, 'Click here for more details'), 'fully-branded')
        link(lambda: ui.click([child for child in app.find_all(about, role='label')
                               if child.name.endswith(HOST)][0]), 'home-page')
        ui.focus(ui.windows(pid=app.proc.pid, name='^%s$' % TITLE)[-1][0])
        ui.key('Escape')
        ui.wait_until(lambda: not ui.showing(about), what='About window closed')

        subprocess.check_call([XCLOSE, str(app.wid)])
        submit = app.find(role='push button', name='Refer A Friend Now')
        promotion = ui.windows(pid=app.proc.pid)[0][0]
        link(lambda: ui.click(app.find(name='Click Here To Visit Velmora Now')), 'home-page')
        link(lambda: ui.click(app.find(role='label', name='Click Here To Visit Orvane Softwares')),
             'orvanesoftwares')
        self.assertEqual(arrived, expected)

        entries = {'Your Name': ' Zoë & Co = 100% #1 ', 'Your Email Address': 'ann&x=1@x.example',
                   "Friend's Name": "Bob's + Eve", "Friend's Email Address": 'b#2+%41@y.example'}
        boxes = {ui.text_of(box): box for box in app.find_all(role='text')}
        for prompt, text in entries.items():
            ui.focus(promotion)
            ui.click(boxes[prompt])
            ui.wait_until(lambda: ui.text_of(boxes[prompt]) == '', what='prompt cleared')
            ui.type_text(text)
        query = self.site.request_after(lambda: ui.click(submit))
        self.assertEqual(urllib.parse.parse_qsl(query, keep_blank_values=True, strict_parsing=True),
                         [('page', 'kelt-refer-a-friend'), ('taf1', 'Zoë & Co = 100% #1'),
                          ('taf2', 'ann&x=1@x.example'), ('taf3', 'Your Message\r\n'),
                          ('taf4', "Bob's + Eve"), ('taf5', 'b#2+%41@y.example'),
                          ('taf6', 'http://%s/tavik-free-huescry/' % HOST)])

    def test_without_a_browser_a_click_changes_nothing_the_user_sees(self):
        # No desktop file anywhere handles web addresses, and nothing the generic search tries
        # is there.
        nothing = tempfile.mkdtemp(dir=os.environ['HARNESS_RUN'])
        env = dict(self.env, BROWSER='no-browser-installed', XDG_DATA_HOME=nothing,
                   XDG_DATA_DIRS=nothing, XDG_CONFIG_DIRS=nothing)
        app = ui.App([PROGRAM], r'^Tavik Huescry v1\.15$', env=env)
        self.addCleanup(app.close)
        main = app.window(TITLE, role='frame')
        app.focus()
        ui.key('alt+d')
        boxes = sorted(app.find_all(main, role='text'), key=lambda box: ui.center(box)[1])[:2]
        for box, name in zip(boxes, ('anna', 'Lee')):
            ui.click(box)
            ui.type_text(name)
        ui.click(app.find(main, role='push button', name='Ask The Huescry'))
        ui.wait_until(lambda: 'Red' in [label.name for label in app.find_all(main, role='label')],
                      what='a reading after the click')
        self.assertEqual(app.find_all(role='alert', only_showing=False), [])
        self.assertEqual([title for _, title in ui.windows(pid=app.proc.pid)], [TITLE])
        self.assertEqual(self.site.queries, [])


if __name__ == '__main__':
    unittest.main(warnings='ignore')
