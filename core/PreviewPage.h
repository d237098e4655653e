#pragma once

#include <QString>

// Which store page a preview imitates.
enum class PreviewTarget { Kindle, CreateSpace };

// The page head as the program keeps it, single quotes and all.
QString PreviewPageHeadAsWritten(PreviewTarget target);

// The same head with every single quote turned into a double quote, as the page uses it.
QString PreviewPageHead(PreviewTarget target);

// Closes the page after the fragment, for both targets.
QString PreviewPageTail();

// The whole preview page: head, the fragment unchanged, tail.
QString BuildPreviewPage(PreviewTarget target, const QString& fragment);
