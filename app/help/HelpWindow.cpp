#include "HelpWindow.h"

#include "AppInfo.h"
#include "HelpBrowser.h"
#include "HelpFile.h"
#include "HelpPageAccessible.h"
#include "HelpSearchQuery.h"
#include "HelpSearchRunner.h"
#include "WindowAccessibility.h"

#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
void Name(QAbstractButton* button, const QString& name)
{
    button->setAccessibleName(name);
    if (button->toolTip().isEmpty())
        button->setToolTip(name);
}

// The tool buttons of a layout and the layouts in it, in the order they stand.
void CollectButtons(const QLayout* layout, QList<QToolButton*>& buttons)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (auto* button = qobject_cast<QToolButton*>(item->widget()))
            buttons.append(button);
        else if (item->layout())
            CollectButtons(item->layout(), buttons);
    }
}

// The search widgets bring buttons that show only an arrow or a picture, and a field whose
// label shows only in another mode; a screen reader needs a name for each.
void NameSearchButtons(QWidget* query, QWidget* results)
{
    if (auto* input = query->findChild<QLineEdit*>())
        input->setAccessibleName(QStringLiteral("Search for"));
    for (QToolButton* button : query->findChildren<QToolButton*>()) {
        if (qobject_cast<QLineEdit*>(button->parentWidget()))
            Name(button, QStringLiteral("Clear"));
        else if (button->arrowType() == Qt::LeftArrow)
            Name(button, QStringLiteral("Previous search"));
        else if (button->arrowType() == Qt::RightArrow)
            Name(button, QStringLiteral("Next search"));
    }
    QList<QToolButton*> pages;
    if (results->layout())
        CollectButtons(results->layout(), pages);
    const QStringList names = {QStringLiteral("First result page"), QStringLiteral("Previous result page"),
                               QStringLiteral("Next result page"), QStringLiteral("Last result page")};
    if (pages.size() == names.size()) {
        for (int i = 0; i < pages.size(); ++i)
            Name(pages[i], names[i]);
    }
}
// The results pane and its parts by what they are; the links to the pages found, which a
// screen reader does not read out of the text, named in the pane's description.
void NameSearchResults(QHelpSearchEngine* search)
{
    QWidget* results = search->resultWidget();
    results->setAccessibleName(QStringLiteral("Search results"));
    for (QWidget* part : results->findChildren<QWidget*>())
        if (part->accessibleName().isEmpty() && !qobject_cast<QAbstractButton*>(part) && !qobject_cast<QLabel*>(part))
            part->setAccessibleName(QStringLiteral("Search results"));
    QObject::connect(search, &QHelpSearchEngine::searchingFinished, results, [search, results](int hits) {
        QStringList titles;
        for (const QHelpSearchResult& result : search->searchResults(0, hits))
            titles << result.title();
        const QString found = hits == 0 ? QStringLiteral("Nothing found.")
                                        : QStringLiteral("%1 found: %2").arg(hits).arg(titles.join(QStringLiteral("; ")));
        results->setAccessibleDescription(found);
        for (QTextBrowser* list : results->findChildren<QTextBrowser*>())
            list->setAccessibleDescription(found);
    });
}
} // namespace

HelpWindow::HelpWindow(QWidget* owner, const QStringList& candidates)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    InstallWindowAccessibility();
    HelpPageAccessible::Install();
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(900, 640);

    m_back = new QToolButton(this);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setArrowType(Qt::LeftArrow);
    m_back->setToolTip(QStringLiteral("Back"));
    m_back->setAccessibleName(QStringLiteral("Back"));
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = new QToolButton(this);
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setArrowType(Qt::RightArrow);
    m_forward->setToolTip(QStringLiteral("Forward"));
    m_forward->setAccessibleName(QStringLiteral("Forward"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addStretch();

    const QString file = HelpFile::Find(candidates);
    if (!file.isEmpty() && m_collectionFolder.isValid())
        openHelpFile(file);
    const bool unreadable = !file.isEmpty() && !m_engine;

    m_browser = new HelpBrowser(m_engine, this);
    m_navigation = new QTabWidget(this);
    m_navigation->setObjectName(QStringLiteral("helpNavigation"));
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_navigation);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);

    if (unreadable) {
        showUnreadable(file);
        return;
    }
    if (!m_engine) {
        showMissing(candidates);
        return;
    }

    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    m_navigation->addTab(contents, QStringLiteral("Contents"));
    connect(contents, &QHelpContentWidget::linkActivated, m_browser, [this](const QUrl& url) { m_browser->setSource(url); });
    contents->setAccessibleName(QStringLiteral("Contents"));
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents, splitter] {
        contents->expandAll();
        // Wide enough for the longest title at its depth, so that no entry is cut short.
        const int needed = static_cast<QAbstractItemView*>(contents)->sizeHintForColumn(0) + 2 * contents->frameWidth()
            + contents->verticalScrollBar()->sizeHint().width()
            + 2 * m_navigation->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
        const QList<int> sizes = splitter->sizes();
        if (sizes.size() == 2 && needed > sizes[0])
            splitter->setSizes({needed, std::max(0, sizes[0] + sizes[1] - needed)});
        pageChanged();
    });

    auto* indexPage = new QWidget;
    auto* filter = new QLineEdit(indexPage);
    filter->setObjectName(QStringLiteral("helpIndexFilter"));
    filter->setPlaceholderText(QStringLiteral("Type a word to look for"));
    filter->setAccessibleName(QStringLiteral("Look for in the index"));
    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    index->setAccessibleName(QStringLiteral("Index"));
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(filter);
    indexLayout->addWidget(index, 1);
    m_navigation->addTab(indexPage, QStringLiteral("Index"));
    connect(filter, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, m_browser,
            [this](const QHelpLink& document, const QString&) { m_browser->setSource(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, m_browser,
            [this](const QList<QHelpLink>& documents, const QString&) {
                if (!documents.isEmpty())
                    m_browser->setSource(documents.first().url);
            });

    QHelpSearchEngine* search = m_engine->searchEngine();
    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(search->resultWidget(), 1);
    search->queryWidget()->setObjectName(QStringLiteral("helpSearchQuery"));
    search->resultWidget()->setObjectName(QStringLiteral("helpSearchResults"));
    m_navigation->addTab(searchPage, QStringLiteral("Search"));
    NameSearchButtons(search->queryWidget(), search->resultWidget());
    NameSearchResults(search);
    auto* runner = new HelpSearchRunner(search);
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, runner,
            [search, runner] { runner->search(HelpSearchQuery(search->queryWidget()->searchInput())); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, m_browser,
            [this](const QUrl& url) { m_browser->setSource(url); });
    // The index of a book this small is built in a moment, in the engine's own thread.
    search->reindexDocumentation();
}

HelpWindow::~HelpWindow()
{
    // The engine's files live in the collection folder, which goes before the children do.
    delete m_engine;
}

void HelpWindow::openHelpFile(const QString& file)
{
    // The engine keeps its registry in a collection file; ours lives as long as the window.
    auto* engine = new QHelpEngine(m_collectionFolder.filePath(QStringLiteral("qvn.qhc")), this);
    engine->setReadOnly(false);
    if (!engine->setupData() || !engine->registerDocumentation(file)) {
        delete engine;
        return;
    }
    m_engine = engine;
    // Registering after the set-up needs the models read again.
    m_engine->setupData();
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc leaves the help as it leaves a dialog; the keys the page and the lists do not use
    // come here.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showMissing(const QStringList& candidates)
{
    QString places;
    for (const QString& path : candidates)
        places += QStringLiteral("<li>%1</li>").arg(path.toHtmlEscaped());
    m_browser->setHtml(QStringLiteral("<h2>The help file was not found</h2>"
                                      "<p>The help file %1 was not found. These places were looked in:</p><ul>%2</ul>"
                                      "<p>Installing %3 again puts the help file back in its place.</p>")
                           .arg(QLatin1String(HelpFile::FileName), places, AppInfo::Title()));
    m_navigation->hide();
    pageChanged();
}

void HelpWindow::showUnreadable(const QString& file)
{
    m_browser->setHtml(QStringLiteral("<h2>The help file could not be read</h2>"
                                      "<p>The help file %1 could not be read. It is here:</p><ul><li>%2</li></ul>"
                                      "<p>The file may be damaged or unreadable for you. Installing %3 again puts an "
                                      "intact help file in its place.</p>")
                           .arg(QLatin1String(HelpFile::FileName), file.toHtmlEscaped(), AppInfo::Title()));
    m_navigation->hide();
    pageChanged();
}

void HelpWindow::showTopic(const QString& topic, const QString& anchor)
{
    if (!m_engine)
        return;
    QUrl url = HelpFile::TopicUrl(topic);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    m_browser->setSource(url);
}

void HelpWindow::pageChanged()
{
    const QString page = m_browser->documentTitle();
    const QString title = AppInfo::Title() + QStringLiteral(" Help");
    setWindowTitle(page.isEmpty() ? title : page + QStringLiteral(" - ") + title);
    m_browser->setAccessibleName(page.isEmpty() ? title : page);
    if (m_engine) {
        const QModelIndex current = m_engine->contentWidget()->indexOf(m_browser->source());
        if (current.isValid())
            m_engine->contentWidget()->setCurrentIndex(current);
    }
}
