#include "support/FakeInternet.h"

#include <algorithm>

namespace qv {

Internet::Result FakeInternet::Fetch(const QString& url, const BlockSink& sink, const FetchOptions& /*options*/) {
    fetched << url;
    const auto page = pages.constFind(url);
    if (!connected || page == pages.constEnd()) {
        return {};
    }
    for (qsizetype at = 0; at < page->body.size(); at += kBlockSize) {
        if (!sink(
                QByteArrayView(page->body.constData() + at, std::min<qsizetype>(kBlockSize, page->body.size() - at)))) {
            return {true, false, page->status};
        }
    }
    return {true, true, page->status};
}

} // namespace qv
