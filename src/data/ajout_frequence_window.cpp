#include "data/ajout_frequence_window.h"

#include "platform/message_boxes.h"
#include "platform/tracking_timer.h"
#include "platform/window_style.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

namespace orvanta {

namespace {

const std::array<const char *, 4> kindCaptions = {
    QT_TRANSLATE_NOOP("orvanta::AjoutFrequenceWindow", "Satellite Meteorologique"),
    QT_TRANSLATE_NOOP("orvanta::AjoutFrequenceWindow", "Satellite Amateurs FM Phonie"),
    QT_TRANSLATE_NOOP("orvanta::AjoutFrequenceWindow", "Satellite Amateurs SSB Phonie"),
    QT_TRANSLATE_NOOP("orvanta::AjoutFrequenceWindow", "Satellite Amateurs SSB Packet"),
};

// Letters a to z typed or pasted into the frequency become capitals; the
// box takes everything else as it comes.
class CapitalLetters final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - 32);
        return Acceptable;
    }
};

} // namespace

AjoutFrequenceWindow::AjoutFrequenceWindow(const QString &folder, TrackingTimer &timer, MessageBoxes &messages,
                                 FrequencyFileReport &report, QWidget *parent)
    : QWidget(parent, Qt::Window), addition_(folder, messages, report), timer_(timer), messages_(messages)
{
    setObjectName(QStringLiteral("Ajout_Frequence"));
    setWindowTitle(tr("Ajout Frequence"));

    nom_ = new QLineEdit(this);
    nom_->setObjectName(QStringLiteral("Nom_Sat"));
    nom_->setEnabled(false);
    styleEntryBox(*nom_);
    frequence_ = new QLineEdit(this);
    frequence_->setObjectName(QStringLiteral("F_Sat"));
    frequence_->setValidator(new CapitalLetters(frequence_));
    styleEntryBox(*frequence_);

    auto *frame = new QGroupBox(tr("Nouveau Sat"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    kindGroup_ = new QButtonGroup(frame);
    auto *frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 4; ++i) {
        kinds_[i] = new QRadioButton(tr(kindCaptions[i]), frame);
        kinds_[i]->setObjectName(QStringLiteral("Sel_Mode_%1").arg(i + 1));
        kindGroup_->addButton(kinds_[i], i + 1);
        frameLayout->addWidget(kinds_[i]);
    }
    kinds_[0]->setChecked(true);

    enregistrement_ = new QPushButton(tr("Enregistrer"), this);
    enregistrement_->setObjectName(QStringLiteral("Enregistrement"));
    enregistrement_->setEnabled(false);
    // Enter on the button presses it, as in a dialog; a plain window's
    // button would otherwise take only the space bar.
    enregistrement_->setAutoDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Satellite"), this));
    layout->addWidget(nom_);
    layout->addWidget(new QLabel(tr("Frequence (MHz)"), this));
    layout->addWidget(frequence_);
    layout->addWidget(frame);
    layout->addWidget(enregistrement_);

    // The box is single-line, so Enter never puts a line break into the
    // frequency; it only opens the way to the button.
    connect(frequence_, &QLineEdit::returnPressed, this, [this] {
        enregistrement_->setEnabled(true);
        enregistrement_->setFocus();
    });
    connect(enregistrement_, &QPushButton::clicked, this, &AjoutFrequenceWindow::enregistrementClicked);
    centreOnScreen(*this);
}

NewSatellite AjoutFrequenceWindow::proposeFor(const QString &name)
{
    const NewSatellite state = addition_.prepare(name);
    if (state != NewSatellite::Missing)
        return state;
    nom_->setText(name);
    frequence_->clear();
    enregistrement_->setEnabled(false);
    if (!isVisible())
        timer_.stop();
    show();
    raise();
    activateWindow();
    frequence_->setFocus();
    return state;
}

void AjoutFrequenceWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    messages_.information(tr("Utilisez la touche Enregistrement"));
}

void AjoutFrequenceWindow::enregistrementClicked()
{
    if (addition_.save(nom_->text(), frequence_->text(), kindGroup_->checkedId())
        == FrequencyAddition::Outcome::Refused)
        return;
    enregistrement_->setEnabled(false);
    timer_.start();
    hide();
}

} // namespace orvanta
