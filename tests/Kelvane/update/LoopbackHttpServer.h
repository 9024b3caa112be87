// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An HTTP server on 127.0.0.1 that answers each path with a canned response,
// for tests that must not reach any other network.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class LoopbackHttpServer final : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArrayList headers; // extra lines, "Name: value"
        bool sendLength = true; // without a length the body ends with the connection
        bool answers = true; // false: read the request and never answer
    };

    LoopbackHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            }
        });
    }

    bool isListening() const { return m_server.isListening(); }
    void serve(const QByteArray& path, Response response) { m_responses.insert(path, std::move(response)); }
    QUrl url(const QByteArray& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QLatin1String(path)));
    }
    int requests(const QByteArray& path) const { return m_requests.value(path); }

private:
    void readRequest(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.remove(socket);
        const QByteArray path = requestLine.value(1);
        ++m_requests[path];
        const Response response = m_responses.value(path, Response{404, "not here"});
        if (!response.answers)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Canned\r\nConnection: close\r\n";
        if (response.sendLength)
            head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        for (const QByteArray& line : response.headers)
            head += line + "\r\n";
        socket->write(head + "\r\n" + response.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, Response> m_responses;
    QHash<QByteArray, int> m_requests;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};
