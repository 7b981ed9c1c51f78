#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

// A tiny HTTP server on the loopback, for pages the tests serve to the
// browser themselves. Each path answers with a fixed reply; a reply can also
// misbehave the way a broken server does.
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    enum class Behaviour {
        Complete,    // headers and the whole body, then the connection closes
        NeverFinish, // headers and the start of the body, then silence
        Hang,        // nothing at all: the request is read and never answered
        Close,       // the connection closes before anything is sent
    };

    struct Reply {
        QByteArray status = "200 OK";
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        QByteArray extraHeaders; // whole header lines, each ending in \r\n
        Behaviour behaviour = Behaviour::Complete;
    };

    LoopbackHttpServer();

    static Reply Html(const QByteArray& body) { return Of("text/html; charset=utf-8", body); }
    static Reply Of(const QByteArray& contentType, const QByteArray& body, Behaviour behaviour = Behaviour::Complete)
    {
        Reply reply;
        reply.contentType = contentType;
        reply.body = body;
        reply.behaviour = behaviour;
        return reply;
    }
    static Reply RedirectTo(const QByteArray& location)
    {
        Reply reply;
        reply.status = "302 Found";
        reply.extraHeaders = "Location: " + location + "\r\n";
        return reply;
    }

    // HOST:PORT of the server.
    QString Host() const;
    void Serve(const QString& path, const Reply& reply);

    // The paths requested so far, in order.
    const QStringList& Requests() const { return m_requests; }

private:
    void Accept();

    QTcpServer m_server;
    QHash<QString, Reply> m_replies;
    QStringList m_requests;
};
