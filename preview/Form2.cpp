#include "Form2.h"

#include "Form2Layout.h"
#include "SettingsStore.h"
#include "PageSchemeHandler.h"
#include "PageTitle.h"
#include "PreviewEngine.h"
#include "PreviewPage.h"
#include "PreviewWebPage.h"
#include "RequestBlocker.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineProfile>
#include <QWebEngineView>

// The icons are compiled into this folder's static library, which the linker would
// otherwise leave out.
static void initResources()
{
    Q_INIT_RESOURCE(preview);
}

namespace {
const QByteArray PageMimeType = QByteArrayLiteral("text/html;charset=UTF-8");
// The engine refuses addresses longer than this; a data address carries the page
// percent-encoded behind "data:", the type and a comma.
constexpr qsizetype MaxAddressLength = 2 * 1024 * 1024;
} // namespace

Form2::Form2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    initResources();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Preview"));
    setWindowIcon(QIcon(QStringLiteral(":/preview/icons/preview32.png")));
    // Large fonts on a small screen: a window that cannot show whole may shrink to the
    // screen (the page scrolls inside it); one that fits keeps its designed size.
    const QScreen* shownOn = screen();
    const bool fits = !shownOn || Form2Layout::FitsAsDesigned(shownOn->availableSize());
    setMaximumSize(Form2Layout::ClientSize);
    setMinimumSize(fits ? Form2Layout::ClientSize : Form2Layout::ClientSize / 2);
    resize(fits ? Form2Layout::ClientSize
                : Form2Layout::ClientSize.boundedTo(Form2Layout::RoomInside(shownOn->availableSize())));

    // No storage name: the profile lives in memory only and dies with this window.
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setSpellCheckEnabled(false);
    m_blocker = new RequestBlocker(this);
    m_profile->setUrlRequestInterceptor(m_blocker);
    m_scheme = new PageSchemeHandler(this);
    m_profile->installUrlSchemeHandler(PreviewEngine::PageScheme(), m_scheme);
    m_page = new PreviewWebPage(m_profile);

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setPage(m_page);
    WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    // A screen reader meets the page under the window's caption.
    WebBrowser1->setAccessibleName(windowTitle());
    setContextMenuPolicy(Qt::NoContextMenu);

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(Form2Layout::CloseButton);
    cmdClose->setDefault(true);
    cmdClose->setContextMenuPolicy(Qt::NoContextMenu);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    // Which kind of store page's fold shows; hidden until a page comes with its folds.
    lblFold = new QLabel(QStringLiteral("&Fold:"), this);
    lblFold->setGeometry(Form2Layout::FoldLabel);
    cboFold = new QComboBox(this);
    cboFold->setObjectName(QStringLiteral("cboFold"));
    cboFold->setGeometry(Form2Layout::FoldChoice);
    cboFold->setAccessibleName(QStringLiteral("Fold of the page"));
    cboFold->setToolTip(QStringLiteral("Where the store's page cuts the description short (F6: the next kind of page)"));
    for (const FoldProfile& profile : FoldProfiles())
        cboFold->addItem(QString::fromLatin1(profile.key));
    lblFold->setBuddy(cboFold);
    lblFold->hide();
    cboFold->hide();
    connect(cboFold, &QComboBox::activated, this, &Form2::foldChosen);

    connect(WebBrowser1, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (m_warming) {
            m_warming = false;
            emit warmedUp();
            return;
        }
        if (m_loadReported)
            return;
        m_loadReported = true;
        emit pageLoaded(ok);
    });

    layoutControls();

    // The engine keeps Escape for itself and Enter for a focused link; Close is the
    // default and the cancel button wherever the focus is, so we see the keys first.
    qApp->installEventFilter(this);
}

Form2::~Form2()
{
    qApp->removeEventFilter(this);
    // The page must go before its profile.
    WebBrowser1->setPage(nullptr);
    delete m_page;
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isVisible())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdClose->click();
        return true;
    case Qt::Key_F6:
        if (!m_marks.isValid())
            return false;
        foldChosen((cboFold->currentIndex() + 1) % cboFold->count());
        return true;
    default:
        return false;
    }
}

bool Form2::FitsInDataAddress(const QByteArray& utf8Page)
{
    const qsizetype length = 5 + PageMimeType.size() + 1 + utf8Page.toPercentEncoding().size();
    return length < MaxAddressLength;
}

void Form2::warmUp()
{
    m_warming = true;
    m_page->expectNavigation(QUrl());
    m_page->setContent(QByteArray(), QString::fromLatin1(PageMimeType));
}

void Form2::setFoldMarks(const FoldMarks& marks)
{
    m_marks = marks;
    cboFold->setCurrentIndex(marks.chosen);
    lblFold->setVisible(marks.isValid());
    cboFold->setVisible(marks.isValid());
}

void Form2::foldChosen(int profile)
{
    cboFold->setCurrentIndex(profile);
    // The editor's boxes and --check follow the page chosen here.
    SettingsStore::write(SettingKey::Fold, cboFold->itemText(profile));
    showBuiltPage();
}

void Form2::showPage(const QByteArray& builtPage)
{
    m_builtPage = builtPage;
    showBuiltPage();
}

void Form2::showBuiltPage()
{
    Q_ASSERT(!m_warming);
    const QByteArray& builtPage = m_builtPage;
    // A screen reader names the page by the window's caption, "Preview" for both fragments;
    // the description says which one this is.
    const QString fragment = builtPage.startsWith(PreviewPageHead(PreviewTarget::Kindle).toUtf8())
                                 ? QStringLiteral("Kindle description")
                             : builtPage.startsWith(PreviewPageHead(PreviewTarget::CreateSpace).toUtf8())
                                 ? QStringLiteral("CreateSpace description")
                                 : QString();
    setAccessibleDescription(fragment);
    WebBrowser1->setAccessibleDescription(fragment);
    const QByteArray folded = m_marks.isValid()
        ? FoldedPreviewPage(QString::fromUtf8(builtPage), m_marks, cboFold->currentIndex()).toUtf8()
        : builtPage;
    const QByteArray utf8Page = PageWithTitle(folded, windowTitle());
    m_loadReported = false;
    m_servedByScheme = !FitsInDataAddress(utf8Page);
    if (m_servedByScheme) {
        m_scheme->setPage(utf8Page);
        m_page->expectNavigation(PageSchemeHandler::PageUrl());
        m_page->load(PageSchemeHandler::PageUrl());
    } else {
        m_page->expectNavigation(QUrl());
        m_page->setContent(utf8Page, QString::fromLatin1(PageMimeType));
    }
}

void Form2::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

void Form2::layoutControls()
{
    // On a screen too small for the whole window, Close keeps its corner.
    const QSize shrunk = size() - Form2Layout::ClientSize;
    cmdClose->setGeometry(Form2Layout::CloseButton.translated(shrunk.width(), shrunk.height()));
    lblFold->setGeometry(Form2Layout::FoldLabel.translated(0, shrunk.height()));
    cboFold->setGeometry(Form2Layout::FoldChoice.translated(0, shrunk.height()));
    WebBrowser1->setGeometry(Form2Layout::BrowserGeometry(size(), cmdClose->y()));
}
