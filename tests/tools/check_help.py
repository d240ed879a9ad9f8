#!/usr/bin/env python3
"""The help pages hold together: every topic a Help button, a page or the
Help menu opens has its page, and every local link of a page (with its
#anchor) lands on something.

usage: check_help.py ROOT        exit 1 and one line per fault
       check_help.py --self-test
"""
import glob
import os
import re
import sys
import tempfile

# The shapes in which the shell names a topic; a new shape needs a line here.
TOPIC_PATTERNS = [
    re.compile(r'Ok_Cancel_Help\([^,()]+,\s*"(\w+)"'),
    re.compile(r'"help/(\w+)\.htm"'),
    re.compile(r'\{PAGE_\w+,\s*(?:nullptr|"[^"]*"),\s*"(\w+)"'),         # the page table
    re.compile(r'Run_Budget_Dialog<\w+>\(\w+,\s*"[^"]*",\s*"(\w+)"'),
    re.compile(r'Buttons\(&?\w+,\s*"[^"]*",\s*"(\w+)"'),                  # the saved-game dialogs
]
TOPIC_ARRAY = re.compile(r'HELP_TOPICS\[\]\s*=\s*\{([^}]*)\}')
LINK = re.compile(r'(?:href|src)="([^"]*)"')
ANCHOR = re.compile(r'\bid="([^"]+)"')


def topics(root):
    found = {}
    for path in glob.glob(os.path.join(root, 'src', '*', '*.cpp')):
        with open(path, encoding='utf-8') as f:
            text = f.read()
        names = [m for p in TOPIC_PATTERNS for m in p.findall(text)]
        for block in TOPIC_ARRAY.findall(text):
            names += re.findall(r'"(\w+)"', block)
        for name in names:
            found.setdefault(name, os.path.relpath(path, root))
    return found


def faults(root):
    help_dir = os.path.join(root, 'data', 'help')
    out = []
    for name, source in sorted(topics(root).items()):
        if not os.path.isfile(os.path.join(help_dir, name + '.htm')):
            out.append('%s: topic "%s" has no page' % (source, name))
    anchors = {}
    for path in glob.glob(os.path.join(help_dir, '*.htm')):
        with open(path, encoding='utf-8') as f:
            anchors[os.path.basename(path)] = (set(ANCHOR.findall(f.read())), path)
    for page, (_, path) in sorted(anchors.items()):
        with open(path, encoding='utf-8') as f:
            for link in LINK.findall(f.read()):
                if re.match(r'[a-z]+:', link):
                    continue  # the web and mail stay outside
                target, _, fragment = link.partition('#')
                target = target or page
                if not os.path.isfile(os.path.join(help_dir, target)):
                    out.append('%s: link "%s" leads nowhere' % (page, link))
                elif fragment and fragment not in anchors.get(target, (set(),))[0]:
                    out.append('%s: link "%s" has no such anchor' % (page, link))
    return out


def self_test():
    with tempfile.TemporaryDirectory() as root:
        os.makedirs(os.path.join(root, 'src', 'shell'))
        os.makedirs(os.path.join(root, 'data', 'help'))
        with open(os.path.join(root, 'src', 'shell', 'a.cpp'), 'w') as f:
            f.write('Ok_Cancel_Help(&dialog, "here");\nOk_Cancel_Help(this, "gone");\n'
                    'const char* const HELP_TOPICS[] = {"here", "lost"};\n')
        with open(os.path.join(root, 'data', 'help', 'here.htm'), 'w') as f:
            f.write('<h2 id="top">x</h2><a href="here.htm#top">ok</a><a href="#top">ok</a>'
                    '<a href="https://example.org/">ok</a><a href="missing.htm">bad</a>'
                    '<a href="here.htm#nowhere">bad</a><link href="help.css">')
        got = faults(root)
    expected = ['src/shell/a.cpp: topic "gone" has no page', 'src/shell/a.cpp: topic "lost" has no page',
                'here.htm: link "missing.htm" leads nowhere', 'here.htm: link "here.htm#nowhere" has no such anchor',
                'here.htm: link "help.css" leads nowhere']
    if sorted(got) != sorted(expected):
        print('self-test: got', got)
        return 1
    return 0


def main(argv):
    if argv[1:] == ['--self-test']:
        return self_test()
    root = argv[1]
    found = topics(root)
    # The patterns must still see the shell's usual topics, or the check proves nothing.
    for known in ('contents', 'offense', 'tickets', 'resumegame', 'standings'):
        if known not in found:
            print('no Help button or page names "%s" any more: update the patterns' % known)
            return 1
    out = faults(root)
    for line in out:
        print(line)
    return 1 if out else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
