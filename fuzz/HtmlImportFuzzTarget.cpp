// One fuzzing input for the HTML importer: the bytes are read as an HTML file is, imported,
// and pasted. An import that calls itself exact must give the fragment back; the Kindle
// fragment of whatever was imported must import again exactly; a paste has no CR in it.
#include "HtmlGenerators.h"
#include "HtmlImport.h"
#include "PastedHtml.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "html import: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;  // size limits are the file's business, not the importer's
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QString> html = HtmlImport::textOfBytes(bytes);
    if (!html)
        return 0;
    require(!HtmlToBoxText(*html).contains(u'\r'), "a paste holds a CR");

    const std::optional<HtmlImport::Result> imported = HtmlImport::fromText(*html);
    if (!imported)
        return 0;
    const Description& d = imported->description;
    if (imported->exact) {
        QString fragment = *html;
        const QString again = imported->kindle ? GenerateKindleHTML(d) : GenerateCreatespaceHTML(d);
        while (again != fragment && (fragment.endsWith(u'\n') || fragment.endsWith(u'\r')))
            fragment.chop(1);
        require(again == fragment, "an exact import does not give its fragment back");
    }
    const QString kindle = GenerateKindleHTML(d);
    const std::optional<HtmlImport::Result> reread = HtmlImport::fromText(kindle);
    require(reread.has_value(), "a generated fragment nests too deep");
    if (reread->exact)
        require((reread->kindle ? GenerateKindleHTML : GenerateCreatespaceHTML)(reread->description) == kindle,
                "a generated fragment does not come back");
    return 0;
}
