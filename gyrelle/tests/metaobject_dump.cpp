// SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
// SPDX-License-Identifier: MIT

// Writes Gyrelle's own meta-object (what moc generated for the class, not what it
// inherits) in a stable text form, to standard output or to the file named.
// Applications depend on all of it: it is compared with the committed copy.
#include <gyrelle/gyrelle.h>

#include <QMetaMethod>
#include <QMetaProperty>

#include <QFile>

namespace {

const char *accessName(QMetaMethod::Access access)
{
    switch (access) {
    case QMetaMethod::Private:
        return "private";
    case QMetaMethod::Protected:
        return "protected";
    case QMetaMethod::Public:
        break;
    }
    return "public";
}

const char *methodKind(QMetaMethod::MethodType type)
{
    switch (type) {
    case QMetaMethod::Signal:
        return "signal";
    case QMetaMethod::Slot:
        return "slot";
    case QMetaMethod::Constructor:
        return "constructor";
    case QMetaMethod::Method:
        break;
    }
    return "method";
}

QByteArray declaration(const QMetaMethod &method)
{
    QByteArrayList parameters;
    const QByteArrayList types = method.parameterTypes();
    const QByteArrayList names = method.parameterNames();
    for (int i = 0; i < types.size(); ++i)
        parameters.append((types.at(i) + ' ' + names.value(i)).trimmed());
    return QByteArray(method.typeName()) + ' ' + method.name() + '(' + parameters.join(", ") + ')';
}

QByteArray flags(const QMetaProperty &property)
{
    const struct
    {
        bool set;
        const char *name;
    } all[] = {
        {property.isReadable(), "readable"},
        {property.isWritable(), "writable"},
        {property.isResettable(), "resettable"},
        {property.isDesignable(), "designable"},
        {property.isScriptable(), "scriptable"},
        {property.isStored(), "stored"},
        {property.isUser(), "user"},
        {property.isConstant(), "constant"},
        {property.isFinal(), "final"},
        {property.hasNotifySignal(), "notify"},
        {property.hasStdCppSet(), "stdcppset"},
    };
    QByteArrayList set;
    for (const auto &flag : all) {
        if (flag.set)
            set.append(flag.name);
    }
    return set.join(' ');
}

QByteArray describe(const QMetaObject &meta)
{
    QByteArray text = QByteArray("class ") + meta.className() + " : " + meta.superClass()->className() + '\n';
    for (int i = meta.classInfoOffset(); i < meta.classInfoCount(); ++i)
        text += QByteArray("classinfo ") + meta.classInfo(i).name() + " = " + meta.classInfo(i).value() + '\n';
    for (int i = meta.enumeratorOffset(); i < meta.enumeratorCount(); ++i)
        text += QByteArray("enum ") + meta.enumerator(i).name() + '\n';
    for (int i = 0; i < meta.constructorCount(); ++i)
        text += "constructor " + meta.constructor(i).methodSignature() + '\n';
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        text += "method " + QByteArray::number(i - meta.methodOffset()) + ": " + accessName(method.access()) + ' '
            + methodKind(method.methodType()) + ' ' + declaration(method) + '\n';
    }
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        text += "property " + QByteArray::number(i - meta.propertyOffset()) + ": " + property.typeName() + ' '
            + property.name() + " [" + flags(property) + "]\n";
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QFile out;
    bool opened;
    if (argc > 1) {
        out.setFileName(QString::fromLocal8Bit(argv[1]));
        opened = out.open(QIODevice::WriteOnly);
    } else {
        opened = out.open(stdout, QIODevice::WriteOnly);
    }
    return opened && out.write(describe(Gyrelle::staticMetaObject)) >= 0 ? 0 : 1;
}
