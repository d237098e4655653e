#pragma once

#include "DescriptionFile.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "ScriptedMessages.h"
#include "SettingsStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

inline const QString NotRecognised = "The specified file is not recognised as a supported type.";

inline QString errorText(int number, const char* description)
{
    return QStringLiteral("An unexpected error has occurred.\r\n(Error %1 : %2)").arg(number).arg(description);
}

inline Description gardenBasics()
{
    Description d;
    d.BookTitle = "Garden Basics";
    d[Headline] = "Grow More With Less";
    d[Subheadline] = "A beginner's guide";
    d[OpeningRemarks] = "Gardening is easy.\r\nThis book shows how.";
    d[BenefitsHeadline] = "In Garden Basics you will learn:";
    d[MainBenefits] = "Soil\r\nSeeds\r\nWatering";
    d[KindleCallToAction] = "Take action now.";
    d[CreateSpaceCallToAction] = "Order your copy today.";
    return d;
}

inline const QByteArray GardenBasicsFile = "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\nA beginner's guide\r\n"
                                    "Gardening is easy.<BR>This book shows how.\r\nIn Garden Basics you will learn:\r\n"
                                    "Soil<BR>Seeds<BR>Watering\r\n\r\nTake action now.\r\nOrder your copy today.\r\n";

// The open document in memory, with its own settings folder and scripted message boxes.
class DescriptionFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDocumentState();
        Document().Boxes = &m_boxes;
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
        ResetDocumentState();
    }

    // Fills the boxes as typing would, leaving the document changed.
    void type(const Description& d) { WriteDescription(m_boxes, d); }
    Description boxes() const { return ReadDescription(m_boxes); }
    static QString setting(const QString& key) { return SettingsStore::read(key, "<missing>"); }

    // The state a failed operation must leave alone.
    struct Snapshot {
        Description boxes;
        QString fileName, folder, title, recentSetting;
        bool dirty;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const
    {
        const DocumentState& s = Document();
        return {boxes(), s.CurrentFileName, s.CurrentFolder, s.CurrentBookTitle, setting(SettingKey::RecentFile),
                s.DocumentDirty};
    }

    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    MemoryDescriptionView m_boxes;
    TempFolder m_folder;
    TempFolder m_config;
    ScriptedMessages m_messages;
    QByteArray m_previousConfig;
};
