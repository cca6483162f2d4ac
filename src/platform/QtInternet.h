#pragma once

#include "platform/Internet.h"

#include <QNetworkAccessManager>

namespace qv {

// HTTP(S) over Qt Network. The connection state comes from the system's network information; without a
// backend for it, or when it cannot tell, the state is unknown and the callers ask the server itself.
class QtInternet final : public Internet {
public:
    QtInternet();

    Connection ConnectionState() override;
    bool Answers(const QString& url, int timeoutMs) override;
    Result Fetch(const QString& url, const BlockSink& sink) override;

    // A transfer that stalls this long is given up.
    static constexpr int kTransferTimeoutMs = 30000;

private:
    QNetworkAccessManager m_network;
};

} // namespace qv
