"""The Gyrelle busy-spinner widget for PyQt.

Gyrelle is the C++ widget itself, from libgyrelle.so.1 under PyQt5 or from
libgyrelle-qt6.so.1 under PyQt6: the binding that matches the PyQt the
application has imported. Import PyQt first; when it has imported neither,
PyQt6 is used if it is installed, otherwise PyQt5.
"""
import importlib
import sys


def _binding():
    imported = [qt for qt in ("PyQt6", "PyQt5") if qt in sys.modules]
    if len(imported) > 1:
        raise ImportError("gyrelle: both PyQt5 and PyQt6 are imported; use one of them")
    for qt in imported or ["PyQt6", "PyQt5"]:
        try:
            return importlib.import_module("._qt" + qt[-1], __name__)
        except ImportError:
            if imported:
                raise
    raise ImportError("gyrelle: neither the PyQt6 nor the PyQt5 binding is installed")


Gyrelle = _binding().Gyrelle

__all__ = ["Gyrelle"]
