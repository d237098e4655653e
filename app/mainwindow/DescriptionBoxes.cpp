#include "DescriptionBoxes.h"

#include "DescriptionFileFormat.h"
#include "LongLineField.h"
#include "MainWindowLayout.h"
#include "OneLineBox.h"
#include "PasteAsStoreTags.h"
#include "SectionBoxInput.h"
#include "SectionTextEdit.h"
#include "SteadyCursor.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace L = MainWindowLayout;

namespace {
const QString CrLf = QStringLiteral("\r\n");

QFont boxFont(double pointSize, bool bold)
{
    QFont font(QString::fromLatin1(L::FontFamily));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// A one-line edit cuts its text at 32,767 characters unless told otherwise; ours hold
// whatever a description file can.
void keepEveryCharacter(QLineEdit* edit)
{
    edit->setMaxLength(static_cast<int>(DescriptionFileFormat::MaxFileBytes));
}

// The scroll bars and their holders carry the box's name too: no unnamed part.
void nameParts(QPlainTextEdit* edit, const QString& name)
{
    // The holders by their names, not by a pattern: no expression engine at start-up.
    for (QWidget* part : edit->findChildren<QWidget*>())
        if (part->objectName() == u"qt_scrollarea_hcontainer" || part->objectName() == u"qt_scrollarea_vcontainer")
            part->setAccessibleName(name);
    edit->viewport()->setAccessibleName(name);
    edit->verticalScrollBar()->setAccessibleName(name);
    edit->horizontalScrollBar()->setAccessibleName(name);
}

void setColours(QWidget* box, const QColor& background, const QColor& text)
{
    QPalette palette = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Text, text);
    }
    box->setPalette(palette);
}
} // namespace

DescriptionBoxes::DescriptionBoxes(QWidget* sectionParent, QWidget* titleParent)
    : QObject(sectionParent)
{
    for (const SectionInfo& section : SectionTable)
        m_widgets[section.index] = createSectionBox(sectionParent, section);
    m_widgets[BookTitleBox] = createTitleBox(titleParent);
    for (int i = 1; i < BoxCount; ++i)
        QWidget::setTabOrder(widget(i - 1), widget(i));
    // After the order above: each long form goes into it just behind its line edit.
    for (const SectionInfo& section : SectionTable) {
        if (section.multiLine)
            continue;
        const int i = section.index;
        auto* line = new OneLineBox(static_cast<QLineEdit*>(widget(i)));
        nameParts(line->field(), accessibleNameOf(i));
        new SectionBoxInput(line->field());
        PasteAsStoreTags::Attach(line->field());
        connect(line->field(), &QPlainTextEdit::textChanged, this, [this, i] { noteEdit(i); });
        m_lines[static_cast<size_t>(i)] = line;
    }
}

QWidget* DescriptionBoxes::longForm(int box) const
{
    const OneLineBox* line = m_lines[static_cast<size_t>(box)];
    return line ? line->field() : nullptr;
}

QWidget* DescriptionBoxes::createSectionBox(QWidget* parent, const SectionInfo& section)
{
    const int i = section.index;
    QWidget* box = nullptr;
    if (section.multiLine) {
        auto* edit = new SectionTextEdit(parent);
        edit->setFrameShape(QFrame::NoFrame);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);
        nameParts(edit, accessibleNameOf(i));
        connect(edit, &QPlainTextEdit::textChanged, this, [this, i] { noteEdit(i); });
        box = edit;
    } else {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        keepEveryCharacter(edit);
        new SteadyCursor(edit);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { noteEdit(i); });
        box = edit;
    }
    box->setObjectName(QStringLiteral("Text1_%1").arg(i));
    box->setAccessibleName(accessibleNameOf(i));
    new SectionBoxInput(box);
    PasteAsStoreTags::Attach(box);
    box->setFont(boxFont(section.pointSize, section.bold));
    setColours(box, L::White, section.orange ? L::Orange : QColor(Qt::black));
    box->setGeometry(PixelRect(L::SectionBoxes[static_cast<size_t>(i)]));
    return box;
}

QWidget* DescriptionBoxes::createTitleBox(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Text1_%1").arg(BookTitleBox));
    edit->setAccessibleName(accessibleNameOf(BookTitleBox));
    edit->setReadOnly(true);
    edit->setFrame(false);
    keepEveryCharacter(edit);
    edit->setFont(boxFont(L::BookTitlePointSize, false));
    setColours(edit, L::TitleGrey, L::DarkBlue);
    edit->setGeometry(PixelRect(L::BookTitleBox));
    connect(edit, &QLineEdit::textChanged, this, [this] { noteEdit(BookTitleBox); });
    return edit;
}

QString DescriptionBoxes::accessibleNameOf(int box)
{
    if (box == BookTitleBox)
        return QStringLiteral("Book Title");
    // The captions shout in capitals; a screen reader would spell some words out.
    QString name = QString::fromLatin1(SectionTable[static_cast<size_t>(box)].caption).trimmed().toLower();
    name[0] = name[0].toUpper();
    // The store names keep their own capitals, as whole words only. By hand: a pattern here
    // brought the expression engine and its compiler into every start.
    const auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    for (qsizetype start = 0; start < name.size();) {
        qsizetype end = start;
        while (end < name.size() && isWordChar(name[end]))
            ++end;
        const QStringView word = QStringView(name).sliced(start, end - start);
        const QString proper = word == u"kindle" ? QStringLiteral("Kindle")
                               : word == u"createspace" ? QStringLiteral("CreateSpace") : QString();
        if (!proper.isEmpty())
            name.replace(start, end - start, proper);
        start = qMax(end, start + 1);
    }
    return name;
}

QString DescriptionBoxes::toDocumentText(QString widgetText)
{
    // Paragraph and line separators are how QPlainTextEdit keeps its breaks. One pass: a
    // box can hold megabytes, and most texts have no break to convert at all.
    const auto isBreak = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
    };
    const qsizetype first = std::find_if(widgetText.cbegin(), widgetText.cend(), isBreak) - widgetText.cbegin();
    if (first == widgetText.size())
        return widgetText;
    QString text;
    text.reserve(widgetText.size() + widgetText.size() / 8 + 2);
    text.append(QStringView(widgetText).first(first));
    const QChar* p = widgetText.constData() + first;
    const QChar* const end = widgetText.constData() + widgetText.size();
    while (p < end) {
        const QChar* run = p;
        while (p < end && !isBreak(*p))
            ++p;
        text.append(run, p - run);
        if (p == end)
            break;
        if (*p == u'\r') {
            // A CR LF pair is one break; a lone CR stays as it is.
            if (p + 1 < end && p[1] == u'\n')
                ++p;
            else {
                text.append(*p++);
                continue;
            }
        }
        text.append(CrLf);
        ++p;
    }
    return text;
}

QString DescriptionBoxes::toWidgetText(QString documentText)
{
    if (documentText.contains(u'\r'))
        documentText.replace(CrLf, QStringLiteral("\n"));
    return documentText;
}

QString DescriptionBoxes::widgetText(int box) const
{
    // The raw text keeps non-breaking spaces, which toPlainText() would turn into blanks.
    if (auto* edit = qobject_cast<SectionTextEdit*>(widget(box)))
        return edit->widgetText();
    if (const OneLineBox* line = m_lines[static_cast<size_t>(box)])
        return line->text();
    return static_cast<QLineEdit*>(widget(box))->text();
}

QString DescriptionBoxes::boxText(int box) const
{
    return toDocumentText(widgetText(box));
}

void DescriptionBoxes::setBoxText(int box, const QString& text)
{
    // An empty box needs no conversion to tell, which is every box of a load into a new
    // document.
    const QString& now = seen(box);
    if (now.isEmpty() ? text.isEmpty() : toDocumentText(now) == toDocumentText(text))
        return;
    const QString shown = toWidgetText(text);
    if (auto* edit = qobject_cast<SectionTextEdit*>(widget(box)))
        edit->setWidgetText(shown);
    else if (OneLineBox* line = m_lines[static_cast<size_t>(box)])
        line->setText(shown);
    else
        static_cast<QLineEdit*>(widget(box))->setText(shown);
}

const QString& DescriptionBoxes::seen(int box) const
{
    const auto i = static_cast<size_t>(box);
    if (m_seenStale[i]) {
        m_seen[i] = widgetText(box);
        m_seenStale[i] = false;
    }
    return m_seen[i];
}

std::function<Description()> DescriptionBoxes::laterDescription() const
{
    std::array<QString, BoxCount> texts;
    for (int i = 0; i < BoxCount; ++i)
        texts[static_cast<size_t>(i)] = seen(i);
    return [texts = std::move(texts)] {
        Description description;
        for (int i = 0; i < SectionCount; ++i)
            description.Sections[static_cast<size_t>(i)] = toDocumentText(texts[static_cast<size_t>(i)]);
        description.BookTitle = toDocumentText(texts[BookTitleBox]);
        return description;
    };
}

quintptr DescriptionBoxes::ownerWindowHandle() const
{
    return static_cast<quintptr>(widget(Headline)->window()->winId());
}

void DescriptionBoxes::noteEdit(int box)
{
    const auto i = static_cast<size_t>(box);
    auto* edit = qobject_cast<SectionTextEdit*>(widget(box));
    if (m_lines[i] && m_lines[i]->isLong())
        edit = m_lines[i]->field();
    if (edit) {
        switch (edit->takeChange()) {
        case SectionTextEdit::Change::None:
            return;
        case SectionTextEdit::Change::Some:
            // Read back only when needed: the box may hold megabytes.
            m_seenStale[i] = true;
            emit changed(box);
            return;
        case SectionTextEdit::Change::Unknown:
            break;
        }
    }
    // A box left unread since its last change is compared with nothing older than that.
    const bool wasStale = std::exchange(m_seenStale[i], false);
    QString now = widgetText(box);
    if (!wasStale && now == m_seen[i])
        return;
    m_seen[i] = std::move(now);
    emit changed(box);
}
