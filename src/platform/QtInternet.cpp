#include "platform/QtInternet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace qv {

QtInternet::QtInternet() = default;
QtInternet::~QtInternet() = default;

QNetworkAccessManager& QtInternet::Network() {
    if (!m_network) {
        m_network = std::make_unique<QNetworkAccessManager>();
    }
    return *m_network;
}

Internet::Connection QtInternet::ConnectionState() {
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) {
        return Connection::Unknown;
    }
    const auto* information = QNetworkInformation::instance();
    if (!information || !information->supports(QNetworkInformation::Feature::Reachability)) {
        return Connection::Unknown;
    }
    switch (information->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
        return Connection::Offline;
    case QNetworkInformation::Reachability::Online:
        return Connection::Online;
    case QNetworkInformation::Reachability::Unknown:
        break;
    }
    return Connection::Unknown;
}

bool QtInternet::Answers(const QString& url, int timeoutMs) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quovadra"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = Network().head(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // Any status, an error page's too, means the server was reached.
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    reply->deleteLater();
    return answered;
}

namespace {

// An error status still delivers its page; any other error (a broken or undecodable transfer included,
// whatever the status said before) makes the answer incomplete. A body sent encoded although none was
// asked for is not the file either.
bool AnsweredWhole(const QNetworkReply& reply, int status) {
    const int error = reply.error();
    const bool statusError =
        status >= 400 &&
        ((error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
         (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError));
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    const bool encoded = !encoding.isEmpty() && encoding != "identity";
    return !encoded && (error == QNetworkReply::NoError || statusError);
}

} // namespace

Internet::Result QtInternet::Fetch(const QString& url, const BlockSink& sink, const FetchOptions& options) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quovadra"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    // The body as it is: nothing to unpack, so nothing can unpack to a thousand times its size.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMs);

    QNetworkReply* reply = Network().get(request);
    Result result;
    bool stopped = false;
    const auto stop = [&] {
        stopped = true;
        reply->abort();
    };
    const auto readBlocks = [&] {
        char block[kBlockSize];
        while (!stopped) {
            const qint64 count = reply->read(block, kBlockSize);
            if (count <= 0) {
                break;
            }
            result.opened = true;
            if (!sink(QByteArrayView(block, count))) {
                stop();
            }
        }
    };
    const auto blocks = QObject::connect(reply, &QNetworkReply::readyRead, reply, readBlocks);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        result.timedOut = true;
        stop();
    });
    QTimer cancelCheck;
    QObject::connect(&cancelCheck, &QTimer::timeout, &loop, [&] {
        if (!stopped && options.cancelled && options.cancelled()) {
            result.cancelled = true;
            stop();
        }
    });
    if (!reply->isFinished()) {
        if (options.timeLimitMs > 0) {
            limit.start(options.timeLimitMs);
        }
        if (options.cancelled) {
            cancelCheck.start(50);
        }
        // Without userInput, input stays queued, so no second action can start in the middle of this one.
        loop.exec(options.userInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }
    limit.stop();
    cancelCheck.stop();
    readBlocks();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.isValid() ? status.toInt() : 0;
    result.opened = result.opened || status.isValid();
    result.complete = result.opened && !stopped && AnsweredWhole(*reply, result.status);
    QObject::disconnect(blocks);
    reply->deleteLater();
    return result;
}

} // namespace qv
