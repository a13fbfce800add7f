#!/usr/bin/python3
"""Validates bills of materials against the official CycloneDX 1.5 JSON schema, as the
CycloneDX library publishes it on the npm registry; fetched once per machine into the cache.
Each vulnerability must be stated for a component inside, at the version that is inside, and
every record of packaging/sbom/vulnerability-records.json in range for a component inside must be
stated. Usage: check_sbom.py SBOM..."""
import importlib.machinery
import json
import os
import subprocess
import sys
import tarfile
import tempfile

import jsonschema

PACKAGE = '@cyclonedx/cyclonedx-library@10.3.0'
INTEGRITY = ('sha512-RIT28sp1U0PCHaaeF3yNRwk6Jig/XJ8UsYAVOMYaHQ+0VVOvsjcp0PTWQFLUqJFF8XMud+Kdq6G+'
             'wtDAh+QJFA==')
SCHEMAS = ('bom-1.5', 'spdx', 'jsf-0.82')
BASE = 'http://cyclonedx.org/schema/'
SBOM = importlib.machinery.SourceFileLoader('sbom', os.path.join(
    os.path.dirname(__file__), '..', '..', 'packaging', 'sbom', 'sbom')).load_module()


def schemas():
    cache = os.path.join(os.environ.get('HUESCRY_CACHE_DIR') or os.path.join(
        os.environ.get('XDG_CACHE_HOME') or os.path.expanduser('~/.cache'), 'huescry'),
        'cyclonedx-schema-10.3.0')
    if not os.path.isdir(cache):
        with tempfile.TemporaryDirectory() as packed:
            # npm checks the tarball against what the registry publishes; that must be the pin.
            about, = json.loads(subprocess.run(
                ['npm', 'pack', '--json', '--silent', '--pack-destination', packed, PACKAGE],
                capture_output=True, text=True, check=True).stdout)
            if about['integrity'] != INTEGRITY:
                sys.exit('check_sbom: %s is not the package published as %s' % (PACKAGE,
                                                                               INTEGRITY))
            os.makedirs(cache + '.part', exist_ok=True)
            with tarfile.open(os.path.join(packed, about['filename'])) as archive:
                for name in SCHEMAS:
                    member = archive.extractfile('package/res/schema/%s.SNAPSHOT.schema.json' %
                                                 name)
                    with open(os.path.join(cache + '.part', name + '.json'), 'wb') as file:
                        file.write(member.read())
        os.rename(cache + '.part', cache)
    loaded = {}
    for name in SCHEMAS:
        with open(os.path.join(cache, name + '.json'), encoding='utf-8') as file:
            loaded[name] = json.load(file)
    return loaded


def main():
    loaded = schemas()
    # The schema names the others by their file names in the package.
    store = {BASE + name + '.SNAPSHOT.schema.json': schema for name, schema in loaded.items()}
    bom = loaded['bom-1.5']
    validator = jsonschema.Draft7Validator(
        bom, resolver=jsonschema.RefResolver(BASE + 'bom-1.5.schema.json', bom, store=store),
        format_checker=jsonschema.FormatChecker())
    failed = False
    for path in sys.argv[1:]:
        with open(path, encoding='utf-8') as file:
            document = json.load(file)
        errors = sorted(validator.iter_errors(document), key=str)
        for error in errors:
            print('%s: %s at %s' % (path, error.message, '/'.join(map(str, error.path))))
        inside = {component['bom-ref']: component['version'] for component in document['components']}
        for vulnerability in document.get('vulnerabilities', []):
            for affected in vulnerability['affects']:
                if [version['version'] for version in affected['versions']] != \
                        [inside.get(affected['ref'])]:
                    errors.append(vulnerability['id'])
                    print('%s: %s is not stated for the version of %s inside' % (
                        path, vulnerability['id'], affected['ref']))
        stated = {(vulnerability['id'], affected['ref'])
                  for vulnerability in document.get('vulnerabilities', [])
                  for affected in vulnerability['affects']}
        records = SBOM.load(SBOM.RECORDS)
        for record in records['records'] if 'vulnerabilities' in document else []:
            version = inside.get(record['component'])
            if version and SBOM.affects(record['affected'], version) and \
                    (record['id'], record['component']) not in stated:
                errors.append(record['id'])
                print('%s: %s is in range for %s and not stated' % (
                    path, record['id'], record['component']))
        failed = failed or bool(errors)
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
