#pragma once

#include "platform/Internet.h"

#include <memory>

class QNetworkAccessManager;

namespace qv {

// HTTP(S) over Qt Network. The connection state comes from the system's network information; without a
// backend for it, or when it cannot tell, the state is unknown and the callers ask the server itself.
class QtInternet final : public Internet {
public:
    QtInternet();
    ~QtInternet() override;

    Connection ConnectionState() override;
    bool Answers(const QString& url, int timeoutMs) override;
    Result Fetch(const QString& url, const BlockSink& sink, const FetchOptions& options) override;

    // A transfer that stalls this long is given up.
    static constexpr int kTransferTimeoutMs = 30000;

private:
    QNetworkAccessManager& Network();

    // Made with the first request: most sessions never go online.
    std::unique_ptr<QNetworkAccessManager> m_network;
};

} // namespace qv
