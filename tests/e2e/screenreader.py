"""A real screen reader in the test's X session: Orca, speaking through a speech-dispatcher that
writes what it is given to a file instead of a sound card. What was said is read back from Orca's
own log, one utterance a line, as a blind user would have heard it.

Run inside xsession.sh: Orca needs its session bus and accessibility bus.
"""
import os
import re
import subprocess
import time

import uidriver as ui

# Orca writes its log through a block buffer; line by line, what was said can be waited for.
LAUNCHER = r'''
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def line_buffered(file, mode='r', *args, **kwargs):
    if file == log and 'w' in mode:
        return plain_open(file, mode, buffering=1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv = ['/usr/bin/orca', '--debug-file', log, '--replace']
runpy.run_path('/usr/bin/orca', run_name='__main__')
'''

SPEECHD_CONF = '''CommunicationMethod "unix_socket"
SocketPath "default"
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
DefaultLanguage "en"
AudioOutputMethod "libao"
'''

CAPTURE_CONF = '''GenericExecuteSynth "printf '%%s\\n' \\'$DATA\\' >> %s"
AddVoice "en" "MALE1" "en"
'''

# Orca 48 puts a space between the utterance and its voice, Orca 43 none.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: ?\{.*\})?$")
# Orca goes on speaking about a key for a moment after it; this long a silence ends an answer.
QUIET_SECONDS = 1.5


class ScreenReader:
    def __init__(self):
        run = os.path.join(os.environ['HARNESS_RUN'], 'orca')
        os.makedirs(os.path.join(run, 'speechd', 'modules'), exist_ok=True)
        with open(os.path.join(run, 'speechd', 'speechd.conf'), 'w') as conf:
            conf.write(SPEECHD_CONF)
        with open(os.path.join(run, 'speechd', 'modules', 'capture.conf'), 'w') as conf:
            conf.write(CAPTURE_CONF % os.path.join(run, 'speech.txt'))
        with open(os.path.join(os.environ['HOME'], '.libao'), 'w') as libao:
            libao.write('default_driver=null\n')
        self.log = os.path.join(run, 'orca.log')
        self.processes = []
        socket = os.path.join(os.environ['XDG_RUNTIME_DIR'], 'speech-dispatcher', 'speechd.sock')
        self.processes.append(subprocess.Popen(
            ['speech-dispatcher', '-s', '-t', '0', '-C', os.path.join(run, 'speechd')],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        try:
            ui.wait_until(lambda: os.path.exists(socket), what='speech-dispatcher')
            self.processes.append(subprocess.Popen(
                ['/usr/bin/python3', '-c', LAUNCHER, self.log],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            self.read = 0
            ui.wait_until(lambda: self._lines(), what='Orca starting to speak')
        except Exception:
            # No test owns them yet to stop them.
            self.stop()
            raise
        self.settle()

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def _lines(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding='utf-8', errors='replace') as log:
            return [match.group(1) for match in map(SPOKEN.search, log) if match]

    def settle(self):
        """Waits until Orca has been quiet a while; returns what it said since the last call."""
        seen = len(self._lines())
        quiet_since = time.monotonic()
        while time.monotonic() - quiet_since < QUIET_SECONDS:
            time.sleep(0.1)
            now = len(self._lines())
            if now != seen:
                seen, quiet_since = now, time.monotonic()
        said = self._lines()[self.read:]
        self.read += len(said)
        return said

    def press(self, *keys):
        """Presses keys as a person would, one at a time, and returns what was then said."""
        for name in keys:
            ui.key(name)
            # Orca counts a key pressed again within its double-press time as one double press.
            time.sleep(0.7)
        return self.settle()

    def type(self, text):
        """Types as a person would, and returns what was said meanwhile (the keys echoed)."""
        ui.type_text(text, delay_ms=120)
        return self.settle()


def heard(said):
    """Everything said, as one text to search. Orca 48 ends an utterance without the full stop that
    Orca 43 gives it, and names roles as at-spi2-core 2.56 does: here both are as Orca 43 says."""
    utterances = []
    for utterance in said:
        for new, old in ui.ROLE_NAMES.items():
            utterance = re.sub(r'(?<!%s)\b%s\b' % (re.escape(old[:-len(new)]), re.escape(new)),
                               old, utterance)
        utterances.append(utterance if utterance.endswith(('.', ':', '?', '!')) else utterance + '.')
    return ' | '.join(utterances)
