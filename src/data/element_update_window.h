#pragma once

#include "data/element_download.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvanta {

// The element update window: one row per file to download with its progress
// bar and, once done, what happened to it; "Annuler" stops the run. It never
// blocks: the downloads run from the event loop while the tracking goes on.
class ElementUpdateWindow : public QWidget {
    Q_OBJECT
public:
    explicit ElementUpdateWindow(const QString &folder, QWidget *parent = nullptr, DownloadLimits limits = {});

    // Reads Elements.cfg and Sources.cfg and starts the downloads. False when
    // there is nothing to download (the window then says why and finished()
    // is not emitted).
    bool start();

    const ElementDownloader &downloader() const { return downloader_; }

signals:
    // Once per run, when the last file is done or the run is cancelled
    // (closing the window cancels it too). replacedFiles names the files that
    // now hold new elements, possibly none.
    void finished(const QStringList &replacedFiles);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Row {
        QLabel *name;
        QProgressBar *bar;
        QLabel *result;
    };
    void showProgress(int job, qint64 received, qint64 total);
    void showResult(int job, const ElementFileResult &result);
    void runFinished();
    // Results arrive longer than "en attente": the window grows so that every
    // wrapped line shows whole.
    void growToShowEverything();

    QString folder_;
    ElementDownloader downloader_;
    QLabel *problems_;
    QWidget *rowsBox_;
    QList<Row> rows_;
    QPushButton *annuler_;
    QPushButton *fermer_;
};

} // namespace orvanta
