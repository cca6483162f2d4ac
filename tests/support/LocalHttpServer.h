#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

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
    int Requests() const { return m_requests; }

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) {
            return;
        }
        ++m_requests;
        const QByteArray path = request.split(' ').value(1);
        m_pending.remove(socket);
        const Answer answer = m_answers.value(path, Answer{404, "<html><body>Nicht gefunden</body></html>"});
        QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
        response += "Content-Type: " + answer.contentType + "\r\n";
        response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        response += "Connection: close\r\n\r\n";
        response += answer.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QHash<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
};
