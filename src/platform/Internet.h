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

    // What the system knows of the Internet connection.
    enum class Connection { Online, Offline, Unknown };

    static constexpr int kBlockSize = 1024;

    virtual ~Internet() = default;

    // Unknown when the system offers no network information or cannot tell.
    virtual Connection ConnectionState() = 0;
    // Whether the server of url answers at all (with any HTTP status) within timeoutMs: a short request
    // that finds out what the system cannot tell.
    virtual bool Answers(const QString& url, int timeoutMs) = 0;
    // Fetches url (always a fresh copy, never a cached one), handing the body to sink in blocks of at
    // most kBlockSize bytes. Blocks until the transfer has ended.
    virtual Result Fetch(const QString& url, const BlockSink& sink) = 0;
};

} // namespace qv
