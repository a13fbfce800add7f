"""A fresh wine prefix standing in for a Windows installation."""
import glob
import os
import shutil
import subprocess


def environment(prefix, **variables):
    """The environment of programs in the prefix: no Mono, Gecko or desktop menu entries of
    wine's own, and no log; USER names the Windows user's profile. Debian's wine 10 aborts at
    its first start whenever TMPDIR is set, even empty: the scratch folder is named by TMP."""
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG='-all',
               WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d', **variables)
    if 'TMPDIR' in env:
        env['TMP'] = env.pop('TMPDIR')
    return env


def create(prefix, **variables):
    """Makes the prefix and gives it the fonts Windows carries in C:\\Windows\\Fonts. Debian's
    wine does not find its own (Tahoma, MS Sans Serif): without them the dialog font, "MS Shell
    Dlg", has nothing to stand for, and Qt's menus and message boxes fall back to a serif face
    that no Windows user sees."""
    env = environment(prefix, **variables)
    subprocess.run(['wineboot', '-i'], env=env, check=True, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(['wineserver', '-w'], env=env, check=True, timeout=120)
    for font in glob.glob('/usr/share/wine/fonts/*.ttf'):
        shutil.copy(font, os.path.join(prefix, 'drive_c', 'windows', 'Fonts'))
    return env


def tool(name):
    """The path of one of the scenarios' small Windows tools (uiaclient, winprobe, uiastall), which
    the Windows build makes."""
    return os.path.join(os.environ['HUESCRY_WINDOWS_TOOLS'], name + '.exe')


def registry_values(env, key):
    """The values of a live registry key as {name: data}, '' naming the default value; None when
    the key is not there. The prefix's .reg files are written only now and then. reg writes to
    a pipe in the console's code page, 437."""
    answer = subprocess.run(['wine', 'reg', 'query', key], env=env, capture_output=True,
                            timeout=60)
    if answer.returncode != 0:
        return None
    values = {}
    for line in answer.stdout.decode('cp437').splitlines():
        parts = line.strip().split(None, 2) if line.startswith('    ') else []
        if len(parts) >= 2 and parts[1].startswith('REG_'):
            values['' if parts[0] == '(Default)' else parts[0]] = (
                parts[2] if len(parts) == 3 else '')
    return values


def run_line(env, prefix, line):
    """Runs one command line exactly as written, as cmd would, and returns its exit status: wine
    quotes every argument holding a space, which /D= and _?= must not be."""
    with open(os.path.join(prefix, 'drive_c', 'line.bat'), 'w', encoding='cp437',
              newline='\r\n') as batch:
        batch.write('@%s\n@exit /b %%ERRORLEVEL%%\n' % line)
    return subprocess.run(['wine', 'cmd', '/c', r'C:\line.bat'], env=dict(env, LANG='C.UTF-8'),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=120).returncode
