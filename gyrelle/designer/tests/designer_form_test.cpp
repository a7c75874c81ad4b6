// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

#include "qt_warnings.h"
#include "ui_spinner_form.h"

#include <QBuffer>
#include <QUiLoader>
#include <QtTest>

// Designer writes "delay" with stdset="0": its setter is setAnimationDelay, not
// setDelay, so uic must go through the meta-object for it.
class DesignerFormTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    QTWARNINGS_FAIL_TESTS

    void formSetsTheSpinnersProperties()
    {
        QWidget form;
        Ui::SpinnerForm ui;
        ui.setupUi(&form);
        QCOMPARE(ui.spinner->animationDelay(), 80);
        QVERIFY(ui.spinner->isDisplayedWhenStopped());
        QCOMPARE(ui.spinner->color(), QColor(28, 109, 208));
        QVERIFY(!ui.spinner->isAnimated());
        QCOMPARE(ui.spinner->parentWidget(), &form);
    }

    // Wherever the Designer plugin is installed, an application loading a form
    // at run time must get the spinner it would build in code: a stopped
    // default one draws nothing.
    void formLoadedAtRunTimeDrawsNothingWhileStopped()
    {
        QCoreApplication::addLibraryPath(QStringLiteral(PLUGINS_DIR));
        QUiLoader loader;
        QVERIFY(loader.availableWidgets().contains(QStringLiteral("Gyrelle")));
        QBuffer form;
        form.setData("<ui version=\"4.0\"><widget class=\"QWidget\" name=\"form\">"
                     "<widget class=\"Gyrelle\" name=\"spinner\"/></widget></ui>");
        const QScopedPointer<QWidget> widget(loader.load(&form));
        QVERIFY2(widget, qPrintable(loader.errorString()));
        auto *spinner = widget->findChild<Gyrelle *>(QStringLiteral("spinner"));
        QVERIFY(spinner);

        spinner->resize(20, 20);
        QImage blank(spinner->size(), QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        QImage image = blank;
        spinner->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(image, blank);
    }
};

QTEST_MAIN(DesignerFormTest)
#include "designer_form_test.moc"
