#pragma once

#include "orbit/element_files.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <thread>

class QNetworkAccessManager;
class QNetworkReply;

namespace orvanta {

struct DownloadLimits {
    int connectTimeoutMs = 20'000; // until the request has gone out
    int totalTimeoutMs = 120'000;  // for the whole download, redirections included
    int maxRedirects = 5;
    // What the element reader takes: a whole catalogue in OMM XML runs to tens of megabytes.
    qint64 maxBytes = qint64(orbit::kMaxElementFileBytes);
};

// One element file to fetch: its name, its address and where it is written.
// The SatNOGS DB transmitters list rides along with the element files: it is
// checked by its own reader and written as the transponder import.
struct ElementDownloadJob {
    enum class Content { Elements, Transmitters, Statuses };
    QString fileName;
    QString address;
    QString path;
    Content content = Content::Elements;
};

struct ElementFileResult {
    enum class Outcome {
        Replaced,
        RefusedAddress, // not an http or https address
        NetworkError,
        HttpError,
        TimedOut,
        TooManyRedirects,
        Truncated,
        Empty,
        Html,
        BadContent, // a line the element reader refuses, no set at all, too big, not the transmitters list
        WriteFailed,
        Cancelled,
    };
    QString fileName;
    QString address;
    Outcome outcome = Outcome::Cancelled;
    int setCount = 0;  // sets (or transmitters) in the new file, when replaced
    QString message;   // what happened, in French, one line
    bool replaced() const { return outcome == Outcome::Replaced; }
};

// Whether a downloaded body is a sound element file: not empty, not an HTML
// page, every line read by the element reader without a problem and at least
// one set.
struct ElementBodyCheck {
    ElementFileResult::Outcome outcome = ElementFileResult::Outcome::Replaced; // Replaced when sound
    int setCount = 0;
    QString problem;
};
ElementBodyCheck checkElementBody(const QByteArray &body, const QString &contentType);

// A download whose file could not be written over job.path: the old one stays.
ElementFileResult writeFailedResult(const ElementDownloadJob &job, const QString &error);

// Downloads element files one after the other (one request at a time is
// what the public element services ask for). A file is replaced, atomically
// and dated from the download, only when its new content is sound; on any
// failure or cancel the old file stays byte for byte (a file already being
// written when the cancel comes is let finish). Never waits: every step runs
// from the event loop, and a body is checked and written on a thread of its
// own.
class ElementDownloader : public QObject {
    Q_OBJECT
public:
    explicit ElementDownloader(DownloadLimits limits = {}, QObject *parent = nullptr);
    ~ElementDownloader() override;

    // Starts a run; ignored while one is running. The first signal comes
    // from the event loop, never from within start().
    void start(const QList<ElementDownloadJob> &jobs);
    // Stops the run at once: the file in progress and those not started are
    // Cancelled, and finished() is emitted before cancel() returns.
    void cancel();

    bool isRunning() const { return running_; }
    // One result per job, in the order of the jobs, as they finish.
    const QList<ElementFileResult> &results() const { return results_; }

signals:
    void fileStarted(int job);
    // total is -1 while the size is not known.
    void progress(int job, qint64 received, qint64 total);
    void fileFinished(int job, const orvanta::ElementFileResult &result);
    void finished();

private:
    void startNext();
    void received();
    void replyFinished();
    void fail(ElementFileResult::Outcome outcome, const QString &message);
    void finishJob(ElementFileResult result);
    // The result of a failed reply, none when its body is to be installed.
    std::optional<ElementFileResult> judgeReply();
    void installFinished(const std::shared_ptr<ElementFileResult> &installed);
    void dropReply();

    DownloadLimits limits_;
    QNetworkAccessManager *network_;
    QList<ElementDownloadJob> jobs_;
    QList<ElementFileResult> results_;
    bool running_ = false;
    QNetworkReply *reply_ = nullptr;
    qint64 announced_ = -1; // the size the server announced, -1 when none
    qint64 receivedBytes_ = 0;
    // A failure decided before the reply ended (timeout, too big): the reply
    // is aborted and this is its result.
    std::optional<ElementFileResult> failure_;
    QTimer connectTimer_;
    QTimer totalTimer_;
    std::thread installer_; // checks and writes the body of the job in hand
    std::shared_ptr<ElementFileResult> installed_; // its result, read once it has ended
};

} // namespace orvanta
