#include "platform/QtInternet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
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

Internet::Result QtInternet::Fetch(const QString& url, const BlockSink& sink) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quovadra"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMs);

    QNetworkReply* reply = Network().get(request);
    Result result;
    const auto readBlocks = [&] {
        char block[kBlockSize];
        for (;;) {
            const qint64 count = reply->read(block, kBlockSize);
            if (count <= 0) {
                break;
            }
            result.opened = true;
            sink(QByteArrayView(block, count));
        }
    };
    const auto blocks = QObject::connect(reply, &QNetworkReply::readyRead, reply, readBlocks);

    // The caller waits for the transfer; user input stays queued meanwhile, so no second action can
    // start in the middle of this one.
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    readBlocks();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.isValid() ? status.toInt() : 0;
    result.opened = result.opened || status.isValid();
    // An HTTP error status still delivers its page; only a broken transfer makes it incomplete.
    const int error = reply->error();
    const bool httpError =
        status.isValid() &&
        ((error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
         (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError));
    result.complete = result.opened && (error == QNetworkReply::NoError || httpError);
    QObject::disconnect(blocks);
    reply->deleteLater();
    return result;
}

} // namespace qv
