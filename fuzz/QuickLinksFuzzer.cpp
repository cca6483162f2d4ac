// The quick-links file, perhaps edited by hand: read without harm, and what is read is written back
// and read again unchanged.
#include "FuzzSupport.h"

#include "engine/tools/QuickLinks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const QuickLinkLines lines = ParseQuickLinks(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::Check(lines.link1.size() + lines.link2.size() <= size);
    for (const std::string* link : {&lines.link1, &lines.link2}) {
        fuzz::Check(link->find_first_of("\r\n") == std::string::npos);
    }
    fuzz::Check(ParseQuickLinks(FormatQuickLinks(lines)) == lines);
    fuzz::Check(ReadQuickLinks(fuzz::Scratch(kQuickLinksFileName, data, size)) == lines);
    return 0;
}
