#include "data/frequences_sat_window.h"

#include "platform/tracking_timer.h"
#include "platform/window_style.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

const std::array<const char *, 4> modeCaptions = {
    QT_TRANSLATE_NOOP("orvanta::FrequencesSatWindow", "AM     BW 30 Khz  Mode A"),
    QT_TRANSLATE_NOOP("orvanta::FrequencesSatWindow", "FM     BW 15 KHz  Mode B"),
    QT_TRANSLATE_NOOP("orvanta::FrequencesSatWindow", "BLU   BW 15 KHz  Mode C"),
    QT_TRANSLATE_NOOP("orvanta::FrequencesSatWindow", "BLU   BW   6 KHz  Mode D"),
};

QFont fixedPitchFont()
{
    QFont font(QStringLiteral("Terminal"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

FrequencesSatWindow::FrequencesSatWindow(const QString &folder, TrackingTimer &timer, MessageBoxes &messages,
                               FrequencyFileReport &report, QWidget *parent)
    : QWidget(parent, Qt::Window), editor_(folder, messages, report), timer_(timer)
{
    setObjectName(QStringLiteral("Frequences_Sat"));
    setWindowTitle(tr("Parametres Satellites"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(fixedPitchFont());
    list_->setToolTip(tr("Clickez sur un satellite pour l'editer"));

    auto *frame = new QGroupBox(tr("Modification"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    nom_ = new QLineEdit(frame);
    nom_->setObjectName(QStringLiteral("NomDuSat"));
    styleEntryBox(*nom_);
    frequence_ = new QLineEdit(frame);
    frequence_->setObjectName(QStringLiteral("FreqDuSat"));
    styleEntryBox(*frequence_);
    modeGroup_ = new QButtonGroup(frame);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(new QLabel(tr("Satellite"), frame));
    frameLayout->addWidget(nom_);
    frameLayout->addWidget(new QLabel(tr("Frequence"), frame));
    frameLayout->addWidget(frequence_);
    for (int i = 0; i < 4; ++i) {
        modes_[i] = new QRadioButton(tr(modeCaptions[i]), frame);
        modes_[i]->setObjectName(QStringLiteral("ModeDuSat_%1").arg(i + 1));
        modeGroup_->addButton(modes_[i], i + 1);
        frameLayout->addWidget(modes_[i]);
    }

    enregistrer_ = new QPushButton(tr("Enregistrer"), this);
    enregistrer_->setObjectName(QStringLiteral("Enregistrer"));

    auto *right = new QVBoxLayout;
    right->addWidget(frame);
    right->addWidget(enregistrer_);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(right);

    // A click shows the record again even when its row is already current,
    // dropping an unsaved edit of it, as it always has.
    connect(list_, &QListWidget::currentRowChanged, this, &FrequencesSatWindow::listClicked);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { listClicked(list_->row(item)); });
    connect(enregistrer_, &QPushButton::clicked, this, &FrequencesSatWindow::enregistrerClicked);
}

void FrequencesSatWindow::ouvrir()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    timer_.stop();
    const QStringList items = editor_.open();
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
        list_->addItems(items);
        list_->setCurrentRow(-1);
    }
    showRecord(editor_.current());
    // A file read only in part cannot be written back without losing records.
    enregistrer_->setEnabled(editor_.canSave());
    enregistrer_->setToolTip(editor_.canSave() ? QString()
                                               : tr("Frequences.cfg est endommage : corrigez-le "
                                                    "avant d'enregistrer"));
    centreOnScreen(*this);
    show();
}

void FrequencesSatWindow::closeEvent(QCloseEvent *event)
{
    timer_.start();
    event->accept();
}

void FrequencesSatWindow::showRecord(const ShownRecord &record)
{
    nom_->setText(record.name);
    frequence_->setText(record.frequency);
    if (record.option != 0)
        modes_[record.option - 1]->setChecked(true);
}

void FrequencesSatWindow::listClicked(int row)
{
    if (row < 0)
        return;
    editor_.select(row);
    showRecord(editor_.current());
}

void FrequencesSatWindow::enregistrerClicked()
{
    if (editor_.save(nom_->text(), frequence_->text(), modeGroup_->checkedId()))
        close();
}

} // namespace orvanta
