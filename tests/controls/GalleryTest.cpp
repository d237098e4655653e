#include "TempFolder.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
int RunGallery(const QStringList& arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/candybutton-gallery"), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// One button rendered to a PNG and read back; a null image when the tool fails.
QImage Render(const QString& arguments)
{
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/button.png");
    return RunGallery(arguments.split(QLatin1Char(' ')) << QStringLiteral("--out") << out) == 0 ? QImage(out) : QImage();
}
} // namespace

TEST(Gallery, ShapedStylesAreTransparentOutsideTheirOutlineAndTheRestIsOpaque)
{
    const QImage capsule = Render(QStringLiteral("--style 2 --state 0 --size 40x20 --background 336699"));
    ASSERT_EQ(capsule.size(), QSize(40, 20));
    for (auto [x, y] : {std::pair{0, 0}, {7, 1}, {33, 1}})
        EXPECT_EQ(qAlpha(capsule.pixel(x, y)), 0) << x << "," << y;
    EXPECT_EQ(capsule.pixel(8, 1), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(capsule.pixel(20, 10), qRgb(0x33, 0x66, 0x99));

    const QImage toolbar =
        Render(QStringLiteral("--style 1 --state hover --size 60x23 --caption &Open --align left --background F0F0F0"));
    ASSERT_EQ(toolbar.size(), QSize(60, 23));
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(qAlpha(toolbar.pixel(x, y)), 255) << x << "," << y;
    EXPECT_EQ(toolbar.pixel(0, 0), qRgb(240, 240, 240));
    EXPECT_EQ(toolbar.pixel(30, 0), qRgb(206, 206, 195)); // the hover frame's edge

    const QImage checked = Render(QStringLiteral("--style 1 --state 0 --size 60x23 --checked"));
    ASSERT_EQ(checked.size(), QSize(60, 23));
    EXPECT_EQ(checked.pixel(1, 10), qRgb(255, 255, 255));
    EXPECT_EQ(checked.pixel(30, 0), qRgb(122, 152, 175)); // the checked frame's edge
}

TEST(Gallery, WritesTheContactSheetAndRefusesBadArguments)
{
    TempFolder folder;
    const QString sheet = folder.path() + QStringLiteral("/sheet.png");
    ASSERT_EQ(RunGallery({"--sheet", sheet}), 0);
    EXPECT_GT(QImage(sheet).width(), 1000);
    EXPECT_GT(QImage(sheet).height(), 800);
    for (const char* bad : {"--style 1 --state 0 --size 60by23", "--style x --state 0 --size 60x23",
                            "--style 1 --state 0 --size 60x23 --background nope"})
        EXPECT_EQ(RunGallery(QString::fromUtf8(bad).split(QLatin1Char(' ')) << QStringLiteral("--out") << sheet), 2)
            << bad;
    EXPECT_EQ(RunGallery({"--style", "1", "--state", "0", "--size", "60x23"}), 2) << "no --out";
}
