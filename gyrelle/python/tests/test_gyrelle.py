"""The binding as PyQt programs use it, from the installed package."""
import os
import subprocess

import pytest

from gyrelle import Gyrelle

qt = pytest.importorskip(os.environ["PYTEST_QT_API"].replace("pyqt", "PyQt"))
from importlib import import_module  # noqa: E402

QtCore = import_module(qt.__name__ + ".QtCore")
QtGui = import_module(qt.__name__ + ".QtGui")
QtWidgets = import_module(qt.__name__ + ".QtWidgets")
sip = import_module(qt.__name__ + ".sip")


def test_loads_from_the_installed_prefix():
    import gyrelle

    prefix = os.environ["GYRELLE_PREFIX"]
    assert gyrelle.__file__.startswith(prefix)
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
