#include "frmOnLoad.h"

#include "AppInfo.h"
#include "CommandButtons.h"
#include "DescriptionFile.h"
#include "DocumentCommands.h"
#include "DocumentState.h"
#include "MessageBox.h"
#include "SettingsStore.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace {
constexpr int ClientWidth = 5310;
constexpr int ClientHeight = 3930;
constexpr TwipRect WelcomeLabel{240, 180, 4830, 285};
constexpr TwipRect ChooseLabel{240, 495, 4830, 255};
constexpr TwipRect CancelButton{3870, 3390, 1200, 375};

enum StartButton { NewButton, OpenButton, OpenRecentButton };
constexpr auto Left = PicturePlacement::LeftOfCaption;
const std::array<ButtonDeclaration, 3> StartButtons = {{
    {"cmdNew", "Start a new book description", {240, 900, 4830, 705}, "", ":/icons/new.png", Left, 32},
    {"cmdOpen", "Open a book description I created earlier", {240, 1710, 4830, 705}, "", ":/icons/open.png", Left,
     32},
    {"cmdOpenRecent", "Open the last book description I worked on", {240, 2520, 4830, 705}, "",
     ":/icons/openrecent.png", Left, 32},
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
    setFixedSize(PixelsFromTwips(ClientWidth), PixelsFromTwips(ClientHeight));
    setModal(true);
    createControls();

    const DocumentState& document = Document();
    m_recentFileName = SettingsStore::read(SettingKey::RecentFile);
    m_recentPath = document.CurrentFolder + QLatin1Char('/') + m_recentFileName;
    m_cmdOpenRecent->setVisible(!document.CurrentFolder.isEmpty() && !m_recentFileName.isEmpty());
}

void frmOnLoad::createControls()
{
    label(this, QStringLiteral("Welcome to Quorvane."), WelcomeLabel, true);
    label(this, QStringLiteral("Please choose an option below to get started."), ChooseLabel, false);

    m_cmdNew = CreateCommandButton(this, StartButtons[NewButton]);
    m_cmdOpen = CreateCommandButton(this, StartButtons[OpenButton]);
    m_cmdOpenRecent = CreateCommandButton(this, StartButtons[OpenRecentButton]);
    connect(m_cmdNew, &QAbstractButton::clicked, this, &frmOnLoad::cmdNew_Click);
    connect(m_cmdOpen, &QAbstractButton::clicked, this, &frmOnLoad::cmdOpen_Click);
    connect(m_cmdOpenRecent, &QAbstractButton::clicked, this, &frmOnLoad::cmdOpenRecent_Click);

    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(PixelRect(CancelButton));
    // Esc cancels (QDialog's reject); Enter must not end the program by way of Cancel.
    m_cmdCancel->setAutoDefault(false);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmOnLoad::cmdCancel_Click);
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
    if (!Document().CurrentFileName.isEmpty())
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
