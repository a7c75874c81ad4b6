# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Writes a binding's type hints with the docstrings of its compiled module,
which IDEs show from the hints only. The module is loaded from its file alone,
without its package, which may not be importable where it is built.

Usage: stub_docstrings.py MODULE FILE HINTS OUTPUT
"""
import importlib.util
import re
import sys
import textwrap


def quoted(doc, indent):
    doc = doc.strip().replace("\\", "\\\\").replace('"""', '\\"\\"\\"')
    return textwrap.indent(f'"""{doc}\n"""', indent)


def with_docstrings(hints, module):
    """HINTS with a docstring under each class and method that has one in MODULE."""
    lines, cls = [], None
    for line in hints.splitlines():
        heading = re.match(r"class (\w+)\b.*:$", line)
        method = re.match(r"(    def (\w+)\(.*):\s*\.\.\.$", line)
        if heading:
            cls = getattr(module, heading[1], None)
            lines.append(line)
            if cls is not None and cls.__doc__:
                lines.append(quoted(cls.__doc__, "    "))
        elif method and cls is not None and method[2] != "__init__" and getattr(cls, method[2]).__doc__:
            lines += [method[1] + ":", quoted(getattr(cls, method[2]).__doc__, "        ")]
        else:
            lines.append(line)
    return "\n".join(lines) + "\n"


def loaded(name, path):
    location = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(location)
    location.loader.exec_module(module)
    return module


if __name__ == "__main__":
    name, module_path, hints_path, output_path = sys.argv[1:]
    with open(hints_path) as hints:
        text = with_docstrings(hints.read(), loaded(name, module_path))
    with open(output_path, "w") as output:  # may be HINTS itself
        output.write(text)
