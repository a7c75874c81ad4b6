# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""The binding as PyQt and PySide6 programs use it, from the installed package."""
import os
import pydoc
import re
import runpy
import shutil
import subprocess
import sys
import textwrap
from pathlib import Path

import pytest

import gyrelle
from gyrelle import Gyrelle

# The Qt binding of this run; OTHER is one whose binding of ours this build lacks.
BINDING = {"pyqt5": "PyQt5", "pyqt6": "PyQt6", "pyside6": "PySide6"}[os.environ["PYTEST_QT_API"]]
qt = pytest.importorskip(BINDING)
from importlib import import_module  # noqa: E402

QtCore = import_module(qt.__name__ + ".QtCore")
QtGui = import_module(qt.__name__ + ".QtGui")
QtWidgets = import_module(qt.__name__ + ".QtWidgets")
major = BINDING[-1]  # of Qt
PYSIDE = BINDING == "PySide6"
if PYSIDE:
    shiboken = import_module("shiboken6")
    Signal, delete, isdeleted = QtCore.Signal, shiboken.delete, lambda wrapper: not shiboken.isValid(wrapper)
    MODULE, OTHER = "_pyside6", "PyQt5"
else:
    sip = import_module(qt.__name__ + ".sip")
    Signal, delete, isdeleted = QtCore.pyqtSignal, sip.delete, sip.isdeleted
    MODULE, OTHER = f"_qt{major}", "PyQt6" if major == "5" else "PyQt5"
other = OTHER[-1]
EXPLICIT = "gyrelle." + MODULE[1:]  # gyrelle.qt6, gyrelle.pyside6


def test_loads_from_the_installed_prefix():
    import gyrelle

    prefix = os.environ["GYRELLE_PREFIX"]
    assert gyrelle.__file__.startswith(prefix) and gyrelle.__version__ == os.environ["GYRELLE_VERSION"]
    with open("/proc/self/maps") as maps:
        libraries = {line.split()[-1] for line in maps if "libgyrelle" in line}
    assert libraries and all(path.startswith(prefix) for path in libraries), libraries


def test_slots_follow_python_signals_and_properties_work(qtbot):
    class Job(QtCore.QObject):
        started = Signal()
        finished = Signal()
        slowed = Signal(int)
        tinted = Signal(QtGui.QColor)

    job = Job()
    spinner = Gyrelle(parent=None)
    qtbot.addWidget(spinner)
    job.started.connect(spinner.startAnimation)
    job.finished.connect(spinner.stopAnimation)
    job.slowed.connect(spinner.setAnimationDelay)
    job.tinted.connect(spinner.setColor)

    job.started.emit()
    job.slowed.emit(75)
    job.tinted.emit(QtGui.QColor("#1c6dd0"))
    assert (spinner.isAnimated(), spinner.animationDelay(), spinner.color().name()) == (True, 75, "#1c6dd0")
    job.finished.emit()
    assert not spinner.isAnimated()

    assert spinner.setProperty("delay", 90) and spinner.property("delay") == 90
    assert spinner.setProperty("displayedWhenStopped", True) and spinner.isDisplayedWhenStopped()
    assert spinner.setProperty("color", QtGui.QColor("red")) and spinner.property("color") == QtGui.QColor("red")
    if PYSIDE:  # properties as attributes, in a module that asks PySide for them
        result = run_python("""
            import PySide6
            from __feature__ import true_property
            from PySide6.QtWidgets import QApplication
            from gyrelle import Gyrelle
            app = QApplication([])
            spinner = Gyrelle(delay=60)
            spinner.delay += 5
            spinner.displayedWhenStopped = True
            print(spinner.delay, spinner.displayedWhenStopped, spinner.color.name())
        """)
        assert result.stdout == "65 True #000000\n", result


def test_cpp_calls_the_python_overrides(qtbot):
    class Counting(Gyrelle):
        def __init__(self):
            super().__init__()
            self.ticks = self.paints = 0

        def timerEvent(self, event):
            self.ticks += 1
            super().timerEvent(event)

        def paintEvent(self, event):
            self.paints += 1
            super().paintEvent(event)

        def sizeHint(self):
            return QtCore.QSize(33, 33)

    spinner = Counting()
    qtbot.addWidget(spinner)
    spinner.setAnimationDelay(5)
    spinner.startAnimation()
    spinner.show()
    qtbot.waitUntil(lambda: spinner.ticks >= 3 and spinner.paints >= 1)
    spinner.adjustSize()  # QWidget's C++ asks sizeHint()
    assert spinner.size() == QtCore.QSize(33, 33)
    # Inherited protected API; PySide names a signal by its signature.
    signal = QtCore.SIGNAL("customContextMenuRequested(QPoint)") if PYSIDE else spinner.customContextMenuRequested
    assert spinner.receivers(signal) == 0


def test_help_shows_the_class_and_its_own_api_first():
    text = pydoc.render_doc(Gyrelle, renderer=pydoc.plaintext).splitlines()
    # PySide's heading is the constructor's signatures.
    assert any(line.startswith(" |  An animated busy indicator") for line in text[3:8]), text[:8]
    # Python 3.13's pydoc files the methods of a compiled class as "Static methods".
    headings = (" |  Methods defined here:", " |  Static methods defined here:")
    own = text[next(number for number, line in enumerate(text) if line in headings):]
    own = own[:next(number for number, line in enumerate(own) if line.startswith(" |  ----"))]
    own_api = sorted(re.findall(r"^ \|  ([a-z]\w+)\(", "\n".join(own), re.M))
    assert own_api == [
        "animationDelay", "color", "heightForWidth", "isAnimated", "isDisplayedWhenStopped", "paintEvent",
        "setAnimationDelay", "setColor", "setDisplayedWhenStopped", "sizeHint", "startAnimation",
        "stopAnimation", "timerEvent"]
    assert all(getattr(Gyrelle, name).__doc__ for name in own_api)


def test_running_spinner_deleted_by_its_parent_or_from_python(qtbot):
    parent = QtWidgets.QWidget()
    spinner = Gyrelle(parent)
    spinner.startAnimation()
    delete(parent)
    assert isdeleted(spinner)

    spinner = Gyrelle()
    spinner.setAnimationDelay(1)
    spinner.startAnimation()
    spinner.show()
    qtbot.wait(20)
    delete(spinner)
    qtbot.wait(50)  # the event loop goes on without the spinner's timer


def test_draws_the_same_pixels_as_the_cpp_demo(tmp_path):
    """Frames of a 20 px black spinner against the demo's contact sheet."""
    sheet_path = tmp_path / "sheet.png"
    subprocess.run([os.environ["GYRELLE_DEMO"], "--snapshot", str(sheet_path)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    sheet = QtGui.QImage(str(sheet_path))
    size, margin, label_width, top = 20, 8, 56, 8 + 14  # the demo's layout of its first row
    spinner = Gyrelle()
    spinner.resize(size, size)
    spinner.startAnimation()
    for frame in range(12):
        image = QtGui.QImage(size, size, QtGui.QImage.Format.Format_ARGB32_Premultiplied)
        image.fill(QtGui.QColor("white"))
        painter = QtGui.QPainter(image)
        spinner.render(painter, QtCore.QPoint(), QtGui.QRegion(), QtWidgets.QWidget.RenderFlag(0))
        painter.end()
        expected = sheet.copy(label_width + frame * (size + margin), top, size, size)
        assert image == expected.convertToFormat(image.format()), f"frame {frame}"
        spinner.timerEvent(QtCore.QTimerEvent(0))


def run_python(code, python=sys.executable, **environment):
    """CODE run in a fresh interpreter, where no PyQt is imported yet."""
    env = {name: value for name, value in os.environ.items() if name != "QT_API"}
    env.update(environment)
    return subprocess.run([python, "-c", textwrap.dedent(code)], env=env,
                          capture_output=True, text=True, timeout=60)


CHOOSE = """
    import sys
    {before}
    try:
        from gyrelle import Gyrelle
        print("chose", Gyrelle.__module__)
    except ImportError as error:
        print(type(error).__name__, error, "| cause:", repr(error.__cause__))
"""


# This run's binding is {b} (QT_API {api}, our module {mod}), of a build for Qt
# {q}, which has no binding for {o}. Rule 3 prefers PyQt{q}'s binding, which
# every build for Qt {q} has. {pyside}: what QT_API=pyside6 gives in this build.
@pytest.mark.parametrize("before, qt_api, expected", [
    pytest.param("import {b}.QtWidgets", None, "chose gyrelle.{mod}", id="imported"),
    pytest.param("import {b}.QtCore", "{o_api}", "chose gyrelle.{mod}", id="imported-before-QT_API"),
    pytest.param("import {o}.QtWidgets", None, "ModuleNotFoundError gyrelle: the {o} binding "
                 "(gyrelle._qt{o_major}) is not installed: install the Debian package python3-gyrelle-qt{o_major}",
                 id="imported-other"),
    pytest.param("", "{b}", "chose gyrelle.{mod}", id="QT_API"),
    pytest.param("", "pyside6", "{pyside}", id="QT_API-PySide6"),
    pytest.param("", "PySide2", "ImportError gyrelle: QT_API=pyside2 asks for a PySide that gyrelle does not "
                 "support: its bindings are for PyQt5, PyQt6 and PySide6 (QT_API=pyqt5, pyqt6 or pyside6)",
                 id="QT_API-PySide2"),
    pytest.param("", "tk", "chose gyrelle._qt{q}", id="QT_API-foreign"),
    # The whole message, outside a venv and in one; {venv}: a venv made without
    # --system-site-packages, which sees no Qt binding ({python} is its interpreter).
    pytest.param("sys.modules['{b}'] = None", "{api}", "ModuleNotFoundError gyrelle: {b} is not installed for "
                 "{python}: install the Debian package {deb} | cause: None\n", id="no-Qt-binding"),
    pytest.param("{venv}", "{api}", "ModuleNotFoundError gyrelle: {b} is not installed for {python}: install the "
                 "Debian package {deb}, and make the venv with --system-site-packages to see it "
                 "| cause: None\n", id="no-Qt-binding-venv"),
    # The installed binding, whichever Qt binding is importable; a mere look-up is no import.
    pytest.param("import importlib.util; importlib.util.find_spec('{o}.QtCore')", None,
                 "chose gyrelle._qt{q}", id="installed"),
    pytest.param("import {b}.QtCore, {o}.QtCore", None, "ImportError gyrelle: the program has imported ",
                 id="imported-both"),
    pytest.param("import {b}.QtCore, {o}.QtCore", "{api}", "chose gyrelle.{mod}", id="imported-both-QT_API"),
    # {both}: a stand-in for {o}'s binding as well, so that both PyQt's are installed.
    pytest.param("{both}", None, "chose gyrelle._qt6", id="installed-both"),
    pytest.param("{both}; sys.modules['PyQt6'] = None", None, "chose gyrelle._qt5", id="installed-both-no-PyQt6"),
])
def test_binding_choice(tmp_path, before, qt_api, expected):
    (tmp_path / f"_qt{other}.py").write_text("class Gyrelle:\n    pass\n")
    both = f"import sys, gyrelle; gyrelle.__path__.append({str(tmp_path)!r})"
    python = sys.executable
    if before.startswith("sys.modules['{b}']") and sys.prefix != sys.base_prefix:
        pytest.skip("run from a venv, whose message has the venv hint")
    if before == "{venv}":
        subprocess.run([sys.executable, "-m", "venv", "--without-pip", tmp_path / "venv"], check=True)
        python = str(tmp_path / "venv/bin/python")
    pyside = ("chose gyrelle._pyside6" if os.environ["GYRELLE_PYSIDE6"] == "1" else
              "ModuleNotFoundError gyrelle: the PySide6 binding (gyrelle._pyside6) is not installed: install the "
              "Debian package python3-gyrelle-pyside6")
    fill = {"b": BINDING, "api": BINDING.lower(), "mod": MODULE, "q": major, "o": OTHER, "o_api": OTHER.lower(),
            "o_major": other, "deb": "python3-pyside6.qtwidgets" if PYSIDE else f"python3-pyqt{major}",
            "pyside": pyside, "both": both, "venv": "", "python": python}
    environment = {"QT_API": qt_api.format(**fill)} if qt_api else {}
    result = run_python(CHOOSE.format(before=before.format(**fill)), python, **environment)
    assert result.stdout.startswith(expected.format(**fill)), result


def test_explicit_binding_makes_no_choice_and_a_mismatch_raises_instead_of_aborting():
    # Widgets of a PyQt of the other Qt; the compiled module itself checks.
    wrong = "PyQt5" if major == "6" else "PyQt6"
    result = run_python(f"""
        import PyQt5.QtCore, PyQt6.QtCore, {BINDING}.QtCore
        from gyrelle.{MODULE} import Gyrelle
        from {wrong}.QtWidgets import QApplication, QWidget

        def construct(*parent, **keyword):
            try:
                Gyrelle(*parent, **keyword)
            except (RuntimeError, TypeError) as error:
                print(type(error).__name__, error)

        from {BINDING}.QtGui import QGuiApplication
        gui = QGuiApplication([])  # not enough
        construct()
        app = QApplication([])
        construct()
        construct(QWidget())
        construct(parent=QWidget())
        construct(QWidget)
        construct(parent=42)
    """)
    switch = f"import {wrong} before gyrelle, set QT_API={wrong.lower()}, or import Gyrelle from gyrelle.qt{wrong[-1]}"
    assert (result.returncode, result.stdout.splitlines()) == (0, [
        f"RuntimeError gyrelle: construct a QApplication ({BINDING}) before any Gyrelle; "
        "a QGuiApplication is not enough",
        f"RuntimeError gyrelle: the QApplication is {wrong}'s, but this Gyrelle is {BINDING}'s: {switch}",
        *[f"TypeError gyrelle: the parent is a {wrong} widget, but this Gyrelle is {BINDING}'s: {switch}"] * 2,
        *[f"TypeError Gyrelle(): parent must be a {BINDING} QWidget or None, not {kind}"
          for kind in ("wrappertype", "int")]]), result


def test_a_binding_that_does_not_load_is_reported(tmp_path):
    # A broken library first on the search path, ahead of any installed one.
    library = tmp_path / os.environ["GYRELLE_LIBRARY"]
    library.write_bytes(b"")
    output = run_python(CHOOSE.format(before=f"import {BINDING}.QtCore"), LD_LIBRARY_PATH=str(tmp_path)).stdout
    assert output.startswith(f"ImportError gyrelle: the {BINDING} binding (gyrelle.{MODULE}) is installed "
                             f"but cannot be loaded: {library}: file too short"), output
    assert "| cause: ImportError(" in output


@pytest.mark.parametrize("way", ["loader", "uic"])
def test_designer_form(qtbot, tmp_path, way):
    """Loaded at run time (PyQt's loadUi, PySide's QUiLoader), and as uic's code."""
    if way == "loader" and PYSIDE:  # through our Designer plugin
        loader = import_module("PySide6.QtUiTools").QUiLoader()
        loader.addPluginPath(os.environ["GYRELLE_PLUGIN_PATH"])
        form = loader.load(os.environ["GYRELLE_FORM"])
        spinner = form.findChild(QtWidgets.QWidget, "spinner")
    elif way == "loader":
        form = import_module(qt.__name__ + ".uic").loadUi(os.environ["GYRELLE_FORM"])
        spinner = form.spinner
    else:
        pyuic = shutil.which("pyside6-uic" if PYSIDE else "pyuic" + major)
        if not pyuic:
            pytest.skip(f"{BINDING}'s uic is not installed")
        generated = tmp_path / "ui_spinner_form.py"
        subprocess.run([pyuic, os.environ["GYRELLE_FORM"], "-o", str(generated)], check=True)
        form, ui = QtWidgets.QWidget(), runpy.run_path(str(generated))["Ui_SpinnerForm"]()
        ui.setupUi(form)
        spinner = ui.spinner
    qtbot.addWidget(form)
    assert isinstance(spinner, Gyrelle) and spinner.parentWidget() is form
    assert (spinner.animationDelay(), spinner.isDisplayedWhenStopped(), spinner.color().getRgb()[:3],
            spinner.isAnimated()) == (80, True, (28, 109, 208), False)


def readme_snippets():
    """The Python code of the README and the Python guide, for this binding (it
    is written for PyQt6)."""
    top = Path(__file__).parents[3]
    text = "".join((top / page).read_text() for page in ("README.md", "docs/python.md"))
    return [textwrap.dedent(code).replace("gyrelle.qt6", EXPLICIT).replace("PyQt6", BINDING)
            for code in re.findall(r"^```python\n(.*?)^```", text, re.M | re.S)]


@pytest.mark.parametrize("snippet", readme_snippets(), ids=lambda snippet: "README")
def test_readme_snippet_is_isort_clean_and_runs(snippet):
    isort = shutil.which("isort")
    if isort:
        result = subprocess.run([isort, "--diff", "--check-only", "-"], input=snippet, capture_output=True, text=True)
        assert result.returncode == 0, result.stdout
    # Its event loop ends at once, after listing the widgets.
    quit_at_once = (f"from {BINDING}.QtWidgets import QApplication\n"
                    "QApplication.exec = lambda app: print([type(widget).__name__ for widget in app.allWidgets()])\n")
    result = run_python(quit_at_once + snippet)
    assert result.returncode == 0 and "'Gyrelle'" in result.stdout, result


# Each line of the wrong program is an error. Line 5 tells which PyQt type
# checkers take "from gyrelle import Gyrelle" for (GENERIC), the other being
# OTHER: only a PyQt6 widget where PyQt5's is expected is an error, as PyQt5's
# type hints let its widgets pass for any class. Exact is this run's binding.
WRONG_PROGRAM = """
    from PyQt{other}.QtWidgets import QVBoxLayout, QWidget
    from gyrelle import Gyrelle
    from {explicit} import Gyrelle as Exact
    {mismatch}
    spinner = Exact("window")
    spinner.setAnimationDelay("fast")
    spinner.setDisplayedWhenStopped(None)
    spinner.setColor(0.5)
    spinner.heightForWidth(3.5)
    spinner.startAnimation(True)
    text: str = spinner.animationDelay()
"""
MISMATCH = {"6": "QVBoxLayout().addWidget(Gyrelle())", "5": "Gyrelle(QWidget())"}


@pytest.fixture(params=["one", "both"])
def installed(request, tmp_path):
    """The folder of the installed package, alone or beside the other PyQt's
    binding, for which this one's type hints stand in."""
    if request.param == "one":
        return os.path.dirname(os.path.dirname(gyrelle.__file__)), major
    package = shutil.copytree(os.path.dirname(gyrelle.__file__), tmp_path / "gyrelle")
    for hints in (f"_qt{major}.pyi", f"qt{major}.pyi"):
        text = (package / hints).read_text().replace(f"qt{major}", f"qt{other}").replace(f"Qt{major}", f"Qt{other}")
        (package / hints.replace(major, other)).write_text(text)
    shutil.copy(Path(__file__).parents[1] / "gyrelle" / ("_default.py" if other == "5" else "_default.pyi"), package)
    return str(tmp_path), "6"


def type_checker(checker, python, tmp_path):
    """The command of CHECKER (mypy or pyright) for PYTHON's packages; skips where it is not installed."""
    tool = shutil.which(checker)
    if not tool:
        pytest.skip(f"{checker} is not installed")
    return {"mypy": [tool, "--python-executable", python, "--cache-dir", str(tmp_path / "cache")],
            "pyright": [tool, "--pythonpath", python]}[checker]


def check_types(command, environment, tmp_path, generic):
    """COMMAND, a type checker, finds no error in the README's program (with the
    generic import where it gives this binding) and each one of the wrong program,
    for which "from gyrelle import Gyrelle" is PyQt<GENERIC>'s."""
    good = readme_snippets()[0]
    if generic == major and not PYSIDE:
        good = good.replace(f"from gyrelle.qt{major} import", "from gyrelle import")
    wrong = textwrap.dedent(WRONG_PROGRAM.format(explicit=EXPLICIT, other="5" if generic == "6" else "6",
                                                 mismatch=MISMATCH[generic]))
    # PySide6 types a QColor parameter as anything a QVariant takes, 0.5 included.
    wrong_lines = [line for line in range(5, 13) if not (PYSIDE and line == 9)]
    for name, program, wrong_lines in (("good", good, []), ("wrong", wrong, wrong_lines)):
        source = tmp_path / f"{name}.py"
        source.write_text(program)
        result = subprocess.run([*command, str(source)], capture_output=True, text=True, env=environment,
                                cwd=tmp_path)
        lines = sorted({int(line) for line in re.findall(rf"{name}\.py:(\d+):(?:\d+ -)? error", result.stdout)})
        assert lines == wrong_lines, result.stdout


@pytest.mark.parametrize("checker", ["mypy", "pyright"])
def test_type_checkers_without_configuration(tmp_path, installed, checker):
    folder, generic = installed
    check_types(type_checker(checker, sys.executable, tmp_path), dict(os.environ, PYTHONPATH=folder), tmp_path, generic)


def test_pip_builds_the_binding_into_a_venv(tmp_path):
    """pip install from the source tree, against the installed library."""
    if PYSIDE:
        pytest.skip("pip builds the PyQt bindings only")
    venv = tmp_path / "venv"
    subprocess.run(["/usr/bin/python3", "-m", "venv", "--system-site-packages", str(venv)], check=True)
    environment = {name: value for name, value in os.environ.items() if name != "PYTHONPATH"}
    environment["PKG_CONFIG_PATH"] = os.environ["GYRELLE_PKG_CONFIG_PATH"]
    built = subprocess.run([venv / "bin/pip", "install", "--no-build-isolation", "--no-index", "--config-settings",
                            f"--qmake={os.environ['GYRELLE_QMAKE']}", Path(__file__).parents[1]],
                           env=environment, capture_output=True, text=True)
    assert built.returncode == 0, built
    shown = subprocess.run([venv / "bin/pip", "show", "--files", "gyrelle"], env=environment, capture_output=True,
                           text=True)
    assert f"Location: {venv}" in shown.stdout and f"Requires: PyQt{major}," in shown.stdout, shown.stdout
    assert f"Version: {os.environ['GYRELLE_VERSION']}\n" in shown.stdout, shown.stdout
    # The same package as CMake installs, with this build's PyQt binding only
    # (CMake's may hold PySide6's too).
    wheel_files = set(re.findall(r"^  gyrelle/([^/\n]+)$", shown.stdout, re.MULTILINE))
    installed = {name for name in os.listdir(os.path.dirname(gyrelle.__file__)) if "pyside6" not in name}
    assert wheel_files == installed - {"__pycache__"}, shown.stdout
    result = subprocess.run([venv / "bin/python", "-c", textwrap.dedent(f"""
        from PyQt{major}.QtWidgets import QApplication
        import gyrelle
        from gyrelle import Gyrelle
        app = QApplication([])
        hints = open(gyrelle.__file__.replace("__init__.py", "_qt{major}.pyi")).read()
        print(gyrelle.__file__, Gyrelle.__module__, Gyrelle().sizeHint().width(),
              Gyrelle.color.__doc__.splitlines()[-1] in hints)
    """)], env=environment, capture_output=True, text=True, cwd=tmp_path)
    assert result.stdout.split()[1:] == [f"gyrelle._qt{major}", "20", "True"], result
    assert result.stdout.startswith(str(venv)), result
    # What type checkers take "from gyrelle import Gyrelle" for there: this binding.
    check_types(type_checker("mypy", str(venv / "bin/python"), tmp_path), environment, tmp_path, major)
