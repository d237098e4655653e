#include "FindingsList.h"

#include "FindingBoxes.h"
#include "ListingReport.h"
#include "ScreenFit.h"
#include "WrappingDelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int FindingRole = Qt::UserRole;  // the finding's place in the model's list

QString caption(SectionIndex section)
{
    return QString::fromLatin1(SectionTable[static_cast<size_t>(section)].caption).trimmed();
}
} // namespace

FindingsList::FindingsList(QWidget* owner, FindingsModel& model)
    : QWidget(owner, Qt::Tool), m_model(model), m_status(new QLabel(this)), m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("frmFindings"));
    setWindowTitle(QStringLiteral("Findings"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_tree->setObjectName(QStringLiteral("lstFindings"));
    m_tree->setAccessibleName(QStringLiteral("Findings"));
    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({QStringLiteral("Words"), QStringLiteral("What is wrong"), QStringLiteral("What to do instead")});
    m_tree->setWordWrap(true);
    m_tree->setTextElideMode(Qt::ElideNone);
    m_tree->setItemDelegate(new WrappingDelegate(m_tree));
    m_tree->setUniformRowHeights(false);
    m_tree->setRootIsDecorated(false);
    m_tree->header()->setStretchLastSection(true);
    m_tree->setColumnWidth(0, 170);
    m_tree->setColumnWidth(1, 300);

    auto* settings = new QPushButton(QStringLiteral("&Settings..."), this);
    settings->setAutoDefault(false);
    connect(settings, &QPushButton::clicked, this, &FindingsList::settingsRequested);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(settings);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);

    // Enter and a double click both activate a row.
    connect(m_tree, &QTreeWidget::itemActivated, this, &FindingsList::follow);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int at = item && item->parent() ? item->data(0, FindingRole).toInt() : -1;
        m_current = at >= 0 && at < m_model.findings().size() ? std::optional(m_model.findings()[at]) : std::nullopt;
    });
    connect(&model, &FindingsModel::updated, this, [this] {
        if (isVisible())
            refill();
    });
    refill();
}

FindingsList* FindingsList::showFor(QWidget* owner, FindingsModel& model)
{
    auto* list = owner->findChild<FindingsList*>(QString(), Qt::FindDirectChildrenOnly);
    const bool fresh = !list;
    if (fresh)
        list = new FindingsList(owner, model);
    model.updateNow();
    list->refill();
    if (fresh || !list->isVisible())
        list->placeBesideOwner();
    list->show();
    list->raise();
    list->activateWindow();
    list->m_tree->setFocus();
    if (!list->m_tree->currentItem())
        list->m_tree->setCurrentItem(list->m_tree->topLevelItem(0) ? list->m_tree->topLevelItem(0)->child(0) : nullptr);
    return list;
}

void FindingsList::placeBesideOwner()
{
    // Beside the editor where the screen has room, else over its right edge; always whole on
    // the screen, at most as wide as it.
    const QWidget* owner = parentWidget();
    const QRect area = owner->screen()->availableGeometry();
    const QSize size(std::min(760, area.width() - 40), std::min(420, area.height() - 80));
    resize(size);
    const QRect editor = owner->frameGeometry();
    int left = editor.right() + 8;
    if (left + size.width() > area.right())
        left = std::max(area.left(), area.right() - size.width() - 16);
    move(left, std::clamp(editor.top() + 120, area.top(), std::max(area.top(), area.bottom() - size.height() - 40)));
    FitWindowOnScreen(this);
}

void FindingsList::refill()
{
    const ListingCheck& check = m_model.check();
    QStringList status{ListingStatusText(check)};
    const QString off = RulesOffText(m_model.rulesOff());
    if (!off.isEmpty())
        status.first() += QStringLiteral(" \u00b7 ") + off;
    for (const FragmentCheck* fragment : {&check.kindle, &check.createSpace}) {
        if (!fragment->fits())
            status.append(ListingTargetName(fragment->target) + QStringLiteral(": ") + FragmentFindingLines(*fragment).first());
    }
    m_status->setText(status.join(QLatin1Char('\n')));

    // The row that was current stays current when its finding is still there.
    const std::optional<Finding> was = m_current;
    const int scrolled = m_tree->verticalScrollBar()->value();
    m_tree->clear();
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* again = nullptr;
    const QList<Finding>& findings = m_model.findings();
    const int shown = static_cast<int>(std::min<qsizetype>(findings.size(), MostRows));
    for (int i = 0; i < shown; ++i) {
        const Finding& finding = findings[i];
        if (!group || group->data(0, FindingRole).toInt() != finding.section) {
            group = new QTreeWidgetItem(m_tree, {caption(finding.section)});
            group->setData(0, FindingRole, int(finding.section));
            group->setFlags(Qt::ItemIsEnabled);
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
        }
        const QString words = m_model.words(finding);
        auto* row = new QTreeWidgetItem(group, {words.isEmpty() ? QString() : QStringLiteral("\"%1\"").arg(words),
                                                m_model.what(finding), m_model.advice(finding)});
        row->setData(0, FindingRole, i);
        for (int column = 0; column < 3; ++column)
            row->setToolTip(column, m_model.text(finding) + QLatin1Char('\n') + m_model.advice(finding));
        if (was && finding.section == was->section && finding.start == was->start && finding.kind == was->kind)
            again = row;
    }
    if (findings.size() > shown) {
        auto* more = new QTreeWidgetItem(m_tree, {QStringLiteral("... and %1 more").arg(GroupedNumber(findings.size() - shown))});
        more->setFlags(Qt::ItemIsEnabled);
        more->setFirstColumnSpanned(true);
    }
    if (findings.isEmpty()) {
        auto* none = new QTreeWidgetItem(m_tree, {QStringLiteral("No findings.")});
        none->setFlags(Qt::ItemIsEnabled);
        none->setFirstColumnSpanned(true);
    }
    m_tree->expandAll();
    m_tree->doItemsLayout();
    if (again)
        m_tree->setCurrentItem(again);
    // Typing elsewhere does not move the list under the author's eyes.
    m_tree->verticalScrollBar()->setValue(scrolled);
}

void FindingsList::follow(QTreeWidgetItem* item)
{
    if (!item || !item->parent())
        return;
    const int at = item->data(0, FindingRole).toInt();
    if (at < 0 || at >= m_model.findings().size())
        return;
    const Finding finding = m_model.findings()[at];
    if (finding.hasPlace())
        FindingBoxes::of(m_model).select(finding);
}

void FindingsList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
