#!/usr/bin/env python3
"""The layer order holds: a file includes only its own layer or lower ones.

The order is read from the first arrow line of ARCHITECTURE.md, so the
document and the check cannot drift apart. Layers joined by '|' share a rank
and may not include each other. Programs outside the layers (tools, bench,
fuzz, sim, updater) must not include test code.

usage: check_layers.py ROOT        exit 1 and one line per violation
       check_layers.py --self-test
"""
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def read_order(root):
    with open(os.path.join(root, 'ARCHITECTURE.md'), encoding='utf-8') as f:
        for line in f:
            if '→' in line:
                ranks = {}
                for rank, step in enumerate(line.strip().strip('`').split('→')):
                    for name in step.split('|'):
                        ranks[name.strip()] = rank
                return ranks
    sys.exit('check_layers: ARCHITECTURE.md has no layer line (names joined by →)')


def place(root, path):
    """The layer (or top folder) a file under root belongs to."""
    parts = os.path.relpath(path, root).split(os.sep)
    if parts[0] == 'src' and len(parts) > 2:
        return parts[1]
    return parts[0]


def resolve(root, source, name):
    for base in (os.path.dirname(source), os.path.join(root, 'src'), root, os.path.join(root, 'tests')):
        candidate = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def check(root):
    ranks = read_order(root)
    problems = []
    src = os.path.join(root, 'src')
    for folder in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, folder)) and folder not in ranks:
            problems.append(f'src/{folder}: not in the layer order of ARCHITECTURE.md')
    for top in ['src', 'tools', 'bench', 'fuzz', 'sim', 'updater']:
        for dirpath, dirnames, filenames in os.walk(os.path.join(root, top)):
            dirnames.sort()
            for filename in sorted(filenames):
                if not filename.endswith(('.h', '.hpp', '.cpp', '.cc')):
                    continue
                path = os.path.join(dirpath, filename)
                here = place(root, path)
                with open(path, encoding='utf-8', errors='replace') as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = resolve(root, path, match.group(1))
                        if target is None:
                            continue
                        there = place(root, target)
                        where = f'{os.path.relpath(path, root)}:{number}'
                        if there == 'tests' and here != 'tests':
                            problems.append(f'{where}: includes test code ({match.group(1)})')
                        elif here in ranks and there in ranks and here != there:
                            if ranks[there] > ranks[here]:
                                problems.append(f'{where}: {here} includes {match.group(1)} of the higher layer {there}')
                            elif ranks[there] == ranks[here]:
                                problems.append(f'{where}: {here} includes {match.group(1)} of its peer {there}')
    return problems


def self_test():
    """A tree with one upward include must fail and name the line."""
    with tempfile.TemporaryDirectory() as root:
        for folder in ('low', 'high'):
            os.makedirs(os.path.join(root, 'src', folder))
        with open(os.path.join(root, 'ARCHITECTURE.md'), 'w', encoding='utf-8') as f:
            f.write('# x\n\n    low → high\n')
        with open(os.path.join(root, 'src', 'high', 'h.h'), 'w') as f:
            f.write('#pragma once\n#include "low/l.h"\n')
        with open(os.path.join(root, 'src', 'low', 'l.h'), 'w') as f:
            f.write('#pragma once\n\n#include "high/h.h"\n')
        problems = check(root)
        expected = 'src/low/l.h:3: low includes high/h.h of the higher layer high'
        if problems != [expected]:
            print('self-test failed:', problems)
            return 1
    return 0


def main():
    if sys.argv[1:] == ['--self-test']:
        return self_test()
    if len(sys.argv) != 2:
        print('usage: check_layers.py ROOT | --self-test')
        return 2
    problems = check(sys.argv[1])
    for problem in problems:
        print(problem)
    if problems:
        print(f'{len(problems)} include(s) break the layer order of ARCHITECTURE.md')
        return 1
    print('the layer order holds')
    return 0


if __name__ == '__main__':
    sys.exit(main())
