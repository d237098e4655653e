// One fuzzing input: the bytes of a description file are parsed, both HTML fragments are
// generated, the description is written back to bytes and read again, and everything
// must come back the same. Any difference or crash is a finding.
#include "DescriptionFileFormat.h"
#include "HtmlGenerators.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "description round trip: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;  // size limits are the file's business, not the format's
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DescriptionFileFormat::Content content = DescriptionFileFormat::parse(bytes);
    require(content.linesRead >= 0 && content.linesRead <= DescriptionFileFormat::LineCount, "lines read");
    if (!content.recognised)
        return 0;

    const Description& original = content.description;
    const QString kindle = GenerateKindleHTML(original);
    const QString createSpace = GenerateCreatespaceHTML(original);

    // Text read from a file holds no lone CR and no "<BR>", so it survives a save exactly.
    const QByteArray written = DescriptionFileFormat::format(original);
    const DescriptionFileFormat::Content reread = DescriptionFileFormat::parse(written);
    require(reread.recognised, "written file not recognised");
    require(reread.linesRead == DescriptionFileFormat::LineCount, "written file has not nine lines");
    require(reread.description == original, "description changed by a save and a load");
    require(DescriptionFileFormat::format(reread.description) == written, "second save differs");
    require(GenerateKindleHTML(reread.description) == kindle, "Kindle fragment changed");
    require(GenerateCreatespaceHTML(reread.description) == createSpace, "CreateSpace fragment changed");
    return 0;
}
