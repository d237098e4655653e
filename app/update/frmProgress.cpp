#include "frmProgress.h"

#include "AppInfo.h"
#include "QuotedTexts.h"
#include "UpdateWindowParts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>

namespace {
constexpr int ClientWidth = 4545;
constexpr int ClientHeight = 1230;
constexpr int LabelLeft = 1215;
constexpr int LabelTop = 450;
} // namespace

frmProgress::frmProgress(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(AppInfo::Title());
    UpdateWindowParts::MakeFixedDialog(this, ClientWidth, ClientHeight);
    UpdateWindowParts::ProgramIcon(this, 240, 300);

    m_lblProgress = new QLabel(QString::fromLatin1(QuotedTexts::Downloading), this);
    m_lblProgress->setObjectName(QStringLiteral("lblProgress"));
    m_lblProgress->setFont(UpdateWindowParts::SegoeUI());
    m_lblProgress->move(PixelPoint(LabelLeft, LabelTop));
    m_lblProgress->adjustSize();
}

void frmProgress::Load()
{
    show();
    repaint();
    QCoreApplication::processEvents();
}

void frmProgress::reject()
{
    // Esc does not stop a download.
}

void frmProgress::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
