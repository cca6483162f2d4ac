#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace qv {

// Access to the Internet: whether a connection exists, and fetching an address.
class Internet {
public:
    // How a fetch ended. opened is false when no answer came at all (unknown host, refused
    // connection); complete is false when the transfer broke off after the answer had begun, failed in
    // any other way (a body that could not be decoded included) or was stopped.
    struct Result {
        bool opened = false;
        bool complete = false;
        int status = 0;         // the HTTP status code, 0 when there is none
        bool cancelled = false; // the caller's cancel check said stop
        bool timedOut = false;  // the overall time limit ran out
    };
    // Takes the next block of the body; false stops the transfer there (it then ends incomplete), so a
    // body larger than the caller wants is never received whole.
    using BlockSink = std::function<bool(QByteArrayView block)>;

    // What a caller may set for one fetch.
    struct FetchOptions {
        int timeLimitMs = 0;             // the whole transfer at most this long; 0: only the stall limit
        std::function<bool()> cancelled; // asked while waiting; true stops the transfer
        bool userInput = false;          // user input is handled while waiting (for a cancel button)
    };

    // What the system knows of the Internet connection.
    enum class Connection { Online, Offline, Unknown };

    static constexpr int kBlockSize = 1024;

    virtual ~Internet() = default;

    // Unknown when the system offers no network information or cannot tell.
    virtual Connection ConnectionState() = 0;
    // Whether the server of url answers at all (with any HTTP status) within timeoutMs: a short request
    // that finds out what the system cannot tell.
    virtual bool Answers(const QString& url, int timeoutMs) = 0;
    // Fetches url (always a fresh copy, never a cached one, asked for without content encoding),
    // handing the body to sink in blocks of at most kBlockSize bytes. Blocks until the transfer has
    // ended; user input stays queued meanwhile unless options.userInput.
    virtual Result Fetch(const QString& url, const BlockSink& sink, const FetchOptions& options) = 0;
};

} // namespace qv
