// A web server on this machine's loopback address only, serving fixed pages by path, and the web engine
// told to fetch every page through it, as through a proxy.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class PageServer : public QTcpServer {
public:
    explicit PageServer(QMap<QByteArray, QByteArray> pages) : pages_(std::move(pages))
    {
        if (!listen(QHostAddress::LocalHost))
            qFatal("no loopback port to serve pages from");
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }

    // Every address the engine asked for, whatever its host.
    QList<QUrl> asked;

    // For the web engine, before it starts.
    QByteArray proxyFlag() const { return "--proxy-server=http://127.0.0.1:" + QByteArray::number(serverPort()); }

private:
    void answer(QTcpSocket* socket)
    {
        if (!socket->canReadLine())
            return;
        // Asked as a proxy, for the whole address.
        asked << QUrl::fromEncoded(socket->readLine().split(' ').value(1));
        const QByteArray path = asked.last().path().toUtf8();
        const bool known = pages_.contains(path);
        const QByteArray body = pages_.value(path, "<html><body>no such page</body></html>");
        socket->write((known ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n")
                      + QByteArray("Content-Type: text/html; charset=utf-8\r\nContent-Length: ")
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QMap<QByteArray, QByteArray> pages_;
};
