#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace qv {

// Access to the Internet: whether a connection exists, and fetching an address.
class Internet {
public:
    // How a fetch ended. opened is false when no answer came at all (unknown host, refused
    // connection); complete is false when the transfer broke off after the answer had begun.
    struct Result {
        bool opened = false;
        bool complete = false;
        int status = 0; // the HTTP status code, 0 when there is none
    };
    using BlockSink = std::function<void(QByteArrayView block)>;

    static constexpr int kBlockSize = 1024;

    virtual ~Internet() = default;

    // False only when the system knows that there is no Internet connection.
    virtual bool IsConnected() = 0;
    // Fetches url (always a fresh copy, never a cached one), handing the body to sink in blocks of at
    // most kBlockSize bytes. Blocks until the transfer has ended.
    virtual Result Fetch(const QString& url, const BlockSink& sink) = 0;
};

} // namespace qv
