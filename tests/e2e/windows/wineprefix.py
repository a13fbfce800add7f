"""A fresh wine prefix standing in for a Windows installation."""
import glob
import os
import shutil
import subprocess


def environment(prefix):
    """The environment of programs in the prefix: no Mono, Gecko or desktop menu entries of
    wine's own, and no log."""
    return dict(os.environ, WINEPREFIX=prefix, WINEDEBUG='-all',
                WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d')


def create(prefix):
    """Makes the prefix and gives it the fonts Windows carries in C:\\Windows\\Fonts. Debian's
    wine does not find its own (Tahoma, MS Sans Serif): without them the dialog font, "MS Shell
    Dlg", has nothing to stand for, and Qt's menus and message boxes fall back to a serif face
    that no Windows user sees."""
    env = environment(prefix)
    subprocess.run(['wineboot', '-i'], env=env, check=True, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(['wineserver', '-w'], env=env, check=True, timeout=120)
    for font in glob.glob('/usr/share/wine/fonts/*.ttf'):
        shutil.copy(font, os.path.join(prefix, 'drive_c', 'windows', 'Fonts'))
    return env
