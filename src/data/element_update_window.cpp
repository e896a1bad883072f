#include "data/element_update_window.h"

#include "data/element_update.h"
#include "platform/window_style.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta {

ElementUpdateWindow::ElementUpdateWindow(const QString &folder, QWidget *parent, DownloadLimits limits)
    : QWidget(parent, Qt::Window), folder_(folder), downloader_(limits)
{
    setObjectName(QStringLiteral("Mise_A_Jour_Elements"));
    setWindowTitle(tr("Mise a jour des elements"));

    auto *heading =
        new QLabel(tr("Un fichier n'est remplacé que si le fichier téléchargé est un fichier d'éléments complet "
                      "(pour Transpondeurs.json, une liste d'émetteurs SatNOGS DB complète) ; "
                      "sinon l'ancien est gardé tel quel."),
                   this);
    heading->setWordWrap(true);
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("Problemes"));
    problems_->setWordWrap(true);
    problems_->hide();
    rowsBox_ = new QWidget(this);
    new QGridLayout(rowsBox_);

    annuler_ = new QPushButton(tr("Annuler"), this);
    annuler_->setObjectName(QStringLiteral("Annuler"));
    annuler_->setEnabled(false);
    fermer_ = new QPushButton(tr("Fermer"), this);
    fermer_->setObjectName(QStringLiteral("Fermer"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(annuler_);
    buttons->addWidget(fermer_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(problems_);
    layout->addWidget(rowsBox_);
    layout->addStretch();
    layout->addLayout(buttons);
    // Wide enough for a result line such as "page HTML reçue..." to wrap
    // into a few lines rather than a narrow column.
    setMinimumWidth(560);
    centreOnScreen(*this);

    connect(annuler_, &QPushButton::clicked, &downloader_, &ElementDownloader::cancel);
    connect(fermer_, &QPushButton::clicked, this, &QWidget::close);
    connect(&downloader_, &ElementDownloader::fileStarted, this,
            [this](int job) { rows_[job].result->setText(tr("téléchargement…")); });
    connect(&downloader_, &ElementDownloader::progress, this, &ElementUpdateWindow::showProgress);
    connect(&downloader_, &ElementDownloader::fileFinished, this, &ElementUpdateWindow::showResult);
    connect(&downloader_, &ElementDownloader::finished, this, &ElementUpdateWindow::runFinished);
}

bool ElementUpdateWindow::start()
{
    if (downloader_.isRunning())
        return true;
    const ElementUpdatePlan plan = planElementUpdate(folder_);
    problems_->setText(plan.problems.join(u'\n'));
    problems_->setVisible(!plan.problems.isEmpty());

    auto *grid = static_cast<QGridLayout *>(rowsBox_->layout());
    for (const Row &row : std::as_const(rows_)) {
        delete row.name;
        delete row.bar;
        delete row.result;
    }
    rows_.clear();
    for (const ElementDownloadJob &job : plan.jobs) {
        const int number = int(rows_.size()) + 1;
        Row row{new QLabel(job.fileName, rowsBox_), new QProgressBar(rowsBox_), new QLabel(rowsBox_)};
        row.name->setObjectName(QStringLiteral("Fichier_%1").arg(number));
        row.bar->setObjectName(QStringLiteral("Progression_%1").arg(number));
        row.bar->setRange(0, 100);
        row.bar->setValue(0);
        row.result->setObjectName(QStringLiteral("Resultat_%1").arg(number));
        row.result->setWordWrap(true);
        row.result->setText(tr("en attente"));
        grid->addWidget(row.name, 2 * number - 2, 0);
        grid->addWidget(row.bar, 2 * number - 2, 1);
        grid->addWidget(row.result, 2 * number - 1, 0, 1, 2);
        rows_ << row;
    }
    growToShowEverything();
    if (plan.jobs.isEmpty())
        return false;
    annuler_->setEnabled(true);
    downloader_.start(plan.jobs);
    return true;
}

void ElementUpdateWindow::showProgress(int job, qint64 received, qint64 total)
{
    QProgressBar *bar = rows_[job].bar;
    if (total <= 0) {
        bar->setRange(0, 0); // size unknown: a busy bar
        return;
    }
    bar->setRange(0, 1000);
    bar->setValue(int(std::min<qint64>(1000, received * 1000 / total)));
}

void ElementUpdateWindow::showResult(int job, const ElementFileResult &result)
{
    const Row &row = rows_[job];
    row.bar->setRange(0, 1000);
    row.bar->setValue(result.replaced() ? 1000 : 0);
    row.result->setText(result.message);
    growToShowEverything();
}

void ElementUpdateWindow::growToShowEverything()
{
    layout()->activate();
    const int needed = hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height();
    const QScreen *screen = this->screen();
    const int room = screen ? screen->availableGeometry().height() : needed;
    if (height() < needed)
        resize(width(), std::min(needed, room));
}

void ElementUpdateWindow::runFinished()
{
    annuler_->setEnabled(false);
    emit finished(replacedFiles(downloader_.results()));
}

void ElementUpdateWindow::closeEvent(QCloseEvent *event)
{
    downloader_.cancel();
    event->accept();
}

} // namespace orvanta
