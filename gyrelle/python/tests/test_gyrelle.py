# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""The binding as PyQt programs use it, from the installed package."""
import os
import pydoc
import re
import runpy
import shutil
import subprocess
import sys
import textwrap

import pytest

from gyrelle import Gyrelle

qt = pytest.importorskip(os.environ["PYTEST_QT_API"].replace("pyqt", "PyQt"))
from importlib import import_module  # noqa: E402

QtCore = import_module(qt.__name__ + ".QtCore")
QtGui = import_module(qt.__name__ + ".QtGui")
QtWidgets = import_module(qt.__name__ + ".QtWidgets")
sip = import_module(qt.__name__ + ".sip")
major = qt.__name__[-1]
other = "6" if major == "5" else "5"


def test_loads_from_the_installed_prefix():
    import gyrelle

    prefix = os.environ["GYRELLE_PREFIX"]
    assert gyrelle.__file__.startswith(prefix) and gyrelle.__version__ == os.environ["GYRELLE_VERSION"]
    with open("/proc/self/maps") as maps:
        libraries = {line.split()[-1] for line in maps if "libgyrelle" in line}
    assert libraries and all(path.startswith(prefix) for path in libraries), libraries


def test_slots_follow_python_signals_and_properties_work(qtbot):
    class Job(QtCore.QObject):
        started = QtCore.pyqtSignal()
        finished = QtCore.pyqtSignal()
        slowed = QtCore.pyqtSignal(int)
        tinted = QtCore.pyqtSignal(QtGui.QColor)

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
    assert spinner.receivers(spinner.customContextMenuRequested) == 0  # inherited protected API


def test_help_shows_the_class_and_its_own_api_first():
    text = pydoc.render_doc(Gyrelle, renderer=pydoc.plaintext).splitlines()
    assert text[3].startswith(" |  An animated busy indicator"), text[:5]
    own = text[text.index(" |  Methods defined here:"):]
    own = own[:next(number for number, line in enumerate(own) if line.startswith(" |  ----"))]
    assert sorted(re.findall(r"^ \|  (\w+)\(", "\n".join(own), re.M)) == [
        "animationDelay", "color", "heightForWidth", "isAnimated", "isDisplayedWhenStopped", "paintEvent",
        "setAnimationDelay", "setColor", "setDisplayedWhenStopped", "sizeHint", "startAnimation",
        "stopAnimation", "timerEvent"]


def test_running_spinner_deleted_by_its_parent_or_from_python(qtbot):
    parent = QtWidgets.QWidget()
    spinner = Gyrelle(parent)
    spinner.startAnimation()
    sip.delete(parent)
    assert sip.isdeleted(spinner)

    spinner = Gyrelle()
    spinner.setAnimationDelay(1)
    spinner.startAnimation()
    spinner.show()
    qtbot.wait(20)
    sip.delete(spinner)
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


def run_python(code, **environment):
    """CODE run in a fresh interpreter, where no PyQt is imported yet."""
    env = {name: value for name, value in os.environ.items() if name != "QT_API"}
    env.update(environment)
    return subprocess.run([sys.executable, "-c", textwrap.dedent(code)], env=env,
                          capture_output=True, text=True, timeout=60)


CHOOSE = """
    {before}
    try:
        from gyrelle import Gyrelle
        print("chose", Gyrelle.__module__)
    except ImportError as error:
        print(type(error).__name__, error, "| cause:", repr(error.__cause__))
"""


# Only this build's binding is installed (PyQt{m}); the other PyQt is (PyQt{o}).
@pytest.mark.parametrize("before, qt_api, expected", [
    pytest.param("import PyQt{m}.QtWidgets", None, "chose gyrelle._qt{m}", id="imported"),
    pytest.param("import PyQt{m}.QtCore", "pyqt{o}", "chose gyrelle._qt{m}", id="imported-before-QT_API"),
    pytest.param("import PyQt{o}.QtWidgets", None, "ModuleNotFoundError gyrelle: the PyQt{o} binding "
                 "(gyrelle._qt{o}) is not installed: install the Debian package python3-gyrelle-qt{o}",
                 id="imported-other"),
    pytest.param("", "pyqt{o}", "ModuleNotFoundError gyrelle: the PyQt{o} binding", id="QT_API-other"),
    pytest.param("", "PyQt{m}", "chose gyrelle._qt{m}", id="QT_API"),
    pytest.param("", "pyside6", "chose gyrelle._qt{m}", id="QT_API-foreign"),
    # The installed binding, whichever PyQt is importable; a mere look-up is no import.
    pytest.param("import importlib.util; importlib.util.find_spec('PyQt{o}.QtCore')", None,
                 "chose gyrelle._qt{m}", id="installed"),
    pytest.param("import PyQt5.QtCore, PyQt6.QtCore", None, "ImportError gyrelle: the program has imported both",
                 id="imported-both"),
    pytest.param("import PyQt5.QtCore, PyQt6.QtCore", "pyqt{m}", "chose gyrelle._qt{m}", id="imported-both-QT_API"),
    # {both}: a stand-in for the other binding as well, so that both are installed.
    pytest.param("{both}", None, "chose gyrelle._qt6", id="installed-both"),
    pytest.param("{both}; sys.modules['PyQt6'] = None", None, "chose gyrelle._qt5", id="installed-both-no-PyQt6"),
])
def test_binding_choice(tmp_path, before, qt_api, expected):
    (tmp_path / f"_qt{other}.py").write_text("class Gyrelle:\n    pass\n")
    both = f"import sys, gyrelle; gyrelle.__path__.append({str(tmp_path)!r})"
    fill = {"m": major, "o": other, "both": both}
    environment = {"QT_API": qt_api.format(**fill)} if qt_api else {}
    result = run_python(CHOOSE.format(before=before.format(**fill)), **environment)
    assert result.stdout.startswith(expected.format(**fill)), result


def test_explicit_binding_makes_no_choice_and_a_mismatch_raises_instead_of_aborting():
    result = run_python(f"""
        import PyQt5.QtCore, PyQt6.QtCore
        from gyrelle.qt{major} import Gyrelle
        from PyQt{other}.QtWidgets import QApplication, QWidget

        def construct(*parent, **keyword):
            try:
                Gyrelle(*parent, **keyword)
            except (RuntimeError, TypeError) as error:
                print(type(error).__name__, error)

        from PyQt{major}.QtGui import QGuiApplication
        gui = QGuiApplication([])  # not enough
        construct()
        app = QApplication([])
        construct()
        construct(QWidget())
        construct(parent=QWidget())
        construct(QWidget)
        construct(parent=42)
    """)
    switch = f"import PyQt{other} before gyrelle, set QT_API=pyqt{other}, or import Gyrelle from gyrelle.qt{other}"
    assert (result.returncode, result.stdout.splitlines()) == (0, [
        f"RuntimeError gyrelle: construct a QApplication (PyQt{major}) before any Gyrelle; "
        "a QGuiApplication is not enough",
        f"RuntimeError gyrelle: the QApplication is PyQt{other}'s, but this Gyrelle is PyQt{major}'s: {switch}",
        f"TypeError gyrelle: the parent is a PyQt{other} widget, but this Gyrelle is PyQt{major}'s: {switch}",
        f"TypeError gyrelle: the parent is a PyQt{other} widget, but this Gyrelle is PyQt{major}'s: {switch}",
        f"TypeError Gyrelle(): parent must be a PyQt{major} QWidget or None, not wrappertype",
        f"TypeError Gyrelle(): parent must be a PyQt{major} QWidget or None, not int"]), result


def test_a_binding_that_does_not_load_is_reported(tmp_path):
    # A broken library first on the search path, ahead of any installed one.
    library = tmp_path / os.environ["GYRELLE_LIBRARY"]
    library.write_bytes(b"")
    output = run_python(CHOOSE.format(before=""), LD_LIBRARY_PATH=str(tmp_path)).stdout
    assert output.startswith(f"ImportError gyrelle: the PyQt{major} binding (gyrelle._qt{major}) is installed "
                             f"but cannot be loaded: {library}: file too short"), output
    assert "| cause: ImportError(" in output


@pytest.mark.parametrize("way", ["loadUi", "pyuic"])
def test_designer_form(qtbot, tmp_path, way):
    if way == "loadUi":
        form = import_module(qt.__name__ + ".uic").loadUi(os.environ["GYRELLE_FORM"])
        spinner = form.spinner
    else:
        pyuic = shutil.which("pyuic" + major)
        if not pyuic:
            pytest.skip(f"pyuic{major} is not installed")
        generated = tmp_path / "ui_spinner_form.py"
        subprocess.run([pyuic, os.environ["GYRELLE_FORM"], "-o", str(generated)], check=True)
        form, ui = QtWidgets.QWidget(), runpy.run_path(str(generated))["Ui_SpinnerForm"]()
        ui.setupUi(form)
        spinner = ui.spinner
    qtbot.addWidget(form)
    assert isinstance(spinner, Gyrelle) and spinner.parentWidget() is form
    assert (spinner.animationDelay(), spinner.isDisplayedWhenStopped(), spinner.color().getRgb()[:3],
            spinner.isAnimated()) == (80, True, (28, 109, 208), False)


TYPED_PROGRAM = """
    import sys
    from PyQt{m}.QtCore import Qt
    from PyQt{m}.QtGui import QColor
    from PyQt{m}.QtWidgets import QApplication, QVBoxLayout, QWidget
    from gyrelle import Gyrelle
    from gyrelle.qt{m} import Gyrelle as ExactGyrelle

    app = QApplication(sys.argv)
    window = QWidget()
    layout = QVBoxLayout(window)
    spinner = Gyrelle(window)
    layout.addWidget(spinner)
    layout.addWidget(ExactGyrelle(parent=window))
    spinner.setAnimationDelay(60)
    spinner.setDisplayedWhenStopped(True)
    spinner.setColor(QColor("#1c6dd0"))
    spinner.setColor(Qt.GlobalColor.darkBlue)
    spinner.startAnimation()
    delay: int = spinner.animationDelay() + spinner.heightForWidth(32)
    shown: bool = spinner.isAnimated() and spinner.isDisplayedWhenStopped()
    name: str = spinner.color().name()
    spinner.stopAnimation()
"""
WRONG_CALLS = """
    from gyrelle import Gyrelle
    spinner = Gyrelle("window")
    spinner.setAnimationDelay("fast")
    spinner.setDisplayedWhenStopped(None)
    spinner.setColor(0.5)
    spinner.heightForWidth(3.5)
    spinner.startAnimation(True)
    text: str = spinner.animationDelay()
"""


@pytest.fixture(scope="module")
def mypy_cache(tmp_path_factory):
    return tmp_path_factory.mktemp("mypy-cache")


@pytest.mark.parametrize("program, wrong_lines", [(TYPED_PROGRAM, []), (WRONG_CALLS, list(range(3, 10)))],
                         ids=["correct", "wrong"])
def test_mypy(tmp_path, mypy_cache, program, wrong_lines):
    mypy = shutil.which("mypy")
    if not mypy:
        pytest.skip("mypy is not installed")
    source = tmp_path / "program.py"
    source.write_text(textwrap.dedent(program.format(m=major)))
    # PyQt5 programs tell mypy which Gyrelle "from gyrelle import" gives.
    flags = ["--always-true=PYQT5"] if major == "5" else []
    result = subprocess.run([mypy, "--python-executable", sys.executable, "--cache-dir", str(mypy_cache),
                             "--no-error-summary", *flags, str(source)], capture_output=True, text=True)
    lines = sorted({int(line.split(":")[1]) for line in result.stdout.splitlines() if ": error:" in line})
    assert lines == wrong_lines, result.stdout
