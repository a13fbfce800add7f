#!/usr/bin/python3
"""The Windows installer and uninstaller around the program's ordinary life, in a fresh wine
prefix whose user name has non-ASCII letters: every page as a user goes through them, the
program started from the last page as the user and not as administrator, never reporting a
job done over a running copy,
an upgrade into the folder already there, an install for one user beside the one for everyone,
and the program presenting itself as Windows expects (App Paths, size, manifest, icon sizes);
and its winget manifests, complete and true to it, installing it in each scope they name."""
import hashlib
import os
import subprocess
import sys
import unittest

import yaml

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, '..')]
import uidriver as ui  # noqa: E402
from test_installed_program import keep_picture  # noqa: E402
import wineprefix  # noqa: E402

INSTALLER = os.environ['HUESCRY_INSTALLER']
USER = 'zoë'
MAIN = r'^Tavik Huescry v1\.15$'
NAME = 'Tavik Free Huescry'
UNINSTALL = r'Software\Microsoft\Windows\CurrentVersion\Uninstall\TavikFreeHuescry'
APP_PATHS = r'Software\Microsoft\Windows\CurrentVersion\App Paths\TavikFreeHuescry.exe'
EVERYONE = 'C:\\Huescry'
ONLY_ME = 'C:\\users\\%s\\AppData\\Local\\Programs\\%s' % (USER, NAME)
MARK = b'kept'
MANIFESTS = os.environ['HUESCRY_WINGET_MANIFESTS']
VERSION = os.environ['HUESCRY_VERSION']
# What winget's manifest schemas (1.10.0) require of each kind of manifest and of an installer.
REQUIRED = {
    'version': ['PackageIdentifier', 'PackageVersion', 'DefaultLocale', 'ManifestType',
                'ManifestVersion'],
    'installer': ['PackageIdentifier', 'PackageVersion', 'Installers', 'ManifestType',
                  'ManifestVersion'],
    'defaultLocale': ['PackageIdentifier', 'PackageVersion', 'PackageLocale', 'Publisher',
                      'PackageName', 'License', 'ShortDescription', 'ManifestType',
                      'ManifestVersion'],
}
INSTALLER_REQUIRED = ['Architecture', 'InstallerUrl', 'InstallerSha256']
HIVES = {'user': 'HKCU', 'machine': 'HKLM'}
WIZARD = r'^Tavik Free Huescry (Setup|Uninstall)'
DEFAULT_FOLDER = r'C:\Program Files\Tavik Free Huescry'
RUN = '&Run Tavik Huescry'
# The pages as a user goes through them with the keyboard: the heading waited for, the name of
# the picture kept of it, what it must show ({text: '1' ticked, '0' not, '-' no box,
# 'disabled'}, the default button among them), and the key then pressed.
FIRST_INSTALL = [
    ('Welcome to Tavik Free Huescry Setup', 'installer-welcome', {'&Next >': '-'}, 'Return'),
    ('Choose Users', 'installer-users',
     {'&Anyone who uses this computer (needs administrator rights)': '1',
      'Only for &me (%s)' % USER: '0', '&Next >': '-'}, 'Return'),
    ('Choose Install Location', 'installer-folder',
     {DEFAULT_FOLDER: '-', '&Install': '-', '< &Back': 'disabled'}, 'Return'),
    ('Installation Complete', 'installer-progress', {'&Next >': '-'}, 'Return'),
    ('Completing Tavik Free Huescry Setup', 'installer-finish', {RUN: '1', '&Finish': '-'},
     'Return'),
]
# Over that installation the folder is kept, so the users' page installs; Run is unticked.
SECOND_INSTALL = [
    FIRST_INSTALL[0],
    ('Choose Users', None, {'&Install': '-'}, 'Return'),
    ('Installation Complete', None, {'&Next >': '-'}, 'Return'),
    ('Completing Tavik Free Huescry Setup', None, {RUN: '1'}, 'alt+r'),
    ('Completing Tavik Free Huescry Setup', None, {RUN: '0', '&Finish': '-'}, 'Return'),
]
UNINSTALL_PAGES = [
    ('Uninstall Tavik Free Huescry', 'uninstaller-confirm',
     {'Tavik Free Huescry will be uninstalled from the following folder. Click Uninstall to '
      'start the uninstallation.': '-', DEFAULT_FOLDER: '-', '&Uninstall': '-'}, 'Return'),
    ('Uninstallation Complete', 'uninstaller-progress', {'&Next >': '-'}, 'Return'),
    ('Completing Tavik Free Huescry Uninstall', 'uninstaller-finish', {'&Finish': '-'}, 'Return'),
]


class Installer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.winprobe = wineprefix.tool('winprobe')

    def setUp(self):
        self.prefix = os.path.join(os.environ['HARNESS_RUN'], 'installer-prefix')
        self.env = wineprefix.create(self.prefix, USER=USER, LANG='C.UTF-8')
        self.addCleanup(subprocess.run, ['wineserver', '-k'], env=self.env)

    def path(self, windows_path):
        return os.path.join(self.prefix, 'drive_c', *windows_path[3:].split('\\'))

    def run_wine(self, *argv):
        """Runs a Windows program to its end (not the wine session) and returns its status."""
        return subprocess.run(['wine', *argv], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=120).returncode

    def uninstall(self, folder):
        """Runs the uninstaller in place, so that its status is the job's."""
        return wineprefix.run_line(self.env, self.prefix, r'"%s\Uninstall %s.exe" /S _?=%s'
                                   % (folder, NAME, folder))

    def registry(self, root, key):
        return wineprefix.registry_values(self.env, root + '\\' + key)

    def start(self, folder):
        program = subprocess.Popen(['wine', folder + r'\TavikFreeHuescry.exe'], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(program.kill)
        ui.wait_until(lambda: ui.windows(name=MAIN), timeout=60, what='the main window')
        return program

    def stop_everything(self):
        subprocess.run(['wineserver', '-k'], env=self.env, check=True)
        subprocess.run(['wineserver', '-w'], env=self.env, check=True)

    def installation(self, root, folder, shortcut):
        """What an installation is made of: files, shortcut, entry, App Paths."""
        files = sorted(os.listdir(self.path(folder))) if os.path.isdir(self.path(folder)) else []
        entry = self.registry(root, UNINSTALL) or {}
        return {'files': files, 'shortcut': os.path.isfile(shortcut),
                'version': entry.get('DisplayVersion'), 'folder': entry.get('InstallLocation'),
                'app path': (self.registry(root, APP_PATHS) or {}).get('')}

    def go_through(self, pages):
        """Goes through the wizard's pages as a user would, reading each from its controls
        (winprobe: wine gives plain dialogs no accessibility tree)."""
        seen = {}
        for heading, picture, shown, key in pages:
            def page():
                for wid, title in ui.windows(name=WIZARD):
                    seen.clear()
                    for line in self.probe('controls', title)[1]:
                        _, text, checked, enabled = line.split('\t')
                        seen[text] = checked if enabled == '1' else 'disabled'
                    if heading in seen and all(seen.get(text) == checked
                                               for text, checked in shown.items()):
                        return wid
            try:
                wid = ui.wait_until(page, timeout=60, what='%s showing %s' % (heading, shown))
            except ui.UITimeout as timeout:
                raise AssertionError('%s; the window showed %s' % (timeout, seen)) from None
            if picture:
                keep_picture(wid, picture)
            ui.x('xdotool', 'windowactivate', '--sync', str(wid))
            ui.key(key)

    def probe(self, *command):
        answer = subprocess.run(['wine', self.winprobe, *command], env=self.env, text=True,
                                encoding='utf-8', capture_output=True, timeout=60)
        return answer.returncode, sorted(answer.stdout.splitlines())

    def test_every_page_and_the_program_started_as_the_user(self):
        installer = os.path.basename(INSTALLER)
        first = subprocess.Popen(['wine', INSTALLER], env=self.env)
        self.go_through(FIRST_INSTALL[:2])
        # For everyone: the installer started as the user starts itself again with UAC's
        # consent, and that one, with administrator rights, shows the folder page.
        ui.wait_until(lambda: self.probe('token', installer)[1]
                      == ['elevated\tfull', 'not-elevated\tlimited'],
                      what='the installer elevated beside the one that waits for it')
        self.go_through(FIRST_INSTALL[2:])
        self.assertEqual(first.wait(60), 0)
        # The installer that ran as the user started the program, as the user.
        ui.wait_until(lambda: ui.windows(name=MAIN), timeout=60, what='the program started')
        self.assertEqual(self.probe('token', 'TavikFreeHuescry.exe'),
                         (0, ['not-elevated\tlimited']))
        self.stop_everything()

        second = subprocess.Popen(['wine', INSTALLER], env=self.env)
        self.go_through(SECOND_INSTALL)
        self.assertEqual(second.wait(60), 0)
        self.assertEqual(self.probe('token', 'TavikFreeHuescry.exe'), (1, []))

        subprocess.run(['wine', DEFAULT_FOLDER + '\\Uninstall %s.exe' % NAME], env=self.env,
                       check=True, timeout=60)
        self.go_through(UNINSTALL_PAGES)
        ui.wait_until(lambda: not ui.windows(name=WIZARD), what='the uninstaller closed')
        self.assertFalse(os.path.exists(self.path(DEFAULT_FOLDER)))
        self.assertIsNone(self.registry('HKLM', UNINSTALL))

    def test_running_copy_upgrade_and_one_user(self):
        programs = os.path.join(self.prefix, 'drive_c', 'ProgramData', 'Microsoft', 'Windows',
                                'Start Menu', 'Programs', NAME + '.lnk')
        mine = os.path.join(self.prefix, 'drive_c', 'users', USER, 'AppData', 'Roaming',
                            'Microsoft', 'Windows', 'Start Menu', 'Programs', NAME + '.lnk')
        settings = os.path.join(self.prefix, 'drive_c', 'users', USER, 'AppData', 'Roaming',
                                'Tavik', 'TavikFreeHuescry.ini')
        whole = {'files': ['TavikFreeHuescry.exe', 'Uninstall %s.exe' % NAME], 'shortcut': True,
                 'version': VERSION, 'folder': EVERYONE,
                 'app path': EVERYONE + r'\TavikFreeHuescry.exe'}

        # For everyone, into a folder of the user's choosing; silent, it starts nothing.
        self.assertEqual(self.run_wine(INSTALLER, '/S', '/D=' + EVERYONE), 0)
        self.assertEqual(self.installation('HKLM', EVERYONE, programs), whole)
        self.assertEqual(self.probe('token', 'TavikFreeHuescry.exe'), (1, []))
        program = self.path(EVERYONE + r'\TavikFreeHuescry.exe')
        size = os.path.getsize(program)
        installed = sum(os.path.getsize(os.path.join(self.path(EVERYONE), name))
                        for name in whole['files'])
        estimated = int(self.registry('HKLM', UNINSTALL)['EstimatedSize'], 16)
        self.assertTrue(installed // 1024 <= estimated <= installed // 1024 + 2, estimated)

        # The program's manifest and icon sizes, read from the installed file.
        manifest = subprocess.run(['wrestool', '-x', '--raw', '-t', '24', program], check=True,
                                  capture_output=True).stdout.decode()
        for declared in ('level="asInvoker"', '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}',
                         'PerMonitorV2'):
            self.assertIn(declared, manifest)
        icon = os.path.join(self.prefix, 'icon.ico')
        with open(icon, 'wb') as out:
            subprocess.run(['wrestool', '-x', '-t', '14', program], check=True, stdout=out)
        sizes = subprocess.run(['icotool', '-l', icon], check=True, capture_output=True,
                               text=True).stdout
        self.assertEqual(sorted(int(line.split('--width=')[1].split()[0])
                                for line in sizes.splitlines()), [16, 24, 32, 48, 256])
        # The installer asks for no administrator rights itself.
        installer_manifest = subprocess.run(['wrestool', '-x', '--raw', '-t', '24', INSTALLER],
                                            check=True, capture_output=True).stdout.decode()
        self.assertIn('level="asInvoker"', installer_manifest)

        # Marked, so that a replaced program can be told from a kept one; then started, which
        # writes its settings.
        with open(program, 'ab') as marked:
            marked.write(MARK)
        running = self.start(EVERYONE)
        ui.wait_until(lambda: os.path.isfile(settings), what='the settings written')
        with open(settings, 'rb') as stored:
            stored_settings = stored.read()

        # Over the running copy, neither the installer nor the uninstaller reports a job done,
        # and both leave everything as it was.
        self.assertNotEqual(self.run_wine(INSTALLER, '/S'), 0)
        self.assertNotEqual(self.uninstall(EVERYONE), 0)
        self.assertEqual(self.installation('HKLM', EVERYONE, programs), whole)
        with open(program, 'rb') as kept:
            self.assertTrue(kept.read().endswith(MARK))
        self.assertIsNone(running.poll())

        # Once it has ended, a program file held open by another program (cmd, appending to it
        # while ping runs) is not skipped either: the install fails and changes nothing.
        self.stop_everything()
        hold = r'ping -n 60 127.0.0.1 >NUL 2>>%s\TavikFreeHuescry.exe' % EVERYONE
        holder = subprocess.Popen(['wine', 'cmd', '/c', hold], env=self.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ui.wait_until(lambda: subprocess.run(['pgrep', '-f', r'^ping -n 60 127\.0\.0\.1'],
                                             stdout=subprocess.DEVNULL).returncode == 0,
                      what='the file held open')
        self.assertNotEqual(self.run_wine(INSTALLER, '/S'), 0)
        self.assertEqual(self.installation('HKLM', EVERYONE, programs), whole)
        with open(program, 'rb') as kept:
            self.assertTrue(kept.read().endswith(MARK))

        # Let go, the same installer repairs it in the folder it is in, with one entry, and the
        # settings kept.
        self.stop_everything()
        holder.wait(30)
        self.assertEqual(self.run_wine(INSTALLER, '/S'), 0)
        self.assertEqual(self.installation('HKLM', EVERYONE, programs), whole)
        self.assertEqual(os.path.getsize(program), size)
        self.assertIsNone(self.registry('HKCU', UNINSTALL))
        with open(settings, 'rb') as stored:
            self.assertEqual(stored.read(), stored_settings)

        # For this user only, beside it: its own folder, entry, shortcut and App Paths.
        os.remove(settings)
        self.assertEqual(self.run_wine(INSTALLER, '/S', '/CurrentUser'), 0)
        self.assertEqual(self.installation('HKCU', ONLY_ME, mine),
                         dict(whole, folder=ONLY_ME, **{'app path': ONLY_ME
                                                         + r'\TavikFreeHuescry.exe'}))
        self.start(ONLY_ME)
        ui.wait_until(lambda: os.path.isfile(settings), what="the settings in zoë's profile")
        self.stop_everything()

        # Its uninstaller takes away that installation alone; the one for everyone stays until
        # its own uninstaller, and the settings stay.
        # Run in place, an uninstaller cannot delete itself: it is all that is left.
        gone = {'files': ['Uninstall %s.exe' % NAME], 'shortcut': False, 'version': None,
                'folder': None, 'app path': None}
        self.assertEqual(self.uninstall(ONLY_ME), 0)
        self.assertEqual(self.installation('HKCU', ONLY_ME, mine), gone)
        self.assertEqual(self.installation('HKLM', EVERYONE, programs), whole)
        self.assertEqual(self.uninstall(EVERYONE), 0)
        self.assertEqual(self.installation('HKLM', EVERYONE, programs), gone)
        self.assertTrue(os.path.isfile(settings))

    def test_winget_manifests(self):
        manifests = {}
        for name in os.listdir(MANIFESTS):
            with open(os.path.join(MANIFESTS, name), encoding='utf-8') as text:
                manifest = yaml.safe_load(text)
            manifests[manifest['ManifestType']] = manifest
        self.assertEqual(sorted(manifests), sorted(REQUIRED))
        for kind, manifest in manifests.items():
            with self.subTest(kind):
                self.assertEqual([key for key in REQUIRED[kind] if key not in manifest], [])
                self.assertEqual(manifest['PackageIdentifier'], 'Tavik.FreeHuescry')
                self.assertEqual(manifest['PackageVersion'],
                                 manifests['version']['PackageVersion'])
                self.assertGreaterEqual(
                    tuple(int(part) for part in manifest['ManifestVersion'].split('.')), (1, 10))

        # Each scope's installer is this one, and with its switches (after the /S winget gives a
        # nullsoft installer) it writes the product's entry into that scope's hive alone.
        installer = manifests['installer']
        self.assertEqual(installer['InstallerType'], 'nullsoft')
        key = UNINSTALL.rsplit('\\', 1)[0] + '\\' + installer['ProductCode']
        with open(INSTALLER, 'rb') as program:
            sha256 = hashlib.sha256(program.read()).hexdigest().upper()
        self.assertEqual(sorted(entry['Scope'] for entry in installer['Installers']),
                         sorted(HIVES))
        for entry in installer['Installers']:
            with self.subTest(entry['Scope']):
                self.assertEqual([k for k in INSTALLER_REQUIRED if k not in entry], [])
                self.assertEqual(entry['Architecture'], 'x64')
                self.assertEqual(entry['InstallerSha256'], sha256)
                self.assertTrue(entry['InstallerUrl'].endswith('/' + os.path.basename(INSTALLER)))
                hive = HIVES[entry['Scope']]
                self.assertIsNone(self.registry(hive, key))
                self.assertEqual(
                    self.run_wine(INSTALLER, '/S', entry['InstallerSwitches']['Custom']), 0)
                self.assertEqual(self.registry(hive, key)['DisplayName'],
                                 manifests['defaultLocale']['PackageName'])


if __name__ == '__main__':
    unittest.main(warnings='ignore')
