#include "frmAbout.h"

#include "AboutBackground.h"
#include "AboutTexts.h"
#include "AppInfo.h"
#include "Deployment.h"
#include "KeyboardCue.h"
#include "LinkLabel.h"
#include "OpenWebsite.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
QFont tahoma(bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place, bool bold = false)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(QLatin1String(name));
    created->setFont(tahoma(bold));
    created->setGeometry(place);
    return created;
}

QLabel* link(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    auto* created = new LinkLabel(text, parent);
    created->setObjectName(QLatin1String(name));
    QFont font = tahoma();
    font.setUnderline(true);
    created->setFont(font);
    // As wide as its text, so that a click beside it opens nothing.
    created->setGeometry(place.x(), place.y(), std::min(place.width(), created->sizeHint().width()), place.height());
    return created;
}
} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MyApp"));
    setFixedSize(420, 292);
    KeyboardCue::ShowIfOpenedByKey(this);
    QPalette background = palette();
    background.setBrush(QPalette::Window, AboutBackground(size()));
    setPalette(background);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 18, 32, 32);
    lblTitle = label(this, "lblTitle", QStringLiteral("Application Title"), {72, 16, 330, 18}, true);
    lblVersion = label(this, "lblVersion", QStringLiteral("Version"), {72, 36, 330, 16});
    lblCopyright = label(this, "lblCopyright", QStringLiteral("Copyright"), {72, 54, 330, 16});

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(24, 84, 372, 2);

    label(this, "Label5", QStringLiteral("Contact Details:"), {24, 96, 200, 16}, true);
    label(this, "Label3", QStringLiteral("Web:"), {24, 118, 50, 16});
    Label7 = link(this, "Label7", AppInfo::Website(), {84, 118, 312, 16});
    label(this, "Label4", QStringLiteral("Email:"), {24, 138, 50, 16});
    Label6 = link(this, "Label6", AppInfo::Email(), {84, 138, 312, 16});

    lblDisclaimer = label(this, "lblDisclaimer", AboutTexts::DisclaimerCaption(), {24, 170, 372, 64});
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(tahoma());
    cmdOK->setGeometry(316, 250, 80, 26);
    cmdOK->setDefault(true);

    // OK has the focus, so Enter still closes the window; Tab goes on to the two links.
    cmdOK->setFocus();
    setTabOrder(cmdOK, Label7);
    setTabOrder(Label7, Label6);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Label6, &QLabel::linkActivated, this, &frmAbout::Label6_Click);
    connect(Label7, &QLabel::linkActivated, this, &frmAbout::Label7_Click);
    Form_Load();
}

void frmAbout::Form_Load()
{
    if (parentWidget())
        Image1->setPixmap(parentWidget()->windowIcon().pixmap(32, 32));
    setWindowTitle(QStringLiteral("About ") + AppInfo::Title());
    lblVersion->setText(AboutTexts::Version());
    lblTitle->setText(AppInfo::Title());
    lblCopyright->setText(AboutTexts::AboutCopyright(AppInfo::LegalCopyright()));
    lblDisclaimer->setText(AboutTexts::Disclaimer(lblDisclaimer->text(), AppInfo::LegalCopyright()));
}

void frmAbout::Label6_Click()
{
    OpenWebsite(AppInfo::ContactPage());
}

void frmAbout::Label7_Click()
{
    OpenWebsite(Label7->text());
}
