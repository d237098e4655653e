#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Splits HTML text into text runs, tags and comments, the way a browser reads a fragment
// pasted into a description field, without building a tree. Every character of the input is
// part of exactly one token. The contents of script and style elements come back as one
// RawText token, never as text.
class HtmlTokenizer {
public:
    enum class Kind { End, Text, StartTag, EndTag, Comment, Declaration, RawText };

    struct Token {
        Kind kind = Kind::End;
        QStringView source;       // the token as it stands in the input
        QString name;             // lower-case tag name (tags only)
        QStringList attributes;   // lower-case attribute names, in order
        QStringList values;       // their values, quotes removed, entities left as they are
        bool selfClosing = false; // "<br/>"

        // The value of the named attribute; empty when there is none.
        QString attribute(QStringView attributeName) const;
    };

    explicit HtmlTokenizer(QStringView html) : m_html(html) {}

    // The next token; Kind::End once the input is used up.
    Token next();

    // Elements that never have contents or an end tag.
    static bool IsVoidElement(QStringView name);

private:
    Token startTag(qsizetype at);
    Token endTag(qsizetype at);
    Token until(qsizetype at, Kind kind, QStringView closer, qsizetype skip);

    QStringView m_html;
    qsizetype m_pos = 0;
    QString m_rawTextEnd;  // the element whose raw contents come next ("script", "style")
};
