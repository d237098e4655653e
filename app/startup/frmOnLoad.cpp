#include "frmOnLoad.h"

#include "AppInfo.h"
#include "CandyButton.h"
#include "CommandButtons.h"
#include "DescriptionFile.h"
#include "DocumentCommands.h"
#include "DocumentState.h"
#include "KeyboardCue.h"
#include "MessageBox.h"
#include "SettingsStore.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <array>

namespace {
// Laid out around the three 460 by 41 pixel buttons (6900 by 615 twips) with a 16-pixel margin
// (240 twips) and 8 pixels (120 twips) between them.
constexpr int Margin = 240;
constexpr int ButtonWidth = 6900;
constexpr int ButtonHeight = 615;
constexpr int ButtonGap = 120;
constexpr int ClientWidth = Margin + ButtonWidth + Margin;
constexpr TwipRect WelcomeLabel{Margin, 180, ButtonWidth, 285};
constexpr TwipRect ChooseLabel{Margin, 495, ButtonWidth, 255};
constexpr int FirstButtonTop = 900;
constexpr int ButtonTop(int index) { return FirstButtonTop + index * (ButtonHeight + ButtonGap); }
constexpr TwipRect CancelButton{ClientWidth - Margin - 1200, ButtonTop(3) + 60, 1200, 375};
constexpr int ClientHeight = CancelButton.top + CancelButton.height + Margin;
// What a window manager's frame may take on either side.
constexpr int NarrowFrameRoom = 16;

enum StartButton { NewButton, OpenButton, OpenRecentButton };
constexpr auto Left = PicturePlacement::LeftOfCaption;
const std::array<ButtonDeclaration, 3> StartButtons = {{
    {"cmdNew", "Start a new book description", {Margin, ButtonTop(0), ButtonWidth, ButtonHeight}, "",
     ":/icons/new.png", Left, 32},
    {"cmdOpen", "Open a book description I created earlier", {Margin, ButtonTop(1), ButtonWidth, ButtonHeight}, "",
     ":/icons/open.png", Left, 32},
    {"cmdOpenRecent", "Open the last book description I worked on", {Margin, ButtonTop(2), ButtonWidth, ButtonHeight},
     "", ":/icons/openrecent.png", Left, 32},
}};

QLabel* label(QWidget* parent, const QString& text, const TwipRect& rect, bool bold)
{
    auto* l = new QLabel(text, parent);
    QFont font = l->font();
    font.setBold(bold);
    l->setFont(font);
    l->setGeometry(PixelRect(rect));
    return l;
}

// A regular file: folders and the like do not count.
bool ordinaryFileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}
} // namespace

frmOnLoad::frmOnLoad(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmOnLoad"));
    setWindowTitle(AppInfo::Title());
    const QSize designed(PixelsFromTwips(ClientWidth), PixelsFromTwips(ClientHeight));
    setFixedSize(designed);
    // Large fonts on a narrow screen: the dialog may narrow to fit it (ScreenFit), its
    // buttons and labels with it.
    if (screen() && screen()->availableGeometry().width() < designed.width() + 2 * NarrowFrameRoom)
        setMinimumWidth(designed.width() / 2);
    setModal(true);
    createControls();
    KeyboardCue::ShowIfOpenedByKey(this);

    const DocumentState& document = Document();
    m_recentFileName = SettingsStore::read(SettingKey::RecentFile);
    m_recentPath = document.CurrentFolder + QLatin1Char('/') + m_recentFileName;
    m_cmdOpenRecent->setVisible(!document.CurrentFolder.isEmpty() && !m_recentFileName.isEmpty());
}

void frmOnLoad::createControls()
{
    label(this, QStringLiteral("Welcome to Quorvane."), WelcomeLabel, true);
    label(this, QStringLiteral("Please choose an option below to get started."), ChooseLabel, false);

    const QList<SavedControl> saved = ReadSavedControls(QStringLiteral(":/forms/frmOnLoad.controls"));
    m_cmdNew = CreateCommandButton(this, StartButtons[NewButton], saved);
    m_cmdOpen = CreateCommandButton(this, StartButtons[OpenButton], saved);
    m_cmdOpenRecent = CreateCommandButton(this, StartButtons[OpenRecentButton], saved);
    connect(m_cmdNew, &CandyButton::Click, this, &frmOnLoad::cmdNew_Click);
    connect(m_cmdOpen, &CandyButton::Click, this, &frmOnLoad::cmdOpen_Click);
    connect(m_cmdOpenRecent, &CandyButton::Click, this, &frmOnLoad::cmdOpenRecent_Click);

    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(PixelRect(CancelButton));
    // Esc cancels (QDialog's reject); Enter must not end the program by way of Cancel.
    m_cmdCancel->setAutoDefault(false);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmOnLoad::cmdCancel_Click);
}

void frmOnLoad::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // Narrower than the design: everything keeps its left margin and gives up the width lost.
    const int lost = PixelsFromTwips(ClientWidth) - width();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QRect place = child->geometry();
        if (child == m_cmdCancel)
            place.moveLeft(PixelsFromTwips(CancelButton.left) - lost);
        else
            place.setWidth(PixelsFromTwips(ButtonWidth) - lost);
        child->setGeometry(place);
    }
}

void frmOnLoad::cmdNew_Click()
{
    NewDescription();
    if (!Document().CurrentBookTitle.isEmpty())
        accept();
}

void frmOnLoad::cmdOpen_Click()
{
    OpenDescription();
    // An HTML description opens unnamed, but it is a document all the same.
    if (!Document().CurrentFileName.isEmpty() || Document().DocumentDirty)
        accept();
}

void frmOnLoad::cmdOpenRecent_Click()
{
    const DocumentState& document = Document();
    if (ordinaryFileExists(m_recentPath) && !document.CurrentFolder.isEmpty() && !m_recentFileName.isEmpty())
        LoadDescriptionFile(m_recentPath);
    else
        ShowMessage(QStringLiteral("The file '") + m_recentFileName + QStringLiteral("' could not be found."),
                    MsgIcon::Exclamation, MsgButtons::OK);
    if (!document.CurrentFileName.isEmpty())
        accept();
}

void frmOnLoad::cmdCancel_Click()
{
    reject();
}
