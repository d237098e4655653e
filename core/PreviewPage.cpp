#include "PreviewPage.h"

namespace {
// A style sheet that imitates the Kindle store's description box.
constexpr char16_t KindleHead[] =
    u"<HTML><HEAD><style type='text/css'>body {height: 100%; vertical-align: baseline; line-height: 1.416;"
    u"font-size: 75%; color: #000; background: #fff; font-family: Verdana, 'Helvetica Neue', Helvetica, "
    u"sans-serif;}h2{ font-family: Verdana, Helvetica, sans-serif; font-weight: bold; color: #E47911; "
    u"font-size: 12pt; line-height:1.167; margin:0.476em 0;}</style></HEAD><BODY topmargin='20' "
    u"leftmargin='40'>";

// CreateSpace shows plain Arial; the fragment carries bold where Kindle has headings.
constexpr char16_t CreateSpaceHead[] =
    u"<HTML><HEAD><style> body         { font-family: Arial; font-size: 14.5px } </style></HEAD>"
    u"<BODY topmargin='20' leftmargin='40'>";
} // namespace

QString PreviewPageHeadAsWritten(PreviewTarget target)
{
    return target == PreviewTarget::Kindle ? QString::fromUtf16(KindleHead) : QString::fromUtf16(CreateSpaceHead);
}

QString PreviewPageHead(PreviewTarget target)
{
    QString head = PreviewPageHeadAsWritten(target);
    head.replace(QLatin1Char('\''), QLatin1Char('"'));
    return head;
}

QString PreviewPageTail()
{
    return QStringLiteral("</BODY></HTML>");
}

QString BuildPreviewPage(PreviewTarget target, const QString& fragment)
{
    return PreviewPageHead(target) + fragment + PreviewPageTail();
}
