// The program's message boxes on screen: which answer each way of leaving them gives.
#include "MessageBoxDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {
// Shows a question and does what a user would once it is on screen.
MsgAnswer answer(MsgButtons buttons, const std::function<void(QMessageBox&)>& act, QStringList* labels = nullptr)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box";
            return;
        }
        if (labels) {
            for (QAbstractButton* button : box->buttons())
                labels->append(button->text());
        }
        act(*box);
    });
    return ShowMessageBoxDialog({QStringLiteral("Restore them?"), MsgIcon::Question, buttons, QStringLiteral("Quorvane")});
}

void press(QMessageBox& box, Qt::Key key)
{
    QTest::keyClick(&box, key);
}
} // namespace

TEST(MessageBoxDialog, AQuestionThatMayGoUnansweredKeepsEscAndTheCloseBoxApartFromNo)
{
    for (const MsgButtons buttons : {MsgButtons::YesNoLater, MsgButtons::YesNoNoToAllLater}) {
        EXPECT_EQ(answer(buttons, [](QMessageBox& box) { press(box, Qt::Key_Escape); }), MsgAnswer::Cancel);
        EXPECT_EQ(answer(buttons, [](QMessageBox& box) { box.close(); }), MsgAnswer::Cancel);
        EXPECT_EQ(answer(buttons, [](QMessageBox& box) { press(box, Qt::Key_Return); }), MsgAnswer::Yes);
        EXPECT_EQ(answer(buttons, [](QMessageBox& box) { box.button(QMessageBox::No)->click(); }), MsgAnswer::No);
    }
    QStringList labels;
    EXPECT_EQ(answer(MsgButtons::YesNoNoToAllLater, [](QMessageBox& box) { box.button(QMessageBox::NoToAll)->click(); },
                     &labels),
              MsgAnswer::NoToAll);
    labels.replaceInStrings(QStringLiteral("&"), QString());
    labels.sort();
    EXPECT_EQ(labels, (QStringList{"No", "No to All", "Yes"}));
}

TEST(MessageBoxDialog, AnOrdinaryYesNoQuestionClosedIsNo)
{
    EXPECT_EQ(answer(MsgButtons::YesNo, [](QMessageBox& box) { press(box, Qt::Key_Escape); }), MsgAnswer::No);
    EXPECT_EQ(answer(MsgButtons::YesNo, [](QMessageBox& box) { box.close(); }), MsgAnswer::No);
    EXPECT_EQ(answer(MsgButtons::YesNoCancel, [](QMessageBox& box) { press(box, Qt::Key_Escape); }), MsgAnswer::Cancel);
}

// A path of 40,000 characters is shortened in the middle: the box fits the screen, the
// details hold the path whole.
TEST(MessageBoxDialog, ALongPathIsShortenedInTheMiddleAndShownWholeInTheDetails)
{
    const QString path = QStringLiteral("/start") + QString(40000, u'x') + QStringLiteral("end.qvn");
    QString text, details;
    QRect frame;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        std::tie(text, details, frame) = std::tuple(box->text(), box->detailedText(), box->frameGeometry());
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(ShowMessageBoxDialog({QStringLiteral("The changes to '%1' were kept.").arg(path), MsgIcon::Question,
                                    MsgButtons::YesNoLater, QStringLiteral("Quorvane"), path}),
              MsgAnswer::No);
    EXPECT_TRUE(text.startsWith("The changes to '/start") && text.endsWith("end.qvn' were kept.") && text.size() < 400)
        << text.toStdString();
    EXPECT_EQ(details, path);
    EXPECT_LE(frame.height(), QGuiApplication::primaryScreen()->availableGeometry().height());
}
