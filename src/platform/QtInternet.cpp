#include "platform/QtInternet.h"

#include <QEventLoop>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace qv {

QtInternet::QtInternet() = default;

bool QtInternet::IsConnected() {
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) {
        return true;
    }
    const auto* information = QNetworkInformation::instance();
    if (!information || !information->supports(QNetworkInformation::Feature::Reachability)) {
        return true;
    }
    switch (information->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
        return false;
    case QNetworkInformation::Reachability::Online:
    case QNetworkInformation::Reachability::Unknown:
        break;
    }
    return true;
}

Internet::Result QtInternet::Fetch(const QString& url, const BlockSink& sink) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quovadra"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTransferTimeoutMs);

    QNetworkReply* reply = m_network.get(request);
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
