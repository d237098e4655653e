#!/usr/bin/env python3
"""Keeps the house in order: includes only go down the layers, app/ stays a set of feature
folders, and no source file outside the tests grows past 400 lines.

Layers, lowest first: core/; controls/, dialogs/, preview/, updater/; documents/, then its
recovery/ folder; app/. Inside app/: the shared files in app/ itself; the features that need no
other feature (commandline, desktop, help, previewlauncher, settings, spelling, update); findings
and startup;
mainwindow; and last the process entry (main.cpp, StartProgram). A file may include from its own
folder or a lower rank."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.').resolve()
ranks = {'core': 0, 'controls': 1, 'dialogs': 1, 'preview': 1, 'updater': 1, 'documents': 2}
# Sub-folders of a layer that rank above the rest of it.
sub_ranks = {('documents', 'recovery'): 2.1}
app_ranks = {'': 3.0, 'commandline': 3.1, 'desktop': 3.1, 'help': 3.1, 'previewlauncher': 3.1,
             'settings': 3.1, 'spelling': 3.1, 'update': 3.1, 'findings': 3.2, 'startup': 3.2, 'mainwindow': 3.3}
entry = {'main.cpp', 'StartProgram.h', 'StartProgram.cpp'}
max_lines = 400
max_app_files = 15


def place(path):
    """(folder, rank) of a source file, or None outside the layered folders."""
    parts = path.relative_to(root).parts
    if parts[0] in ranks:
        if len(parts) > 2 and (parts[0], parts[1]) in sub_ranks:
            return parts[0] + '/' + parts[1], sub_ranks[(parts[0], parts[1])]
        return parts[0], ranks[parts[0]]
    if parts[0] != 'app':
        return None
    if len(parts) == 2:
        return ('app', 3.4) if parts[1] in entry else ('app', app_ranks[''])
    feature = parts[1]
    if feature not in app_ranks:
        raise SystemExit(f'app/{feature}/ is no known feature folder: give it a rank here')
    return 'app/' + feature, app_ranks[feature]


sources = [p for top in list(ranks) + ['app'] for p in (root / top).rglob('*')
           if p.suffix in ('.h', '.cpp') and p.is_file()]
headers = {}
for p in sources:
    headers.setdefault(p.name, []).append(p)

faults = []
for p in sources:
    here = place(p)
    text = p.read_text(encoding='utf-8')
    lines = text.count('\n')
    if lines > max_lines:
        faults.append(f'{p.relative_to(root)}: {lines} lines (at most {max_lines})')
    for m in re.finditer(r'^\s*#\s*include\s+"([^"]+)"', text, re.M):
        for target in headers.get(pathlib.Path(m.group(1)).name, []):
            there = place(target)
            upward = there[1] > here[1]
            sideways = there[1] == here[1] and there[0] != here[0] and here[0].startswith('app/')
            if upward or sideways:
                faults.append(f'{p.relative_to(root)} includes {target.relative_to(root)} '
                              f'({here[0]} may not use {there[0]})')

app_files = [p for p in (root / 'app').iterdir() if p.suffix in ('.h', '.cpp', '.in')]
if len(app_files) > max_app_files:
    faults.append(f'app/ holds {len(app_files)} source files directly (at most {max_app_files})')

for f in faults:
    print(f)
sys.exit(1 if faults else 0)
