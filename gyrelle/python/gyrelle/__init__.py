# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""The Gyrelle busy-spinner widget for PyQt5, PyQt6 and PySide6.

Gyrelle is the C++ widget itself: from libgyrelle.so.1 for PyQt5, from
libgyrelle-qt6.so.1 for PyQt6 and PySide6. ``from gyrelle import Gyrelle``
picks the binding, at that moment, by the first rule that applies:

1. the Qt binding that the program has imported (PyQt5.QtCore, PyQt6.QtCore
   or PySide6.QtCore);
2. the environment variable QT_API, ``pyqt5``, ``pyqt6`` or ``pyside6``
   (other PySide versions raise ImportError, as there is no binding for them;
   other values, meant for other libraries, are left alone);
3. a binding of ours that is installed: PyQt6's, PyQt5's, then PySide6's.

``from gyrelle.qt5 import Gyrelle`` (or ``gyrelle.qt6``, ``gyrelle.pyside6``)
makes no choice. Constructing a Gyrelle while there is no QApplication of its
binding raises RuntimeError instead of letting Qt abort the process; a widget
of another binding as its parent raises TypeError. Both say what to change.

Designer forms record the header ``gyrelle/gyrelle.h``; PyQt's uic turns it
into the module ``gyrelle.gyrelle``, which gives the same choice.
"""
import functools
import importlib
import importlib.metadata
import importlib.util
import os
import sys

__all__ = ["Gyrelle"]

# The Qt bindings we serve, in the order of rule 3: for each, our module and its
# Debian package, the Qt binding's own Debian package, and the Qt it is for.
_BINDINGS = {
    "PyQt6": ("_qt6", "python3-gyrelle-qt6", "python3-pyqt6", "6"),
    "PyQt5": ("_qt5", "python3-gyrelle-qt5", "python3-pyqt5", "5"),
    "PySide6": ("_pyside6", "python3-gyrelle-pyside6", "python3-pyside6.qtwidgets", "6"),
}


def _missing_qt_error(bindings):
    """For bindings of ours whose Qt binding this Python cannot import (typically a
    venv made without --system-site-packages)."""
    return ModuleNotFoundError(
        f"gyrelle: {' or '.join(bindings)} is not installed for {sys.executable}: install the Debian package "
        + " or ".join(_BINDINGS[binding][2] for binding in bindings)
        + (", and make the venv with --system-site-packages to see it" if sys.prefix != sys.base_prefix else ""),
        name=bindings[0])


def _binding_module(binding):
    """Our compiled module for BINDING (PyQt5, PyQt6, PySide6), with an error
    that says what to install."""
    module, package, _, qt = _BINDINGS[binding]
    name = f"{__name__}.{module}"
    if importlib.util.find_spec(name) is None:
        raise ModuleNotFoundError(
            f"gyrelle: the {binding} binding ({name}) is not installed: install the Debian package "
            f"{package}, or build and install gyrelle against Qt {qt} with {binding} present", name=name)
    if importlib.util.find_spec(binding) is None:
        raise _missing_qt_error([binding])
    try:
        module = importlib.import_module(name)
    except ImportError as error:
        raise ImportError(f"gyrelle: the {binding} binding ({name}) is installed but cannot be "
                          f"loaded: {error}", name=name) from error
    return module


def _check_parent(cls):
    """Makes CLS, PySide6's Gyrelle, reject a parent of another binding as
    PyQt's does, PySide6's own error naming neither binding. The compiled
    module calls it once, as it makes the class."""
    native_init = cls.__init__
    widget = sys.modules["PySide6.QtWidgets"].QWidget

    @functools.wraps(native_init)
    def __init__(self, *args, **kwargs):
        parent = args[0] if args else kwargs.get("parent")
        if parent is not None and not isinstance(parent, widget):
            raise _wrong_binding_error("PySide6", parent)
        native_init(self, *args, **kwargs)
    cls.__init__ = __init__


def _chosen_binding():
    imported = [binding for binding in _BINDINGS if f"{binding}.QtCore" in sys.modules]
    if len(imported) == 1:
        return imported[0]
    requested = os.environ.get("QT_API", "").lower()
    by_api = {binding.lower(): binding for binding in _BINDINGS}
    if requested in by_api:
        return by_api[requested]
    if requested.startswith("pyside"):
        raise ImportError(f"gyrelle: QT_API={requested} asks for a PySide that gyrelle does not support: its "
                          "bindings are for PyQt5, PyQt6 and PySide6 (QT_API=pyqt5, pyqt6 or pyside6)")
    if imported:
        raise ImportError(f"gyrelle: the program has imported {' and '.join(imported)}; set QT_API to "
                          + " or ".join(binding.lower() for binding in imported)
                          + ", or import Gyrelle from "
                          + " or ".join(f"gyrelle.{_BINDINGS[binding][0][1:]}" for binding in imported))
    installed = [binding for binding in _BINDINGS
                 if importlib.util.find_spec(f"{__name__}.{_BINDINGS[binding][0]}")]
    for binding in installed:
        if importlib.util.find_spec(binding):
            return binding
    if installed:
        raise _missing_qt_error(installed)
    raise ModuleNotFoundError("gyrelle: no binding is installed: install the Debian package "
                              "python3-gyrelle-qt6, python3-gyrelle-qt5 or python3-gyrelle-pyside6",
                              name=__name__ + "._qt6")


def _wrong_binding_error(binding, parent):
    """What our module for BINDING raises for a Gyrelle with no QApplication of
    its binding (PARENT None) or with a parent it cannot take."""
    for other in _BINDINGS:
        widgets = sys.modules.get(f"{other}.QtWidgets")
        if other == binding or widgets is None:
            continue
        switch = (f"import {other} before gyrelle, set QT_API={other.lower()}, or import Gyrelle from "
                  f"gyrelle.{_BINDINGS[other][0][1:]}")
        if parent is None and isinstance(widgets.QApplication.instance(), widgets.QApplication):
            return RuntimeError(f"gyrelle: the QApplication is {other}'s, but this Gyrelle is {binding}'s: {switch}")
        if parent is not None and isinstance(parent, widgets.QWidget):
            return TypeError(f"gyrelle: the parent is a {other} widget, but this Gyrelle is {binding}'s: {switch}")
    if parent is None:
        return RuntimeError(f"gyrelle: construct a QApplication ({binding}) before any Gyrelle; "
                            "a QGuiApplication is not enough")
    return TypeError(f"Gyrelle(): parent must be a {binding} QWidget or None, not {type(parent).__name__}")


def __getattr__(name):
    # Chosen on first use, not on "import gyrelle", so that gyrelle.qt5,
    # gyrelle.qt6 and gyrelle.pyside6 can be imported without any choice being made.
    if name == "__version__":  # from the metadata installed beside the package, read when asked
        return importlib.metadata.version(__name__)
    if name != "Gyrelle":
        raise AttributeError(f"module {__name__!r} has no attribute {name!r}")
    gyrelle_class = _binding_module(_chosen_binding()).Gyrelle
    globals()["Gyrelle"] = gyrelle_class
    return gyrelle_class


def __dir__():
    return sorted({*globals(), "Gyrelle", "__version__"})
