#include "tests/support/loopback_http_server.h"

#include <QTcpSocket>

namespace {

// A request head larger than this is not one a browser sends for these pages.
constexpr qsizetype kMaxRequestHead = 64 * 1024;

} // namespace

LoopbackHttpServer::LoopbackHttpServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::Accept);
}

QString LoopbackHttpServer::Host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

void LoopbackHttpServer::Serve(const QString& path, const Reply& reply)
{
    m_replies.insert(path, reply);
}

void LoopbackHttpServer::Accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (socket->property("answered").toBool())
                return;
            QByteArray head = socket->property("head").toByteArray() + socket->readAll();
            socket->setProperty("head", head);
            if (!head.contains("\r\n\r\n")) {
                if (head.size() > kMaxRequestHead)
                    socket->abort();
                return;
            }
            socket->setProperty("answered", true);
            const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
            const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
            m_requests << path;

            const auto found = m_replies.constFind(path);
            Reply reply = found != m_replies.cend() ? *found : Of("text/plain", "not here");
            if (found == m_replies.cend())
                reply.status = "404 Not Found";
            if (reply.behaviour == Behaviour::Close) {
                socket->abort();
                return;
            }
            if (reply.behaviour == Behaviour::Hang)
                return;
            QByteArray answer = "HTTP/1.1 " + reply.status + "\r\nContent-Type: " + reply.contentType
                + "\r\nContent-Length: " + QByteArray::number(reply.body.size())
                + "\r\nCache-Control: no-store\r\n" + reply.extraHeaders;
            if (reply.behaviour == Behaviour::NeverFinish) {
                socket->write(answer + "\r\n" + reply.body.left(reply.body.size() / 2));
                return;
            }
            socket->write(answer + "Connection: close\r\n\r\n" + reply.body);
            socket->disconnectFromHost();
        });
    }
}
