#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

namespace hostkit {

class Host;

// Simulated attachment transfers. Remote content lives in the simulated
// cloud under "sim://" addresses; downloads copy it into the profile's
// "files/" folder, picture fetches into "pictures/", uploads publish a local
// file under a new address. Progress runs on the host's scheduler, so a
// test or scenario advances it with Host::advance.
//
// Keys in the events delivered to the plug-in: downloads and picture
// fetches use the attachment address; uploads use a key "up<N>".
//   4 / 5 / 6     file download started / finished / failed
//   13 / 14 / 15  picture download started / finished / failed (then 19 / 20)
//   19 / 20       fetched picture ready / missing: redraw from the host's state
//   7 / 16        file / picture upload started (details: transferDetails)
//   12            upload progress: <data uid=".." pfn=".." uploaded=".." total=".."/>
//   10            upload finished: "key,bytes"
//   11            upload failed: "key,reason"
//   18            upload stopped: "key"
//   9 / 17        file / picture upload done, send the message: "key"
class Transfers
{
public:
    enum class State {
        Offered,  // known from a message, not downloaded
        Running,
        Done,
        Failed,
        Stopped,
    };

    struct Transfer
    {
        QByteArray key;       // the address for downloads, "up<N>" for uploads
        QByteArray address;   // attachment address
        QByteArray peer;
        QString name;
        qint64 size = 0;
        qint64 transferred = 0;
        int kind = 0;         // 0 file, 1 voice, 2 video
        bool picture = false;
        bool upload = false;
        State state = State::Offered;
        QString localPath;    // the local copy (download) or source file (upload)
        QString savedPath;    // where a download was saved
        QString error;
    };

    // Durations of the simulation: steps of an upload and of a download.
    static constexpr int kUploadSteps = 4;
    static constexpr qint64 kStepMs = 250;

    explicit Transfers(Host &host);
    Q_DISABLE_COPY(Transfers)

    // The scheme of every address the simulated cloud hands out.
    static constexpr char kScheme[] = "sim";

    // Content a peer makes available; returns its "sim://" address.
    QByteArray publish(const QByteArray &content, const QString &name, bool picture);
    bool isPublished(const QByteArray &address) const { return m_cloud.contains(address); }
    // What the cloud holds under an address (empty when nothing) and its name.
    QByteArray publishedContent(const QByteArray &address) const { return m_cloud.value(address); }
    QString publishedName(const QByteArray &address) const { return m_cloudNames.value(address); }

    // The first transfer, in the order they were started, whose key or
    // address is `keyOrAddress` (an "upload:" prefix is ignored); an empty
    // name finds nothing. Constant time: a scenario may carry tens of
    // thousands of attachments.
    const Transfer *find(const QByteArray &keyOrAddress) const;
    QVector<Transfer> all() const;

    // Host services.
    void registerTransfer(const QByteArray &address, const QString &name, qint64 size, int kind);
    QString localFile(const QByteArray &address) const;
    QString savedPath(const QByteArray &address) const;
    int kind(const QByteArray &address) const;
    bool isRunning(const QByteArray &address) const;
    QString pictureLocalName(const QByteArray &address) const;
    QString createPictureLocalName(const QByteArray &address);
    // Events 13 to 15 go to "chat"; 19 and 20 also to `requester` (the
    // label of the service that asked) when that is another plug-in.
    void fetchPicture(const QByteArray &address, const QString &localName, const QByteArray &requester = "chat");
    void fetchFile(const QByteArray &address);
    // Starts one upload per file and recipient; false when nothing started.
    bool sendFiles(const QStringList &paths, const QByteArrayList &recipients);
    void stopUploads(const QByteArray &peer);
    QString uploadErrors(const QByteArray &peer) const;
    QByteArray details(const QByteArray &key) const;

private:
    int position(const QByteArray &keyOrAddress) const; // -1 when none
    Transfer *findMutable(const QByteArray &keyOrAddress);
    Transfer &append(const Transfer &transfer);
    void setAddress(int position, const QByteArray &address);
    void indexName(const QByteArray &name, int position);
    void stepUpload(const QByteArray &key);
    QString uniqueFile(const QString &folder, const QString &name) const;

    Host &m_host;
    QVector<Transfer> m_transfers;              // never shrinks, so positions stay valid
    QHash<QByteArray, int> m_index;             // key or address -> first position holding it
    QHash<QByteArray, QByteArray> m_cloud;      // address -> content
    QHash<QByteArray, QString> m_cloudNames;    // address -> file name
    QHash<QByteArray, QString> m_pictureNames;  // address -> local name
    int m_counter = 0;
};

} // namespace hostkit
