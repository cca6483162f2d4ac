#pragma once

#include "platform/Internet.h"

#include <QNetworkAccessManager>

namespace qv {

// HTTP(S) over Qt Network. The connection state comes from the system's network information; when the
// system cannot tell, the program assumes a connection and lets the fetch find out.
class QtInternet final : public Internet {
public:
    QtInternet();

    bool IsConnected() override;
    Result Fetch(const QString& url, const BlockSink& sink) override;

    // A transfer that stalls this long is given up.
    static constexpr int kTransferTimeoutMs = 30000;

private:
    QNetworkAccessManager m_network;
};

} // namespace qv
