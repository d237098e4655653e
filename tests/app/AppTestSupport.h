#pragma once

#include "CandyButton.h"
#include "DocumentState.h"
#include "ModalDialogs.h"
#include "SettingsStore.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

// Every test starts as a first run: no settings file, a fresh document state. (Done on
// construction, before the windows of a derived fixture register their boxes.)
class FirstRunTest : public ::testing::Test {
protected:
    FirstRunTest()
    {
        QFile::remove(settingsFile());
        ResetDocumentState();
    }
    ~FirstRunTest() override { ResetDocumentState(); }

    static QString settingsFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/Quorvane/Quorvane.conf");
    }
    static QString setting(const QString& key) { return SettingsStore::read(key, QStringLiteral("<none>")); }
};

// Nine CR LF lines of a description file: the marker with the title, then the sections.
inline QByteArray DescriptionFileBytes(const QString& title, const QStringList& sections = {})
{
    QByteArray bytes = "[[[QVN FILE]]]" + title.toLatin1() + "\r\n";
    for (int i = 0; i < 8; ++i)
        bytes += (i < sections.size() ? sections[i].toLatin1() : QByteArray()) + "\r\n";
    return bytes;
}

// A left click on a command button, as the mouse gives it: press and release at its centre.
inline void ClickButton(CandyButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}
