#include "data/element_download.h"

#include "data/satnogs_satellites.h"
#include "data/transponder_download.h"
#include "orbit/element_files.h"
#include "orbit/omm_readers.h"
#include "platform/atomic_file.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace orvanta {

namespace {

using Outcome = ElementFileResult::Outcome;

QString secondsText(int milliseconds)
{
    return QString::number((milliseconds + 999) / 1000);
}

bool startsLikeHtml(const QByteArray &body)
{
    // OMM in XML starts with a tag too, and is told by its root.
    if (orbit::elementFormatOf(std::string_view(body.constData(), std::size_t(body.size()))) ==
        orbit::ElementFormat::OmmXml)
        return false;
    const QByteArray start = body.left(1024).trimmed().toLower();
    return start.startsWith('<') || start.contains("<html") || start.contains("<!doctype") ||
           start.contains("<body");
}

QString networkErrorText(QNetworkReply::NetworkError error, const QString &qtText)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("ElementDownload", "connexion refusée par le serveur");
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("ElementDownload", "serveur introuvable");
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("ElementDownload", "connexion fermée par le serveur avant la réponse");
    case QNetworkReply::TimeoutError:
        return QCoreApplication::translate("ElementDownload", "le serveur ne répond plus");
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate("ElementDownload", "échec de la connexion sécurisée (%1)").arg(qtText);
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QCoreApplication::translate("ElementDownload", "réseau indisponible");
    default:
        return QCoreApplication::translate("ElementDownload", "erreur réseau (%1)").arg(qtText);
    }
}

bool isWebScheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QStringLiteral("http") || scheme == QStringLiteral("https");
}

// The body checked and written over the job's file; run away from the window.
ElementFileResult installBody(const ElementDownloadJob &job, const QByteArray &body, const QString &contentType)
{
    if (job.content == ElementDownloadJob::Content::Transmitters)
        return installTransmittersDownload(job, body);
    if (job.content == ElementDownloadJob::Content::Statuses)
        return installSatellitesDownload(job, body);
    const ElementBodyCheck check = checkElementBody(body, contentType);
    if (check.outcome != Outcome::Replaced)
        return {job.fileName, job.address, check.outcome, 0,
                QCoreApplication::translate("ElementDownload", "%1 : %2").arg(job.address, check.problem)};
    const int setCount = check.setCount;
    // The new file is dated by its writing, at the end of the download, so the
    // age check at start-up counts from the download.
    QString error;
    if (!writeFileAtomically(job.path, body, &error))
        return writeFailedResult(job, error);
    return {job.fileName, job.address, Outcome::Replaced, setCount,
            (setCount == 1
                 ? QCoreApplication::translate("ElementDownload", "mis à jour, 1 jeu d'éléments (%1)")
                 : QCoreApplication::translate("ElementDownload", "mis à jour, %1 jeux d'éléments (%2)").arg(setCount))
                .arg(job.address)};
}

} // namespace

ElementBodyCheck checkElementBody(const QByteArray &body, const QString &contentType)
{
    if (body.trimmed().isEmpty())
        return {Outcome::Empty, 0, QCoreApplication::translate("ElementDownload", "réponse vide")};
    const ElementBodyCheck html{
        Outcome::Html, 0,
        QCoreApplication::translate("ElementDownload", "page HTML reçue au lieu d'un fichier d'éléments")};
    if (startsLikeHtml(body))
        return html;
    orbit::ElementCatalogue catalogue;
    orbit::readElementText(body.toStdString(), std::string(), catalogue);
    if (!catalogue.problems.empty()) {
        // Sound elements served under an HTML label are still elements.
        if (contentType.contains(QStringLiteral("html"), Qt::CaseInsensitive))
            return html;
        const orbit::ElementFileProblem &first = catalogue.problems.front();
        QString problem = QCoreApplication::translate("ElementDownload", "contenu refusé");
        if (first.line > 0)
            problem += QCoreApplication::translate("ElementDownload", " à la ligne %1").arg(first.line);
        else if (first.record > 0)
            problem += QCoreApplication::translate("ElementDownload", " à l'objet %1").arg(first.record);
        problem += QStringLiteral(" (%1)").arg(QString::fromStdString(first.reason));
        if (catalogue.problems.size() > 1)
            problem += catalogue.problems.size() == 2
                           ? QCoreApplication::translate("ElementDownload", " et 1 autre problème")
                           : QCoreApplication::translate("ElementDownload", " et %1 autres problèmes")
                                 .arg(catalogue.problems.size() - 1);
        return {Outcome::BadContent, 0, problem};
    }
    if (catalogue.sets.empty())
        return {Outcome::BadContent, 0,
                QCoreApplication::translate("ElementDownload", "aucun jeu d'éléments dans la réponse")};
    return {Outcome::Replaced, int(catalogue.sets.size()), {}};
}

ElementFileResult writeFailedResult(const ElementDownloadJob &job, const QString &error)
{
    return {job.fileName, job.address, Outcome::WriteFailed, 0,
            QCoreApplication::translate("ElementDownload", "impossible d'écrire %1 (%2), l'ancien fichier est gardé")
                .arg(job.path, error)};
}

ElementDownloader::ElementDownloader(DownloadLimits limits, QObject *parent)
    : QObject(parent), limits_(limits), network_(new QNetworkAccessManager(this))
{
    // Nothing is kept from one run to the next: each update asks the server afresh.
    network_->setCookieJar(nullptr);
    connectTimer_.setSingleShot(true);
    totalTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        fail(Outcome::TimedOut, QCoreApplication::translate("ElementDownload", "pas de connexion au serveur en %1 s")
                                    .arg(secondsText(limits_.connectTimeoutMs)));
    });
    connect(&totalTimer_, &QTimer::timeout, this, [this] {
        fail(Outcome::TimedOut, QCoreApplication::translate("ElementDownload", "téléchargement inachevé après %1 s")
                                    .arg(secondsText(limits_.totalTimeoutMs)));
    });
}

ElementDownloader::~ElementDownloader()
{
    dropReply();
    if (installer_.joinable())
        installer_.join();
}

void ElementDownloader::start(const QList<ElementDownloadJob> &jobs)
{
    if (running_)
        return;
    jobs_ = jobs;
    results_.clear();
    running_ = true;
    QTimer::singleShot(0, this, &ElementDownloader::startNext);
}

void ElementDownloader::cancel()
{
    if (!running_)
        return;
    dropReply();
    // A file being written is let finish: its result is the job's, not a cancel.
    if (installer_.joinable()) {
        installer_.join();
        const std::shared_ptr<ElementFileResult> installed = std::move(installed_);
        results_ << *installed;
        emit fileFinished(int(results_.size() - 1), *installed);
    }
    running_ = false;
    for (qsizetype job = results_.size(); job < jobs_.size(); ++job) {
        ElementFileResult result{jobs_[job].fileName, jobs_[job].address, Outcome::Cancelled, 0,
                                 QCoreApplication::translate("ElementDownload", "annulé, fichier inchangé")};
        results_ << result;
        emit fileFinished(int(job), result);
    }
    emit finished();
}

void ElementDownloader::startNext()
{
    if (!running_ || reply_)
        return;
    if (results_.size() == jobs_.size()) {
        running_ = false;
        emit finished();
        return;
    }
    const ElementDownloadJob &job = jobs_[results_.size()];
    emit fileStarted(int(results_.size()));
    const QUrl url(job.address, QUrl::StrictMode);
    if (!url.isValid() || !isWebScheme(url) || url.host().isEmpty()) {
        finishJob({job.fileName, job.address, Outcome::RefusedAddress, 0,
                   QCoreApplication::translate(
                       "ElementDownload", "%1 : adresse refusée, seules les adresses http:// et https:// sont admises")
                       .arg(job.address)});
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Orvanta"));
    announced_ = -1;
    receivedBytes_ = 0;
    failure_.reset();
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::requestSent, this, [this] { connectTimer_.stop(); });
    // Qt holds back downloadProgress for the first moments of a reply, so
    // progress is followed from the data as it comes.
    connect(reply_, &QNetworkReply::readyRead, this, &ElementDownloader::received);
    connect(reply_, &QNetworkReply::finished, this, &ElementDownloader::replyFinished);
    connectTimer_.start(limits_.connectTimeoutMs);
    totalTimer_.start(limits_.totalTimeoutMs);
}

void ElementDownloader::received()
{
    receivedBytes_ = reply_->bytesAvailable();
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    announced_ = length.isValid() ? length.toLongLong() : -1;
    if (receivedBytes_ > limits_.maxBytes) {
        constexpr qint64 kMegabyte = 1024 * 1024;
        const QString limit =
            limits_.maxBytes >= kMegabyte
                ? QCoreApplication::translate("ElementDownload", "%1 Mo").arg(limits_.maxBytes / kMegabyte)
                : QCoreApplication::translate("ElementDownload", "%1 octets").arg(limits_.maxBytes);
        fail(Outcome::BadContent, QCoreApplication::translate(
                                      "ElementDownload", "réponse trop grande pour un fichier d'éléments (plus de %1)")
                                      .arg(limit));
        return;
    }
    emit progress(int(results_.size()), receivedBytes_, announced_);
}

void ElementDownloader::fail(ElementFileResult::Outcome outcome, const QString &message)
{
    if (!reply_ || failure_)
        return;
    const ElementDownloadJob &job = jobs_[results_.size()];
    failure_ = ElementFileResult{job.fileName, job.address, outcome, 0,
                                 QCoreApplication::translate("ElementDownload", "%1 : %2").arg(job.address, message)};
    reply_->abort(); // finished() follows, and takes failure_ as the result
}

void ElementDownloader::replyFinished()
{
    connectTimer_.stop();
    totalTimer_.stop();
    const std::optional<ElementFileResult> result = failure_ ? failure_ : judgeReply();
    const QByteArray body = result ? QByteArray() : reply_->readAll();
    const QString contentType = reply_->header(QNetworkRequest::ContentTypeHeader).toString();
    dropReply();
    if (result) {
        finishJob(*result);
        return;
    }
    // Checking a catalogue of thousands of sets takes tens of milliseconds:
    // a thread of its own does it, and the result comes back by the event loop.
    const ElementDownloadJob job = jobs_[results_.size()];
    auto installed = std::make_shared<ElementFileResult>();
    installed_ = installed;
    installer_ = std::thread([this, job, body, contentType, installed] {
        *installed = installBody(job, body, contentType);
        QMetaObject::invokeMethod(this, [this, installed] { installFinished(installed); }, Qt::QueuedConnection);
    });
}

void ElementDownloader::installFinished(const std::shared_ptr<ElementFileResult> &installed)
{
    if (installed != installed_) // a cancel took it already
        return;
    installer_.join();
    installed_.reset();
    finishJob(*installed);
}

std::optional<ElementFileResult> ElementDownloader::judgeReply()
{
    const ElementDownloadJob &job = jobs_[results_.size()];
    const auto failed = [&](Outcome outcome, const QString &why) {
        return ElementFileResult{job.fileName, job.address, outcome, 0,
                                 QCoreApplication::translate("ElementDownload", "%1 : %2").arg(job.address, why)};
    };
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply_->error();
    if (error == QNetworkReply::TooManyRedirectsError)
        return failed(
            Outcome::TooManyRedirects,
            QCoreApplication::translate("ElementDownload", "plus de %1 redirections").arg(limits_.maxRedirects));
    if (error == QNetworkReply::ProtocolUnknownError || error == QNetworkReply::InsecureRedirectError) {
        const QString target = QString::fromLatin1(reply_->rawHeader("Location"));
        return failed(
            Outcome::RefusedAddress,
            error == QNetworkReply::InsecureRedirectError
                ? QCoreApplication::translate("ElementDownload", "redirection refusée de https vers %1").arg(target)
                : QCoreApplication::translate("ElementDownload", "redirection refusée vers %1 (ni http ni https)")
                      .arg(target));
    }
    if (status > 200) {
        const QString phrase = reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return failed(Outcome::HttpError, QCoreApplication::translate("ElementDownload", "erreur HTTP %1%2")
                                              .arg(status)
                                              .arg(phrase.isEmpty() ? QString() : u' ' + phrase));
    }
    if (error != QNetworkReply::NoError) {
        if (status == 200 && announced_ > receivedBytes_)
            return failed(
                Outcome::Truncated,
                QCoreApplication::translate("ElementDownload", "réponse tronquée (%1 octets reçus sur %2 annoncés)")
                    .arg(receivedBytes_)
                    .arg(announced_));
        return failed(Outcome::NetworkError, networkErrorText(error, reply_->errorString()));
    }
    if (status != 200) // the connection ended before a status line
        return failed(Outcome::NetworkError,
                      QCoreApplication::translate("ElementDownload", "le serveur n'a pas répondu"));
    return std::nullopt;
}

void ElementDownloader::finishJob(ElementFileResult result)
{
    const int job = int(results_.size());
    results_ << result;
    emit fileFinished(job, result);
    QTimer::singleShot(0, this, &ElementDownloader::startNext);
}

void ElementDownloader::dropReply()
{
    connectTimer_.stop();
    totalTimer_.stop();
    if (!reply_)
        return;
    QNetworkReply *reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

} // namespace orvanta
