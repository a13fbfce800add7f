#!/usr/bin/python3
"""Tries wine 10's stall of a program on a busy machine without Qt (README, Accessibility):
uiastall.cpp's window raising focus events, a client listening to them, and the tree read again
and again, as the screen-reader scenario reads it. Ends at the first read that does not answer,
with every thread of both programs, or after RUNS reads.

  HUESCRY_WINDOWS_TOOLS=build-windows/tests/windows-tools scripts/in-debian13 \
      tests/e2e/xsession.sh --wm -- tests/e2e/windows/uiastall.py RUNS [keep]

Beside two busy loops (sh -c 'while :; do :; done'), as the README's Accessibility section says."""
import os
import subprocess
import sys
import tempfile
import time

import wineprefix


def main(runs, *stall_options):
    folder = tempfile.mkdtemp()
    client, stall = wineprefix.tool('uiaclient'), wineprefix.tool('uiastall')
    env = wineprefix.create(os.path.join(folder, 'prefix'))
    window = subprocess.Popen(['wine', stall, *stall_options], env=env)
    time.sleep(5)
    events = subprocess.Popen(['wine', client, 'events'], env=env, stdin=subprocess.PIPE,
                              stdout=subprocess.DEVNULL)
    started = time.monotonic()
    try:
        for run in range(1, runs + 1):
            try:
                subprocess.run(['wine', client, 'tree'], env=env, check=True, timeout=60,
                               stdout=subprocess.DEVNULL)
            except subprocess.TimeoutExpired:
                print('read %d of %d did not answer after %.0f s' %
                      (run, runs, time.monotonic() - started))
                print(subprocess.run(['winedbg', '--command', 'bt all'], env=env, text=True,
                                     capture_output=True, timeout=120).stdout)
                return 1
        print('%d reads answered in %.0f s' % (runs, time.monotonic() - started))
        return 0
    finally:
        events.stdin.close()
        for process in (events, window):
            process.kill()
        subprocess.run(['wineserver', '-k'], env=env)


if __name__ == '__main__':
    sys.exit(main(int(sys.argv[1]), *sys.argv[2:]))
