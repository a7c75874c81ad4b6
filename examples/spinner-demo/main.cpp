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
#include <QImage>
#include <QPainter>
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

// One row of the sheet: a spinner of the given size and colour, frame by frame.
void drawFrames(QPainter &painter, int top, int size, const QColor &color)
{
    Gyrelle spinner;
    spinner.resize(size, size);
    spinner.setColor(color);
    spinner.startAnimation();
    for (int frame = 0; frame < frameCount; ++frame) {
        spinner.render(&painter, QPoint(margin + frame * (size + margin), top), QRegion(),
                       QWidget::RenderFlags());
        QTimerEvent tick(0); // one step, as the running timer would make it
        QCoreApplication::sendEvent(&spinner, &tick);
    }
}

bool writeContactSheet(const QString &fileName)
{
    int width = 0;
    int height = margin;
    for (int size : sheetSizes) {
        width = qMax(width, margin + frameCount * (size + margin));
        height += (size + margin) * int(std::size(sheetColors));
    }
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int top = margin;
    for (const QColor &color : sheetColors) {
        for (int size : sheetSizes) {
            drawFrames(painter, top, size, color);
            top += size + margin;
        }
    }
    painter.end();
    return sheet.save(fileName);
}

// A window whose controls reach the spinner only through its slots.
QWidget *makeWindow()
{
    auto *window = new QWidget;
    window->setWindowTitle(QStringLiteral("Gyrelle"));
    auto *spinner = new Gyrelle;
    spinner->setFixedSize(64, 64);
    // Screen readers meet it as the progress bar "Demo activity", busy while
    // it turns and absent while it draws nothing.
    spinner->setAccessibleName(QStringLiteral("Demo activity"));

    auto *start = new QPushButton(QStringLiteral("Start"));
    auto *stop = new QPushButton(QStringLiteral("Stop"));
    QObject::connect(start, &QPushButton::clicked, spinner, &Gyrelle::startAnimation);
    QObject::connect(stop, &QPushButton::clicked, spinner, &Gyrelle::stopAnimation);

    auto *delay = new QSpinBox;
    delay->setRange(1, 1000);
    delay->setSuffix(QStringLiteral(" ms"));
    delay->setValue(spinner->animationDelay());
    QObject::connect(delay, qOverload<int>(&QSpinBox::valueChanged), spinner,
                     &Gyrelle::setAnimationDelay);

    auto *size = new QSpinBox;
    size->setRange(8, 256);
    size->setSuffix(QStringLiteral(" px"));
    size->setValue(spinner->width());
    QObject::connect(size, qOverload<int>(&QSpinBox::valueChanged), spinner,
                     [spinner](int side) { spinner->setFixedSize(side, side); });

    auto *shown = new QCheckBox(QStringLiteral("Displayed when stopped"));
    QObject::connect(shown, &QCheckBox::toggled, spinner, &Gyrelle::setDisplayedWhenStopped);

    auto *color = new QPushButton(QStringLiteral("Colour..."));
    QObject::connect(color, &QPushButton::clicked, spinner, [spinner] {
        const QColor chosen = QColorDialog::getColor(spinner->color(), spinner);
        if (chosen.isValid())
            spinner->setColor(chosen);
    });

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
    layout->addWidget(spinner, 1, Qt::AlignCenter);
    layout->addLayout(controls);
    window->resize(320, 360);
    spinner->startAnimation();
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
    parser.setApplicationDescription(QStringLiteral(
        "Shows the Gyrelle spinner with controls for its slots and properties."));
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
