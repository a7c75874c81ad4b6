# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""The Gyrelle busy-spinner widget for PyQt5 and PyQt6.

Gyrelle is the C++ widget itself: from libgyrelle.so.1 for PyQt5, from
libgyrelle-qt6.so.1 for PyQt6. ``from gyrelle import Gyrelle`` picks the
binding, at that moment, by the first rule that applies:

1. the PyQt that the program has imported (PyQt5.QtCore or PyQt6.QtCore);
2. the environment variable QT_API, ``pyqt5`` or ``pyqt6`` (PySide's values
   raise ImportError, as there is no binding for PySide; other values, meant
   for other libraries, are left alone);
3. a binding of ours that is installed, PyQt6's first.

``from gyrelle.qt5 import Gyrelle`` (or ``gyrelle.qt6``) makes no choice.
Constructing a Gyrelle while there is no QApplication of its PyQt raises
RuntimeError instead of letting Qt abort the process; a widget of the other
PyQt as its parent raises TypeError. Both say what to change.

Designer forms record the header ``gyrelle/gyrelle.h``; PyQt's uic turns it
into the module ``gyrelle.gyrelle``, which gives the same choice.
"""
import importlib
import importlib.metadata
import importlib.util
import os
import sys

__version__ = importlib.metadata.version(__name__)
__all__ = ["Gyrelle"]

_MAJORS = ("6", "5")


def _missing_pyqt_error(majors):
    """For a binding of ours whose PyQt this Python cannot import (typically a
    venv made without --system-site-packages)."""
    names = " or ".join(f"PyQt{major}" for major in majors)
    return ModuleNotFoundError(
        f"gyrelle: {names} is not installed for {sys.executable}: install the Debian package "
        + " or ".join(f"python3-pyqt{major}" for major in majors)
        + (", and make the venv with --system-site-packages to see it" if sys.prefix != sys.base_prefix else ""),
        name=f"PyQt{majors[0]}")


def _binding_module(major):
    """The compiled binding for PyQt<major>, with an error that says what to install."""
    name = f"{__name__}._qt{major}"
    if importlib.util.find_spec(name) is None:
        raise ModuleNotFoundError(
            f"gyrelle: the PyQt{major} binding ({name}) is not installed: install the Debian package "
            f"python3-gyrelle-qt{major}, or build and install gyrelle against Qt {major}", name=name)
    if importlib.util.find_spec(f"PyQt{major}") is None:
        raise _missing_pyqt_error([major])
    try:
        return importlib.import_module(name)
    except ImportError as error:
        raise ImportError(f"gyrelle: the PyQt{major} binding ({name}) is installed but cannot be "
                          f"loaded: {error}", name=name) from error


def _chosen_major():
    imported = [major for major in _MAJORS if f"PyQt{major}.QtCore" in sys.modules]
    if len(imported) == 1:
        return imported[0]
    requested = os.environ.get("QT_API", "").lower()
    if requested in ("pyqt6", "pyqt5"):
        return requested[-1]
    if requested.startswith("pyside"):
        raise ImportError(f"gyrelle: QT_API={requested} asks for PySide, which gyrelle does not support: "
                          "its bindings are for PyQt5 and PyQt6 (QT_API=pyqt5 or pyqt6)")
    if imported:
        raise ImportError("gyrelle: the program has imported both PyQt5 and PyQt6; set QT_API to "
                          "pyqt5 or pyqt6, or import Gyrelle from gyrelle.qt5 or gyrelle.qt6")
    installed = [major for major in _MAJORS if importlib.util.find_spec(f"{__name__}._qt{major}")]
    for major in installed:
        if importlib.util.find_spec(f"PyQt{major}"):
            return major
    if installed:
        raise _missing_pyqt_error(installed)
    raise ModuleNotFoundError("gyrelle: no binding is installed: install the Debian package "
                              "python3-gyrelle-qt6 or python3-gyrelle-qt5", name=__name__ + "._qt6")


def _wrong_pyqt_error(major, parent):
    """What the PyQt<major> binding raises for a Gyrelle with no QApplication of its
    PyQt (PARENT None) or with a parent it cannot take."""
    other = "5" if major == "6" else "6"
    switch = f"import PyQt{other} before gyrelle, set QT_API=pyqt{other}, or import Gyrelle from gyrelle.qt{other}"
    other_widgets = sys.modules.get(f"PyQt{other}.QtWidgets")
    if parent is None:
        if other_widgets and other_widgets.QApplication.instance():
            return RuntimeError(f"gyrelle: the QApplication is PyQt{other}'s, but this Gyrelle is PyQt{major}'s: {switch}")
        return RuntimeError(f"gyrelle: construct a QApplication (PyQt{major}) before any Gyrelle; "
                            "a QGuiApplication is not enough")
    if other_widgets and isinstance(parent, other_widgets.QWidget):
        return TypeError(f"gyrelle: the parent is a PyQt{other} widget, but this Gyrelle is PyQt{major}'s: {switch}")
    return TypeError(f"Gyrelle(): parent must be a PyQt{major} QWidget or None, not {type(parent).__name__}")


def __getattr__(name):
    # Chosen on first use, not on "import gyrelle", so that gyrelle.qt5 and
    # gyrelle.qt6 can be imported without any choice being made.
    if name != "Gyrelle":
        raise AttributeError(f"module {__name__!r} has no attribute {name!r}")
    gyrelle_class = _binding_module(_chosen_major()).Gyrelle
    globals()["Gyrelle"] = gyrelle_class
    return gyrelle_class


def __dir__():
    return sorted({*globals(), "Gyrelle"})
