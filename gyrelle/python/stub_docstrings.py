# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Writes a binding's type hints with the docstrings of its compiled module,
which IDEs show from the hints only. The module must be importable.

Usage: stub_docstrings.py MODULE HINTS OUTPUT
"""
import importlib
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


if __name__ == "__main__":
    name, hints_path, output_path = sys.argv[1:]
    with open(hints_path) as hints:
        text = with_docstrings(hints.read(), importlib.import_module(name))
    with open(output_path, "w") as output:  # may be HINTS itself
        output.write(text)
