#include "data/horizon_window.h"

#include "data/horizon_file.h"
#include "data/station_file.h"
#include "platform/window_style.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace orvanta {

HorizonWindow::HorizonWindow(QString stationFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), folder_(std::move(stationFolder))
{
    setObjectName(QStringLiteral("Horizon"));
    setWindowTitle(QCoreApplication::translate("Horizon", "Horizon de la station"));
    auto *help = new QLabel(
        QCoreApplication::translate("Horizon", "Un point par ligne : azimut et site minimum en degrés, séparés par des "
                                               "blancs, une tabulation ou un point-virgule ; « # » commence un "
                                               "commentaire. Entre deux points le site minimum varie linéairement ; "
                                               "une seule ligne vaut pour tous les azimuts."),
        this);
    help->setWordWrap(true);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Texte_Horizon"));
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("Problemes_Horizon"));
    problems_->setWordWrap(true);
    auto *save = new QPushButton(QCoreApplication::translate("Horizon", "Enregistrer"), this);
    save->setObjectName(QStringLiteral("Enregistrer_Horizon"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(text_);
    layout->addWidget(problems_);
    layout->addWidget(save);
    resize(420, 380);
    connect(text_, &QPlainTextEdit::textChanged, this, &HorizonWindow::check);
    connect(save, &QPushButton::clicked, this, &HorizonWindow::save);
}

void HorizonWindow::ouvrir()
{
    const StationFile file = readStationFile(stationFilePath(folder_, horizonFileName));
    text_->setPlainText(file.text);
    check();
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void HorizonWindow::check()
{
    problems_->setText(parseHorizon(text_->toPlainText()).problems.join(u'\n'));
}

void HorizonWindow::save()
{
    QStringList lines = text_->toPlainText().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    QString error;
    if (!writeStationFile(stationFilePath(folder_, horizonFileName), lines, &error)) {
        problems_->setText(
            QCoreApplication::translate("Horizon", "%1 non enregistré : %2").arg(horizonFileName, error));
        return;
    }
    emit saved();
}

} // namespace orvanta
