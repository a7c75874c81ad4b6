#include "qt_warnings.h"
#include "ui_spinner_form.h"

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
};

QTEST_MAIN(DesignerFormTest)
#include "designer_form_test.moc"
