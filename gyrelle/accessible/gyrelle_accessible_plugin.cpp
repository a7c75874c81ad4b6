// Lets screen readers meet the spinner as a busy indicator.
#include <gyrelle/gyrelle.h>

#include <QAccessibleWidget>
#include <QAccessiblePlugin>
#include <QCoreApplication>

namespace {

class GyrelleAccessible : public QAccessibleWidget
{
public:
    explicit GyrelleAccessible(Gyrelle *spinner)
        : QAccessibleWidget(spinner, QAccessible::Indicator)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = static_cast<const Gyrelle *>(widget())->isAnimated();
        return state;
    }

    // The application's accessible name (or a buddy label) when it gave one.
    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return QCoreApplication::translate("Gyrelle", "Busy");
        return text;
    }
};

} // namespace

class GyrelleAccessiblePlugin : public QAccessiblePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleFactoryInterface_iid FILE "gyrelle_accessible_plugin.json")

public:
    QAccessibleInterface *create(const QString &key, QObject *object) override
    {
        auto *spinner = qobject_cast<Gyrelle *>(object);
        if (key != QLatin1String("Gyrelle") || !spinner)
            return nullptr;
        return new GyrelleAccessible(spinner);
    }
};

#include "gyrelle_accessible_plugin.moc"
