#pragma once

#include "platform/Internet.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

namespace qv {

// Answers fetches from a table of addresses; an address not in the table cannot be opened. The system
// knows whether it is connected unless known is false; then only an address of the table answers.
class FakeInternet final : public Internet {
public:
    struct Page {
        int status = 200;
        QByteArray body;
    };

    Connection ConnectionState() override {
        if (!known) {
            return Connection::Unknown;
        }
        return connected ? Connection::Online : Connection::Offline;
    }
    bool Answers(const QString& url, int /*timeoutMs*/) override {
        probed << url;
        return pages.contains(url);
    }
    Result Fetch(const QString& url, const BlockSink& sink, const FetchOptions& options) override;

    bool connected = true;
    bool known = true;
    QHash<QString, Page> pages;
    QStringList fetched;
    QStringList probed;
};

} // namespace qv
