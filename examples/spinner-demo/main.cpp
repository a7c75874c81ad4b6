// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// The spinner in a window with a control for each of its slots and properties,
// or, with --snapshot, a contact sheet of its twelve frames written to a PNG.
#include <gyrelle/gyrelle.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTimerEvent>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr int frameCount = 12;
constexpr int margin = 8;
const int sheetSizes[] = {20, 32, 64, 128};
const QColor sheetColors[] = {Qt::black, QColor(0x1c, 0x6d, 0xd0)};

// Room for the labels: each row's size on its left, frame numbers above it.
constexpr int labelWidth = 56;
constexpr int numberHeight = 14;

// One row of the sheet: a spinner of the given size and colour, frame by frame,
// each frame numbered above it.
void drawFrames(QPainter &painter, int top, int size, const QColor &color)
{
    painter.drawText(QRect(0, top + numberHeight, labelWidth, size), Qt::AlignCenter,
                     QStringLiteral("%1 px").arg(size));
    Gyrelle spinner;
    spinner.resize(size, size);
    spinner.setColor(color);
    spinner.startAnimation();
    for (int frame = 0; frame < frameCount; ++frame) {
        const int left = labelWidth + frame * (size + margin);
        painter.drawText(QRect(left, top, size, numberHeight), Qt::AlignCenter, QString::number(frame));
        spinner.render(&painter, QPoint(left, top + numberHeight), QRegion(), QWidget::RenderFlags());
        QTimerEvent tick(0); // one step, as the running timer would make it
        QCoreApplication::sendEvent(&spinner, &tick);
    }
}

bool writeContactSheet(const QString &fileName)
{
    int width = 0;
    int height = margin;
    for (int size : sheetSizes) {
        width = qMax(width, labelWidth + frameCount * (size + margin));
        height += (numberHeight + size + margin) * int(std::size(sheetColors));
    }
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::darkGray);
    int top = margin;
    for (const QColor &color : sheetColors) {
        for (int size : sheetSizes) {
            drawFrames(painter, top, size, color);
            top += numberHeight + size + margin;
        }
    }
    painter.end();
    return sheet.save(fileName);
}

// A small square of COLOR, for the colour button.
QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// A window whose controls reach the spinner only through its slots.
QWidget *makeWindow()
{
    auto *window = new QWidget;
    window->setWindowTitle(QStringLiteral("Gyrelle"));
    window->setMinimumWidth(320);
    auto *spinner = new Gyrelle;
    spinner->setFixedSize(64, 64);
    // Screen readers meet it as the progress bar "Demo activity", busy while
    // it turns and absent while it draws nothing.
    spinner->setAccessibleName(QStringLiteral("Demo activity"));
    auto *hint = new QLabel(QStringLiteral(
        "Stopped: the spinner draws nothing until it is started or \"Displayed when stopped\" is checked."));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    // The window fits its contents again whenever they change size.
    const auto fit = [window] {
        window->layout()->activate();
        window->adjustSize();
    };
    const auto updateHint = [spinner, hint, fit] {
        hint->setVisible(!spinner->isAnimated() && !spinner->isDisplayedWhenStopped());
        fit();
    };

    auto *start = new QPushButton(QStringLiteral("Start"));
    auto *stop = new QPushButton(QStringLiteral("Stop"));
    QObject::connect(start, &QPushButton::clicked, spinner, &Gyrelle::startAnimation);
    QObject::connect(stop, &QPushButton::clicked, spinner, &Gyrelle::stopAnimation);

    auto *delay = new QSpinBox;
    delay->setRange(1, 1000);
    delay->setSuffix(QStringLiteral(" ms"));
    delay->setValue(spinner->animationDelay());
    delay->setToolTip(QStringLiteral("Time between two 30-degree steps (default 40 ms: a turn in 480 ms)"));
    QObject::connect(delay, qOverload<int>(&QSpinBox::valueChanged), spinner, &Gyrelle::setAnimationDelay);

    // Below 9 px the spokes would be less than a pixel wide, and nothing is drawn.
    auto *size = new QSpinBox;
    size->setRange(9, 256);
    size->setSuffix(QStringLiteral(" px"));
    size->setValue(spinner->width());
    size->setToolTip(QStringLiteral("Side of the spinner; smaller than 9 px it draws nothing"));
    QObject::connect(size, qOverload<int>(&QSpinBox::valueChanged), spinner, [spinner, fit](int side) {
        spinner->setFixedSize(side, side);
        fit();
    });

    auto *shown = new QCheckBox(QStringLiteral("Displayed when stopped"));
    QObject::connect(shown, &QCheckBox::toggled, spinner, &Gyrelle::setDisplayedWhenStopped);

    auto *color = new QPushButton(swatch(spinner->color()), QStringLiteral("Select Color..."));
    QObject::connect(color, &QPushButton::clicked, spinner, [spinner, color, window] {
        // Beside the window, not over the spinner, which shows each colour as it is picked.
        QColorDialog dialog(spinner->color(), window);
        dialog.move(window->frameGeometry().topRight() + QPoint(margin, 0));
        const QColor before = spinner->color();
        QObject::connect(&dialog, &QColorDialog::currentColorChanged, spinner, &Gyrelle::setColor);
        spinner->setColor(dialog.exec() == QDialog::Accepted ? dialog.selectedColor() : before);
        color->setIcon(swatch(spinner->color()));
    });

    for (QAbstractButton *button : {static_cast<QAbstractButton *>(start), static_cast<QAbstractButton *>(stop),
                                    static_cast<QAbstractButton *>(shown)})
        QObject::connect(button, &QAbstractButton::clicked, hint, updateHint);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addWidget(stop);
    auto *controls = new QFormLayout;
    controls->addRow(buttons);
    controls->addRow(QStringLiteral("Delay"), delay);
    controls->addRow(QStringLiteral("Size"), size);
    controls->addRow(shown);
    controls->addRow(color);

    auto *layout = new QVBoxLayout(window);
    layout->addSpacing(2 * margin);
    layout->addWidget(spinner, 1, Qt::AlignCenter);
    layout->addWidget(hint);
    layout->addSpacing(2 * margin);
    layout->addLayout(controls);
    spinner->startAnimation();
    hint->hide();
    return window;
}

// --snapshot must work without a display, so it is looked for before Qt starts.
bool wantsSnapshot(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--snapshot") == 0 || qstrncmp(argv[i], "--snapshot=", 11) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (wantsSnapshot(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the Gyrelle spinner with controls for its slots and properties."));
    parser.addHelpOption();
    const QCommandLineOption snapshot(
        QStringLiteral("snapshot"),
        QStringLiteral("Write the twelve frames at several sizes and in two colours to <file> "
                       "(PNG) and exit; needs no display."),
        QStringLiteral("file"));
    parser.addOption(snapshot);
    parser.process(app);

    if (parser.isSet(snapshot)) {
        const QString fileName = parser.value(snapshot);
        if (!writeContactSheet(fileName)) {
            std::fprintf(stderr, "spinner-demo: cannot write %s\n", qPrintable(fileName));
            return 1;
        }
        std::printf("Wrote the spinner's frames to %s\n", qPrintable(fileName));
        return 0;
    }

    QWidget *window = makeWindow();
    window->show();
    const int status = app.exec();
    delete window;
    return status;
}
