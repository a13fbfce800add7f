#!/usr/bin/python3
"""Runs inside a private X server (bench/run): the measurements behind the README's figures."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e',
                                'windows'))
import wineprefix  # noqa: E402
from linkmap import where_the_bytes_go  # noqa: E402

build, runs, windows_build = sys.argv[1], int(sys.argv[2]), sys.argv[3]
# An earlier Windows build (against another Qt) to compare the program's start-up with.
baseline_build = sys.argv[4] if len(sys.argv) > 4 else None
program = os.path.join(build, 'TavikFreeHuescry')
empty = os.path.join(build, 'bench', 'bench_empty_window')
waitmap = os.path.join(build, 'tests', 'waitmap')


def start_up(command, fresh_home=False):
    """Milliseconds from exec to the first window mapped, and peak resident KiB a second later.
    fresh_home: in a HOME of its own, as a new user's first start."""
    env = None
    if fresh_home:
        home = tempfile.mkdtemp(dir=os.environ['HARNESS_RUN'])
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, '.config'),
                   XDG_CACHE_HOME=os.path.join(home, '.cache'),
                   XDG_DATA_HOME=os.path.join(home, '.local', 'share'))
    # A file, not a pipe: wine's services outlive the program and would hold a pipe open.
    with tempfile.TemporaryFile('w+') as out:
        subprocess.run([waitmap, '-s', '1000', '--', *command], check=True, stdout=out, env=env)
        out.seek(0)
        fields = dict(item.split('=') for item in out.read().split())
    return float(fields['map_ms']), int(fields['hwm_settle_kb'])


def idle_cpu_seconds(seconds=10):
    """CPU time the program uses while its main window sits untouched."""
    app = subprocess.Popen([program])
    try:
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(app.pid)],
                              capture_output=True).returncode == 0:
                break
            time.sleep(0.05)
        time.sleep(1)

        def cpu():
            with open('/proc/%d/stat' % app.pid) as stat:
                fields = stat.read().rsplit(')', 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')
        before = cpu()
        time.sleep(seconds)
        return cpu() - before
    finally:
        app.terminate()
        app.wait()


def median(samples, index):
    return statistics.median(sample[index] for sample in samples)


def compare(title, fresh_home):
    """The program against both floors, interleaved, so that all see the same machine."""
    commands = {'program': [program], 'empty window': [empty], 'one label': [empty, 'text'],
                'each control': [empty, 'controls']}
    samples = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            samples[name].append(start_up(command, fresh_home))
    print('  %s:' % title)
    for name, taken in samples.items():
        print('    %-13s %7.1f ms   peak %6d KiB' % (name, median(taken, 0), median(taken, 1)))
    ours, label, floor = samples['program'], samples['one label'], samples['empty window']
    print('    program / one label:    time %.2f, memory %.2f' % (
        median(ours, 0) / median(label, 0), median(ours, 1) / median(label, 1)))
    print('    program / empty window: time %.2f, memory %.2f' % (
        median(ours, 0) / median(floor, 0), median(ours, 1) / median(floor, 1)))
    kinds = samples['each control']
    print('    program / each control: time %.2f, memory %.2f' % (
        median(ours, 0) / median(kinds, 0), median(ours, 1) / median(kinds, 1)))


print('Start-up, median of %d runs each, exec to window mapped (Xvfb, no window manager):' % runs)
start_up([program])  # stores the settings: the ordinary starts after it ask nothing
compare('ordinary start (settings stored, no question due)', fresh_home=False)
compare('first start (a fresh HOME each run, settings written)', fresh_home=True)
print('Idle: CPU used by the untouched main window in 10 s: %.2f s' % idle_cpu_seconds())
print('Worst cases (offscreen, one process each):')
for case in ('paste', 'codec', 'file'):
    result = subprocess.run([os.path.join(build, 'bench', 'bench_worst_cases'), case],
                            check=True, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
    print('  ' + result.stdout.strip())


# What the installer installs.
PROGRAM_EXE = os.path.join('stripped', 'TavikFreeHuescry.exe')


def installed_copy(prefix, folder, windows_build, path):
    """A program of the build copied into the prefix, started from there as an installed one is."""
    target = os.path.join(prefix, 'drive_c', 'bench', folder)
    os.makedirs(target, exist_ok=True)
    shutil.copy(os.path.join(windows_build, path), target)
    return ['wine', 'C:\\bench\\%s\\%s' % (folder, os.path.basename(path))]


def windows_figures():
    """The Windows build: what a user downloads and installs, where its bytes come from, and its
    start-up under wine against an empty Qt window built the same way (and an earlier build,
    when given), interleaved, from inside one prefix, with wine's server already running."""
    installer = [name for name in os.listdir(windows_build) if name.endswith('-setup.exe')][0]
    print('Windows build:')
    print('  installer      %6d KiB' % (os.path.getsize(os.path.join(windows_build, installer)) // 1024))
    print('  installed      %6d KiB (the program, one .exe)' % (
        os.path.getsize(os.path.join(windows_build, PROGRAM_EXE)) // 1024))
    print(where_the_bytes_go(os.path.join(windows_build, 'TavikFreeHuescry.map')))
    prefix = os.path.join(os.environ['HARNESS_RUN'], 'prefix')
    os.environ.update(wineprefix.create(prefix))
    server = subprocess.Popen(['wineserver', '-f', '-p'])
    try:
        commands = {
            'program': installed_copy(prefix, 'program', windows_build, PROGRAM_EXE),
            'empty window': installed_copy(prefix, 'program', windows_build,
                                           'bench_empty_window.exe')}
        if baseline_build:
            commands['earlier build'] = installed_copy(prefix, 'earlier', baseline_build,
                                                       PROGRAM_EXE)
        start_up(commands['program'])  # stores the settings
        samples = {name: [] for name in commands}
        for _ in range(runs):
            for name, command in commands.items():
                samples[name].append(start_up(command))
        print('  start-up under wine, median of %d runs each, exec to window mapped:' % runs)
        for name, taken in samples.items():
            print('    %-13s %7.1f ms   every run: %s' % (
                name, median(taken, 0), ' '.join('%.0f' % run[0] for run in taken)))
        print('    program / empty window: time %.2f' % (
            median(samples['program'], 0) / median(samples['empty window'], 0)))
        if baseline_build:
            print('    program / earlier build: time %.2f' % (
                median(samples['program'], 0) / median(samples['earlier build'], 0)))
        shaping = subprocess.run(installed_copy(prefix, 'program', windows_build,
                                                'bench_mark_shaping.exe'),
                                 capture_output=True, text=True, check=True)
        print(shaping.stdout.rstrip())
    finally:
        subprocess.run(['wineserver', '-k'])
        server.wait()


windows_figures()
