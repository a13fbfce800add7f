"""Where a program's bytes come from: the sections a GNU ld link map says were kept, added up by
the archive (or object file) they came from, and the largest single archive members."""
import collections
import os
import re

INPUT = re.compile(r'^ (\.\S+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$')
MEMBER = re.compile(r'^(.*)\((.*)\)$')


def archive_name(path):
    name = os.path.basename(path)
    return re.sub(r'^lib|\.a$', '', name)


def kept_sections(map_path):
    """(section, size, origin) for every section the link kept and the file holds."""
    with open(map_path, encoding='utf-8', errors='replace') as lines:
        for line in lines:
            if line.startswith('Linker script and memory map'):
                break
        section = None
        for line in lines:
            # A long section name stands alone on its line, its address and size on the next.
            alone = re.match(r'^ (\.\S+)$', line.rstrip('\n'))
            if alone:
                section = alone.group(1)
                continue
            match = INPUT.match(line.rstrip('\n'))
            if not match:
                section = None
                continue
            name = match.group(1) or section
            section = None
            size = int(match.group(2), 16)
            if not name or not size or name.startswith(('.debug', '.bss')) or name == '.stab':
                continue
            yield name, size, match.group(3)


def where_the_bytes_go(map_path, archives=12, members=10):
    by_archive = collections.Counter()
    by_member = collections.Counter()
    for _, size, origin in kept_sections(map_path):
        member = MEMBER.match(origin)
        if member:
            by_archive[archive_name(member.group(1))] += size
            by_member['%s(%s)' % (archive_name(member.group(1)), member.group(2))] += size
        else:
            by_archive['the program itself' if 'CMakeFiles' in origin
                       else os.path.basename(origin)] += size
    lines = ['  where the bytes go, from the link map (%d KiB of sections):'
             % (sum(by_archive.values()) // 1024)]
    lines += ['    %-34s %6d KiB' % (name, size // 1024)
              for name, size in by_archive.most_common(archives)]
    lines.append('  largest archive members:')
    lines += ['    %-44s %5d KiB' % (name[-44:], size // 1024)
              for name, size in by_member.most_common(members)]
    return '\n'.join(lines)


if __name__ == '__main__':
    import sys
    print(where_the_bytes_go(sys.argv[1]))
