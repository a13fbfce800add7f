"""A server on 127.0.0.1 standing in for the maker's web site, and a desktop whose default
browser (headless Chromium behind the real xdg-open) takes the site's addresses there."""
import http.server
import os
import tempfile
import threading

import uidriver as ui

PAGE_PATH = '/tavik-free-huescry/ssd.php'


class StandInSite(http.server.ThreadingHTTPServer):
    """Records the query of every request for the page script, as the site would receive it."""

    def __init__(self):
        self.queries = []

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(handler):  # noqa: N805
                path, _, query = handler.path.partition('?')
                if path == PAGE_PATH:
                    self.queries.append(query)
                handler.send_response(200)
                handler.send_header('Content-Type', 'text/html')
                handler.end_headers()
                handler.wfile.write(b'<html><body>ok</body></html>')

            def log_message(handler, *args):  # noqa: N805
                pass

        super().__init__(('127.0.0.1', 0), Handler)

    def request_after(self, act):
        """Does what a person does and waits for the page it opens to reach the site."""
        before = len(self.queries)
        act()
        ui.wait_until(lambda: len(self.queries) == before + 1, what='request at the site')
        return self.queries[-1]


def desktop_with_browser(folder, port, host):
    """XDG folders of a desktop whose default browser is headless Chromium, with the site's host
    mapped to the stand-in; the environment that starts the program there."""
    data, config = os.path.join(folder, 'data'), os.path.join(folder, 'config')
    os.makedirs(os.path.join(data, 'applications'))
    os.makedirs(config)
    browser = os.path.join(folder, 'browser')
    with open(browser, 'w') as out:
        out.write('#!/bin/sh\nprofile=$(mktemp -d)\n'
                  'chromium --headless=new --no-sandbox --disable-gpu --user-data-dir="$profile" '
                  '--no-first-run --disable-features=HttpsUpgrades '
                  '--host-resolver-rules="MAP %s 127.0.0.1:%d, MAP * ~NOTFOUND" '
                  '--dump-dom "$1" >/dev/null 2>&1\nrm -rf "$profile"\n' % (host, port))
    os.chmod(browser, 0o755)
    with open(os.path.join(data, 'applications', 'test-browser.desktop'), 'w') as out:
        out.write('[Desktop Entry]\nType=Application\nName=Test browser\nExec=%s %%u\n'
                  'MimeType=x-scheme-handler/http;\n' % browser)
    with open(os.path.join(config, 'mimeapps.list'), 'w') as out:
        out.write('[Default Applications]\nx-scheme-handler/http=test-browser.desktop\n')
    # The harness's recording xdg-open steps aside for the real one.
    path = os.pathsep.join(part for part in os.environ['PATH'].split(os.pathsep)
                           if not part.startswith(os.environ['HARNESS_RUN']))
    return {'PATH': path, 'BROWSER': None, 'XDG_DATA_HOME': data, 'XDG_CONFIG_HOME': config}


def serve_site_behind_browser(test, host):
    """A stand-in site for the test's duration, and the environment of a desktop whose browser
    takes the host's addresses to it."""
    site = StandInSite()
    threading.Thread(target=site.serve_forever, daemon=True).start()
    test.addCleanup(site.server_close)
    test.addCleanup(site.shutdown)
    folder = tempfile.mkdtemp(dir=os.environ['HARNESS_RUN'])
    return site, desktop_with_browser(folder, site.server_address[1], host)
