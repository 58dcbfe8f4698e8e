// Local stand-ins for the update service, on 127.0.0.1 only: a plain HTTP
// server that answers every request the same way (or never), and a TLS server
// with a self-signed certificate that no client accepts.
#pragma once

#include "UpdateNotification.h"

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

#include <testkit/update_service.h>

#include <memory>

namespace guitest {

// A catalogue with one entry, by default for this program on its platform.
inline QByteArray catalogueFor(const std::string &version, const std::string &build,
                               const std::string &app = UpdateNotification::kApplicationId,
                               const std::string &platform = "Windows")
{
    orvex::testkit::update::CatalogueEntry e;
    e.application_id = app;
    e.platform = platform;
    e.version = version;
    e.build = build;
    return QByteArray::fromStdString(orvex::testkit::update::catalogue({e}));
}

class UpdateServiceStub {
public:
    enum Mode {
        Answer,       // the status and body set by answer()
        Silent,       // reads the request and never answers
        HugeSized,    // announces and sends a body far beyond any catalogue
        HugeUnsized,  // the same without a length: the body ends with the connection
        AnswerAtOnce, // answers before reading anything (to a client that expects TLS)
    };

    UpdateServiceStub()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                serve(s);
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    void answer(int status, const QByteArray &body)
    {
        m_mode = Answer;
        m_status = status;
        m_body = body;
    }
    void setMode(Mode mode) { m_mode = mode; }
    // Request line and headers of every request received, in order.
    const QList<QByteArray> &requests() const { return m_requests; }

    static constexpr qint64 kHugeBytes = 3 << 20;

private:
    void serve(QTcpSocket *socket)
    {
        auto head = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (m_mode == AnswerAtOnce) {
            respond(socket);
            return;
        }
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
            head->append(socket->readAll());
            const int end = head->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            m_requests.append(head->left(end));
            head->clear();
            respond(socket);
        });
    }

    void respond(QTcpSocket *socket)
    {
        switch (m_mode) {
        case Silent: return;
        case Answer:
        case AnswerAtOnce:
            socket->write(QByteArray("HTTP/1.1 ") + QByteArray::number(m_status) + " Stub\r\nContent-Type: "
                          "application/xml\r\nContent-Length: " + QByteArray::number(m_body.size()) +
                          "\r\nConnection: close\r\n\r\n" + m_body);
            break;
        case HugeSized:
        case HugeUnsized:
            socket->write(QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/xml\r\n") +
                          (m_mode == HugeSized ? "Content-Length: " + QByteArray::number(kHugeBytes) + "\r\n"
                                               : QByteArray()) +
                          "Connection: close\r\n\r\n<softwareRelease>");
            socket->write(QByteArray(static_cast<int>(kHugeBytes), ' '));
            break;
        }
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    Mode m_mode = Answer;
    int m_status = 200;
    QByteArray m_body;
    QList<QByteArray> m_requests;
};

// Speaks TLS with a certificate signed by nobody a client trusts.
class SelfSignedTlsServer : public QTcpServer {
public:
    SelfSignedTlsServer()
    {
        const auto id = orvex::testkit::update::self_signed_identity("127.0.0.1");
        m_certificate = QSslCertificate(QByteArray::fromStdString(id.certificate_pem));
        m_key = QSslKey(QByteArray::fromStdString(id.private_key_pem), QSsl::Ec);
        listen(QHostAddress::LocalHost, 0);
    }
    int connections() const { return m_connections; }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        ++m_connections;
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        socket->startServerEncryption();
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    int m_connections = 0;
};

} // namespace guitest
