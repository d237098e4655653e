// The program's message boxes on screen: which answer each way of leaving them gives.
#include "MessageBoxDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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
