#include "frmUpdateAvailable.h"

#include "UpdateCheck.h"
#include "UpdateVersionText.h"
#include "UpdateWindowParts.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 6330;
constexpr int ClientHeight = 4560;
constexpr TwipRect Introduction{1215, 345, 4575, 615};
constexpr int SeparatorY = 1245;
constexpr TwipRect NotesBox{120, 1335, 6105, 2475};
constexpr int BandTop = 3870;
constexpr TwipRect GetUpdateButton{3630, 4065, 1215, 375};
constexpr TwipRect CloseButton{4965, 4065, 1215, 375};
const QColor BandGrey(224, 224, 224);

QFrame* separator(QWidget* parent, int y)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(0, PixelsFromTwips(y), parent->width(), 2);
    return line;
}
// Names the release on offer. The version comes from the server: one too long for the
// label's two lines is shortened, so the sentence still ends inside the window.
QString introductionText(const QLabel* label, QString version)
{
    const auto text = [](const QString& v) {
        return QStringLiteral("Quorvane %1 is available, please refer to the update notes below.").arg(v);
    };
    const QFontMetrics metrics(label->font());
    const auto fits = [&](const QString& v) {
        const QRect needed = metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, text(v));
        return needed.height() <= label->height() && needed.width() <= label->width();
    };
    if (version.isEmpty())
        return QStringLiteral("An update to Quorvane is available, please refer to the update notes below.");
    while (!fits(version) && version.size() > 1)
        version = version.chopped(2) + QChar(0x2026);
    return text(version);
}
} // namespace

frmUpdateAvailable::frmUpdateAvailable(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmUpdateAvailable"));
    setWindowTitle(QStringLiteral("Update Available"));
    UpdateWindowParts::MakeFixedDialog(this, ClientWidth, ClientHeight);
    setFont(UpdateWindowParts::SegoeUI());
    setModal(true);
    createControls();

    const QString notes = UpdateNotesBoxText(Update().UpdateNotes);
    m_text1->setPlainText(QString(notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmUpdateAvailable::createControls()
{
    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("picButtons"));
    band->setGeometry(0, PixelsFromTwips(BandTop), width(), height() - PixelsFromTwips(BandTop));
    QPalette grey = band->palette();
    grey.setColor(QPalette::Window, BandGrey);
    band->setPalette(grey);
    band->setAutoFillBackground(true);
    separator(this, BandTop);

    UpdateWindowParts::ProgramIcon(this, 240, 240);
    auto* introduction = new QLabel(this);
    introduction->setObjectName(QStringLiteral("lblIntroduction"));
    introduction->setWordWrap(true);
    introduction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    introduction->setGeometry(PixelRect(Introduction));
    introduction->setText(introductionText(introduction, Update().LatestVersion));
    separator(this, SeparatorY);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette white = m_text1->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_text1->setPalette(white);
    m_text1->setGeometry(PixelRect(NotesBox));

    m_cmdOK = new QPushButton(QStringLiteral("&Get Update"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(PixelRect(GetUpdateButton));
    m_cmdCancel = new QPushButton(QStringLiteral("Close"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(PixelRect(CloseButton));
    connect(m_cmdOK, &QPushButton::clicked, this, &frmUpdateAvailable::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmUpdateAvailable::cmdCancel_Click);

    setTabOrder(m_cmdOK, m_cmdCancel);
    setTabOrder(m_cmdCancel, m_text1);
    m_cmdOK->setFocus();
}

void frmUpdateAvailable::cmdOK_Click()
{
    Update().UpdateChosen = true;
    accept();
}

void frmUpdateAvailable::cmdCancel_Click()
{
    // Esc comes here too, through the dialog's reject.
    reject();
}
