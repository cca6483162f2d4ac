#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

// A small HTTP server on 127.0.0.1 for tests: answers GET requests from a table of paths, in the
// test's own thread (the client's waiting loop lets it run).
class LocalHttpServer {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
    };

    LocalHttpServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    bool IsListening() const { return m_server.isListening(); }
    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void Set(const QByteArray& path, int status, const QByteArray& body,
             const QByteArray& contentType = "application/octet-stream") {
        m_answers[path] = {status, body, contentType};
    }
    // Answers path with these bytes as they stand (status line, headers, body) and hangs up.
    void SetRaw(const QByteArray& path, const QByteArray& response) { m_raw[path] = response; }
    // Answers path with a 200 and body, the body one byte every intervalMs.
    void SetDrip(const QByteArray& path, const QByteArray& body, int intervalMs) { m_drips[path] = {body, intervalMs}; }
    int Requests() const { return m_requests; }
    // The last request as it came, headers included.
    QByteArray LastRequest() const { return m_lastRequest; }

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) {
            return;
        }
        ++m_requests;
        m_lastRequest = request;
        const QByteArray path = request.split(' ').value(1);
        m_pending.remove(socket);
        if (m_raw.contains(path)) {
            socket->write(m_raw.value(path));
            socket->disconnectFromHost();
            return;
        }
        if (m_drips.contains(path)) {
            StartDrip(socket, m_drips.value(path));
            return;
        }
        const Answer answer = m_answers.value(path, Answer{404, "<html><body>Nicht gefunden</body></html>"});
        QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
        response += "Content-Type: " + answer.contentType + "\r\n";
        response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        response += "Connection: close\r\n\r\n";
        response += answer.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    struct DripAnswer {
        QByteArray body;
        int intervalMs = 0;
    };
    static void StartDrip(QTcpSocket* socket, const DripAnswer& drip) {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                      QByteArray::number(drip.body.size()) + "\r\nConnection: close\r\n\r\n");
        auto* timer = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body = drip.body] {
            if (*sent >= body.size()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(body.mid((*sent)++, 1));
        });
        timer->start(drip.intervalMs);
    }

    QTcpServer m_server;
    QHash<QByteArray, QByteArray> m_raw;
    QHash<QByteArray, DripAnswer> m_drips;
    QByteArray m_lastRequest;
    QHash<QByteArray, Answer> m_answers;
    QHash<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
};
