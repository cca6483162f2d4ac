#pragma once

#include "platform/Internet.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

namespace qv {

// Answers fetches from a table of addresses; an address not in the table cannot be opened.
class FakeInternet final : public Internet {
public:
    struct Page {
        int status = 200;
        QByteArray body;
    };

    bool IsConnected() override { return connected; }
    Result Fetch(const QString& url, const BlockSink& sink) override;

    bool connected = true;
    QHash<QString, Page> pages;
    QStringList fetched;
};

} // namespace qv
