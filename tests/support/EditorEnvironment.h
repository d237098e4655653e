#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment the built editor runs in under a test: the test's X server, and settings
// and state of its own in folder's "config" and "state".
inline QProcessEnvironment EditorEnvironment(const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), folder + QStringLiteral("/state"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}
