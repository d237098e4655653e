#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

namespace {
// Every shared library the program loads, as the dynamic linker resolves them.
QString linkedLibraries(const QString& program)
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {program});
    if (!ldd.waitForFinished(30000) || ldd.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(ldd.readAllStandardOutput());
}

QString binDir()
{
    return qEnvironmentVariable("QUORVANE_BIN_DIR");
}
} // namespace

TEST(EditorLinks, EditorHasNoWebEngineAndItsHelperHasIt)
{
    const QString editor = linkedLibraries(binDir() + QStringLiteral("/quorvane"));
    ASSERT_TRUE(editor.contains(QStringLiteral("libQt6Widgets"))) << qPrintable(editor);
    EXPECT_FALSE(editor.contains(QStringLiteral("WebEngine"), Qt::CaseInsensitive)) << qPrintable(editor);
    EXPECT_FALSE(editor.contains(QStringLiteral("libQt6Quick"))) << qPrintable(editor);

    const QString helper = linkedLibraries(binDir() + QStringLiteral("/quorvane-preview"));
    EXPECT_TRUE(helper.contains(QStringLiteral("libQt6WebEngineCore"))) << qPrintable(helper);
}
