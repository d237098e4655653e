#include "frmNew.h"

#include "ImmediateMnemonic.h"
#include "NewDescription.h"
#include "WrappingCheckBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// What a window manager's frame may take across the window, and a pixel of rounding.
constexpr int FrameRoom = 16;

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

frmNew::frmNew(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Start New Description"));
    setObjectName(QStringLiteral("frmNew"));

    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    auto* titleLabel = new QLabel(QStringLiteral("&The title of your book:"), this);
    titleLabel->setBuddy(txtTitle);

    chkUseTitle = new WrappingCheckBox(
        QStringLiteral("&Use my book title as the main headline at the start of my description"), this);
    chkUseTitle->setObjectName(QStringLiteral("chkUseTitle"));
    chkPrePopulate = new WrappingCheckBox(QStringLiteral("&Pre-populate my description using default text"), this);
    chkPrePopulate->setObjectName(QStringLiteral("chkPrePopulate"));
    // Alt+U then Enter at once: the tick must be in place before OK reads it.
    ImmediateMnemonic::attach(chkUseTitle);
    ImmediateMnemonic::attach(chkPrePopulate);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(
        QStringLiteral("Please enter the name of your book and choose from the options below."), this));
    layout->addSpacing(6);
    layout->addWidget(titleLabel);
    layout->addWidget(txtTitle);
    layout->addSpacing(6);
    layout->addWidget(chkUseTitle);
    layout->addWidget(chkPrePopulate);
    layout->addSpacing(6);
    layout->addWidget(wrappedLabel(QStringLiteral("When you are ready to continue, click 'OK'. If you do not want "
                                                  "to start a new description at this time, click 'Cancel'."),
                                   this));
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Large fonts on a narrow screen: no wider than the screen's free area, frame included;
    // the long check box captions wrap instead.
    int widest = 460;
    if (const QScreen* shownOn = screen()) {
        const QMargins margins = layout->contentsMargins();
        const int room = shownOn->availableGeometry().width() - FrameRoom;
        widest = std::min(widest, room);
        for (QCheckBox* box : {chkUseTitle, chkPrePopulate})
            static_cast<WrappingCheckBox*>(box)->setWidestHint(room - margins.left() - margins.right());
    }
    setMinimumWidth(widest);

    const WizardChoices choices = ReadWizardChoices();
    chkUseTitle->setChecked(choices.useTitleAsHeading);
    chkPrePopulate->setChecked(choices.prePopulate);

    txtTitle->setFocus();  // the title is what the user types first

    connect(txtTitle, &QLineEdit::textChanged, this, &frmNew::txtTitle_Change);
    connect(cmdOK, &QPushButton::clicked, this, &frmNew::cmdOK_Click);
    // Esc closes the dialog the same way (QDialog::reject).
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmNew::txtTitle_Change()
{
    cmdOK->setEnabled(IsUsableBookTitle(txtTitle->text()));
}

void frmNew::cmdOK_Click()
{
    StartNewDescription(txtTitle->text(), chkUseTitle->isChecked(), chkPrePopulate->isChecked());
    accept();
}

void frmNew::done(int result)
{
    // OK, Cancel, Esc and the close box all end here, so the choices are kept every time.
    StoreWizardChoices({chkUseTitle->isChecked(), chkPrePopulate->isChecked()});
    QDialog::done(result);
}
