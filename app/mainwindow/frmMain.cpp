#include "frmMain.h"

#include "AppInfo.h"
#include "AttachSpelling.h"
#include "CandyButton.h"
#include "cFileDialog.h"
#include "ClipboardExport.h"
#include "DocumentCommands.h"
#include "DocumentDialogs.h"
#include "DocumentShortcuts.h"
#include "DocumentState.h"
#include "DottedFrame.h"
#include "EditorChecks.h"
#include "FoldView.h"
#include "FileTypeRegistration.h"
#include "Help.h"
#include "HtmlGenerators.h"
#include "KeyPreview.h"
#include "KeyboardCue.h"
#include "ListingCheck.h"
#include "ListingMeter.h"
#include "ListingReport.h"
#include "MessageBox.h"
#include "PanelAccessible.h"
#include "PerfMark.h"
#include "PreviewLauncher.h"
#include "PreviewWarmer.h"
#include "RecoveryKeeper.h"
#include "SectionTextEdit.h"
#include "SettingsStore.h"
#include "SpellService.h"
#include "Splash.h"
#include "StartupTail.h"
#include "TopBar.h"
#include "UpdateCheck.h"
#include "WindowOperations.h"
#include "WindowAccessibility.h"
#include "WindowPosition.h"
#include "WindowScroller.h"
#include "frmAbout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QSessionManager>
#include <QShortcut>

namespace L = MainWindowLayout;

namespace {
QFont verdana(double pointSize)
{
    QFont font(QString::fromLatin1(L::FontFamily));
    font.setPointSizeF(pointSize);
    return font;
}

// Each command button's handler, in the order of the button table.
using Handler = void (frmMain::*)();
constexpr std::array<Handler, L::MainButtonCount> ButtonHandlers = {
    &frmMain::cmdNew_Click,
    &frmMain::cmdOpen_Click,
    &frmMain::cmdSave_Click,
    &frmMain::cmdSaveAs_Click,
    &frmMain::cmdCopyKindleHTML_Click,
    &frmMain::cmdCopyCreatespaceHTML_Click,
    &frmMain::cmdPreviewKindle_Click,
    &frmMain::cmdPreviewCreatespace_Click,
    &frmMain::cmdHelp_Click,
    &frmMain::CandyButton2_Click,
    &frmMain::CandyButton3_Click,
};
} // namespace

frmMain::frmMain(bool withSplash)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmMain"));
    InstallWindowAccessibility();
    KeyboardCue::WatchInput();
    setWindowTitle(AppInfo::Title());
    QPalette background = palette();
    background.setColor(QPalette::Window, L::White);
    setPalette(background);
    setAutoFillBackground(true);
    // Up while the controls are built: that is most of the time before the window can show.
    if (withSplash && (m_splash = ShowSplash(this))) {
        WaitUntilPlaced(m_splash);
        PerfMark::mark("splash_shown");
    }

    createControls();
    // Large fonts on a small screen: the designed window would reach past the screen.
    new WindowScroller(this, m_topBar, m_sections, meter(),
                       QSize(PixelsFromTwips(L::ClientWidth), PixelsFromTwips(L::ClientHeight)));
    PerfMark::mark("controls_built");
    Document().Boxes = m_boxes;
    // A copy of unsaved changes, for when the program ends before it can ask about them.
    m_recovery = new RecoveryKeeper([boxes = m_boxes] { return boxes->laterDescription(); }, RecoveryStore(), this);
    connect(m_boxes, &DescriptionBoxes::changed, m_recovery, &RecoveryKeeper::changed);
    Document().StoredOrReplaced = [keeper = QPointer<RecoveryKeeper>(m_recovery)] {
        if (keeper)
            keeper->storedOrReplaced();
    };
    Document().Saved = [meter = QPointer<ListingMeter>(meter())] {
        if (meter)
            meter->showSaved();
    };

    AddDocumentShortcuts(this);
    connect(new KeyPreview(this), &KeyPreview::f1Released, this, &frmMain::helpRequested);
    connect(this, &frmMain::helpRequested, this, [this] { ShowHelp(this); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &frmMain::onCommitDataRequest);
}

frmMain::~frmMain()
{
    if (Document().Boxes == m_boxes) {
        Document().Boxes = nullptr;
        Document().StoredOrReplaced = nullptr;
        Document().Saved = nullptr;
    }
}

void frmMain::createControls()
{
    auto* topBar = m_topBar = new TopBar(this);
    PanelAccessible::Show(topBar, QStringLiteral("Commands"));
    // The sections at their designed places in the window, in an area that clips them
    // where they scroll (WindowScroller).
    auto* sectionView = new QWidget(this);
    sectionView->setObjectName(QStringLiteral("sectionView"));
    PanelAccessible::Show(sectionView, QStringLiteral("Sections"));
    m_sections = new QWidget(sectionView);
    m_sections->setObjectName(QStringLiteral("sections"));
    PanelAccessible::Show(m_sections, QStringLiteral("Sections"));
    m_sections->setGeometry(0, 0, PixelsFromTwips(L::ClientWidth), PixelsFromTwips(L::ClientHeight));
    const QList<SavedControl> saved = ReadSavedControls(QStringLiteral(":/forms/frmMain.controls"));
    for (int i = 0; i < L::MainButtonCount; ++i) {
        m_buttons[i] = CreateCommandButton(topBar, L::Buttons[i], saved);
        connect(m_buttons[i], &CandyButton::Click, this, ButtonHandlers[i]);
    }
    // The preview's helper starts while the pointer approaches; ShowPreview finds it here.
    auto* warmer = new PreviewWarmer(this);
    warmer->watch(m_buttons[L::PreviewKindleButton]);
    warmer->watch(m_buttons[L::PreviewCreatespaceButton]);
    PerfMark::mark("buttons_built");
    auto* titleLabel = new QLabel(QStringLiteral("Book Title:"), topBar);
    titleLabel->setObjectName(QStringLiteral("lblBookTitle"));
    titleLabel->setFont(verdana(L::BookTitlePointSize));
    titleLabel->setGeometry(PixelRect(L::BookTitleLabel));

    createSectionFrames();
    PerfMark::mark("frames_built");
    m_boxes = new DescriptionBoxes(m_sections, topBar);
    connect(m_boxes, &DescriptionBoxes::changed, this, &frmMain::Text1_Change);
    // Each caption names its box to assistive tools, as "Book Title:" names the title box.
    for (const SectionInfo& section : SectionTable)
        findChild<QLabel*>(QStringLiteral("Label1_%1").arg(section.index))->setBuddy(m_boxes->widget(section.index));
    titleLabel->setBuddy(m_boxes->widget(BookTitleBox));
    // Nothing of the spelling library is loaded until a box holds words to check.
    // The title box is read-only: nothing there to correct.
    PerfMark::mark("boxes_built");
    auto* spelling = new SpellService(this);
    for (const SectionInfo& section : SectionTable) {
        // A box's lines in pieces are checked as the lines they are.
        for (QWidget* box : {m_boxes->widget(section.index), m_boxes->longForm(section.index)}) {
            if (!box)
                continue;
            std::function<bool(int)> continuesLine;
            if (auto* edit = qobject_cast<SectionTextEdit*>(box))
                continuesLine = [edit](int position) { return edit->continuesLine(position); };
            attachSpelling(box, *spelling, std::move(continuesLine));
        }
    }
    m_checks = new EditorChecks(this, *m_boxes, *spelling);
    m_boxes->widget(Headline)->setFocus();
}

void frmMain::createSectionFrames()
{
    for (const SectionInfo& section : SectionTable) {
        auto* frame = new DottedFrame(m_sections, L::LightGrey);
        frame->setObjectName(QStringLiteral("Shape1_%1").arg(section.index));
        // Named as its box is, rather than an unnamed filler round it.
        PanelAccessible::Show(frame, DescriptionBoxes::accessibleNameOf(section.index));
        frame->setGeometry(PixelRect(L::SectionFrame(section.index)));

        auto* caption = new QLabel(QString::fromLatin1(section.caption), m_sections);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(section.index));
        caption->setFont(verdana(L::CaptionPointSize));
        QPalette colours = caption->palette();
        colours.setColor(QPalette::Window, L::White);
        colours.setColor(QPalette::WindowText, L::LightGrey);
        caption->setPalette(colours);
        caption->setAutoFillBackground(true);
        caption->setGeometry(L::CaptionLabelRect(frame->geometry(), caption->sizeHint()));
    }
}

bool frmMain::Load()
{
    WindowPosition::restore(this);
    ApplyResourceIcon(this, QStringLiteral("AAA"), true);

    DocumentState& document = Document();
    document.SharedFileDialog = std::make_shared<cFileDialog>();
    InstallDocumentDialogs(this);
    document.DescriptionFileFilter = QStringLiteral("Quorvane Files (*.qvn)|*.qvn");
    document.DescriptionFileExtension = QStringLiteral("qvn");
    document.CurrentFolder = SettingsStore::read(SettingKey::CurrentDir);

    if (!m_splash)
        m_splash = ShowSplash(this);
    if (m_splash)
        SetWindowTopmost(m_splash, true);
    PerfMark::markFirstPaint(this, "main_window_paint");
    show();
    // The window paints before anything else of the load: the splash stays up until then.
    WaitUntilPlaced(this);
    PerfMark::firstPaintDone();
    delete m_splash;

    if (CheckForUpdates(this))
        close();
    else if (!OpenStartupDocument(this))
        close();
    // Once the description is open: the user sees nothing of it, and it writes files.
    AssociateFileExtn();
    PerfMark::mark("load_ended");
    return !m_unloaded;
}

void frmMain::AssociateFileExtn()
{
    // Every start, so that a moved program repairs its registration; failures are ignored.
    FileTypeRegistration::Register(FileTypeRegistration::DataHome(), QCoreApplication::applicationFilePath());
}

void frmMain::cmdNew_Click()
{
    NewDescription();
}

void frmMain::cmdOpen_Click()
{
    OpenDescription();
}

void frmMain::cmdSave_Click()
{
    SaveDescription();
}

void frmMain::cmdSaveAs_Click()
{
    SaveDescriptionAs();
}

void frmMain::cmdCopyKindleHTML_Click()
{
    const Description description = ReadDescription(*m_boxes);
    CopyToClipboard(GenerateKindleHTML(description),
                    FragmentFindingLines(CheckFragment(description, ListingTarget::Kindle, meter()->contentRules())));
}

void frmMain::cmdCopyCreatespaceHTML_Click()
{
    const Description description = ReadDescription(*m_boxes);
    CopyToClipboard(GenerateCreatespaceHTML(description),
                    FragmentFindingLines(CheckFragment(description, ListingTarget::CreateSpace, meter()->contentRules())));
}

void frmMain::cmdPreviewKindle_Click()
{
    ShowPreview(this, PreviewTarget::Kindle, ReadDescription(*m_boxes));
    fold()->previewed(PreviewTarget::Kindle);
}

void frmMain::cmdPreviewCreatespace_Click()
{
    ShowPreview(this, PreviewTarget::CreateSpace, ReadDescription(*m_boxes));
    fold()->previewed(PreviewTarget::CreateSpace);
}

void frmMain::cmdHelp_Click()
{
    emit helpRequested();
}

void frmMain::CandyButton2_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::CandyButton3_Click()
{
    close();
}

void frmMain::Text1_Change(int)
{
    Document().DocumentDirty = true;
}

bool frmMain::QueryUnload()
{
    if (!Document().DocumentDirty)
        return true;
    switch (ShowMessage(QStringLiteral("Do you want to save the changes to this document?"), MsgIcon::Exclamation,
                        MsgButtons::YesNoCancel)) {
    case MsgAnswer::Cancel:
        return false;
    case MsgAnswer::Yes:
        // A save that did not happen (dialog cancelled, write failed) keeps the window open.
        cmdSave_Click();
        return !Document().DocumentDirty;
    default:
        m_changesDiscarded = true;
        return true;
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        if (!m_closeApproved && !QueryUnload()) {
            event->ignore();
            return;
        }
        Unload();
    }
    event->accept();
}

void frmMain::Unload()
{
    m_unloaded = true;
    // Changes still unsaved here were never asked about (the session ended): their copy stays.
    m_recovery->finish(!m_changesDiscarded);
    Document().SharedFileDialog.reset();
    WindowPosition::save(this);
    // Nothing to set for the process's error mode here: no system error box to suppress.
}

bool frmMain::EndSession(bool mayAsk)
{
    if (m_unloaded)
        return true;
    if (mayAsk && !QueryUnload())
        return false;
    m_closeApproved = true;
    close();
    return true;
}

void frmMain::onCommitDataRequest(QSessionManager& manager)
{
    // Interaction is requested only when there is something to ask about.
    const bool mayAsk = Document().DocumentDirty && manager.allowsInteraction();
    const bool ended = EndSession(mayAsk);
    if (mayAsk)
        manager.release();
    if (!ended)
        manager.cancel();
}
