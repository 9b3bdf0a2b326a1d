#!/usr/bin/env python3
"""Report the include cycles of src/: between folders and between files.

Usage: python3 scripts/include_cycles.py [SRC_DIR]

An include "dir/File.h" (or "File.h" beside the includer) is an edge from the including file's folder
to the included file's folder, and from the including file to the included file. A header and its .cpp
count as one unit for the file graph. Prints every strongly connected component of more than one node
(the cycles) of both graphs, and the folder edges.
"""
import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def units(src):
    """Map each header/source under src to its unit name (folder/stem) and folder."""
    found = {}
    for root, _, names in os.walk(src):
        for name in names:
            if name.endswith(('.h', '.cpp')):
                path = os.path.join(root, name)
                rel = os.path.relpath(path, src)
                found[rel] = os.path.splitext(rel)[0]
    return found


def edges(src, found):
    folder_edges = defaultdict(set)
    unit_edges = defaultdict(set)
    for rel, unit in found.items():
        here = os.path.dirname(rel)
        with open(os.path.join(src, rel), encoding='utf-8', errors='replace') as f:
            for line in f:
                m = INCLUDE.match(line)
                if not m:
                    continue
                target = m.group(1)
                for candidate in (os.path.normpath(os.path.join(here, target)), target):
                    if candidate in found:
                        break
                else:
                    continue
                other = found[candidate]
                if other != unit:
                    unit_edges[unit].add(other)
                there = os.path.dirname(candidate)
                if there != here:
                    folder_edges[here].add(there)
    return folder_edges, unit_edges


def cycles(graph):
    """Strongly connected components of more than one node (Tarjan, iterative)."""
    index, low, on_stack, stack, result, counter = {}, {}, set(), [], [], [0]
    nodes = set(graph) | {n for targets in graph.values() for n in targets}

    def visit(root):
        work = [(root, iter(sorted(graph.get(root, ()))))]
        index[root] = low[root] = counter[0]; counter[0] += 1
        stack.append(root); on_stack.add(root)
        while work:
            node, children = work[-1]
            advanced = False
            for child in children:
                if child not in index:
                    index[child] = low[child] = counter[0]; counter[0] += 1
                    stack.append(child); on_stack.add(child)
                    work.append((child, iter(sorted(graph.get(child, ())))))
                    advanced = True
                    break
                if child in on_stack:
                    low[node] = min(low[node], index[child])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    top = stack.pop(); on_stack.discard(top); component.append(top)
                    if top == node:
                        break
                if len(component) > 1:
                    result.append(sorted(component))

    for node in sorted(nodes):
        if node not in index:
            visit(node)
    return result


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'src')
    found = units(src)
    folder_edges, unit_edges = edges(src, found)
    print('Folder includes:')
    for folder in sorted(folder_edges):
        print(f'  {folder} -> {", ".join(sorted(folder_edges[folder]))}')
    folder_cycles = cycles(folder_edges)
    print(f'Folder cycles: {len(folder_cycles)}')
    for c in folder_cycles:
        print('  ' + ' <-> '.join(c))
    unit_cycles = cycles(unit_edges)
    print(f'File cycles (header+source as one): {len(unit_cycles)}')
    for c in unit_cycles:
        print('  ' + ' <-> '.join(c))
    return 0


if __name__ == '__main__':
    sys.exit(main())
