#include "transponder/transponder_window.h"

#include "platform/text_numbers.h"
#include "platform/window_style.h"

#include <QCoreApplication>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace orvanta {

namespace {

constexpr int kSaveDelayMs = 2000;
constexpr int kMaxOffsetHz = 100000;

QString megahertz(double hertz)
{
    return formatFixed(hertz / 1e6, 5) + QStringLiteral(" MHz");
}

QString shift(double hertz)
{
    const QString text = formatFixed(hertz, 0);
    return (hertz >= 0.5 ? QStringLiteral("+") : QString()) + text + QStringLiteral(" Hz");
}

QLabel *valueLabel(const char *name)
{
    auto *label = new QLabel(QStringLiteral("-"));
    label->setObjectName(QLatin1String(name));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000.00000 MHz")));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QSpinBox *offsetBox(const char *name)
{
    auto *box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(-kMaxOffsetHz, kMaxOffsetHz);
    box->setSuffix(QStringLiteral(" Hz"));
    box->setSingleStep(10);
    return box;
}

} // namespace

TranspondeurWindow::TranspondeurWindow(TransponderTuning &tuning, RangeRate rangeRate, QWidget *parent)
    : QWidget(parent, Qt::Window), tuning_(tuning), rangeRate_(std::move(rangeRate))
{
    setObjectName(QStringLiteral("Transpondeur"));
    setWindowTitle(tr("Transpondeurs"));

    satellite_ = new QLabel;
    satellite_->setObjectName(QStringLiteral("Transpondeur_Satellite"));
    // The table's lines left out, where the operator looks for the missing entry.
    problems_ = new QLabel;
    problems_->setObjectName(QStringLiteral("Transpondeur_Problemes"));
    problems_->setWordWrap(true);
    problems_->setStyleSheet(QStringLiteral("color: #b00000"));
    problems_->hide();
    choice_ = new QComboBox;
    choice_->setObjectName(QStringLiteral("Transpondeur_Choix"));
    choice_->setFocusPolicy(Qt::ClickFocus);

    auto *values = new QFormLayout;
    const std::pair<const char *, const char *> rows[] = {
        {QT_TR_NOOP("Descente au satellite"), "Descente_Satellite"},
        {QT_TR_NOOP("Montée au satellite"), "Montee_Satellite"},
        {QT_TR_NOOP("Descente à la radio"), "Descente_Radio"},
        {QT_TR_NOOP("Montée à la radio"), "Montee_Radio"},
        {QT_TR_NOOP("Doppler descente"), "Doppler_Descente"},
        {QT_TR_NOOP("Doppler montée"), "Doppler_Montee"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        values->addRow(tr(rows[i].first), values_[i] = valueLabel(rows[i].second));

    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("Transpondeur_Curseur"));
    typedDownlink_ = new QLineEdit;
    typedDownlink_->setObjectName(QStringLiteral("Transpondeur_Frequence"));
    typedDownlink_->setPlaceholderText(QCoreApplication::translate("Transponders", "Descente au satellite (MHz)"));
    typedDownlink_->setFocusPolicy(Qt::ClickFocus);

    auto *steps = new QHBoxLayout;
    auto *stepGroup = steps_ = new QButtonGroup(this);
    for (const int step : TransponderTuning::kSteps) {
        auto *button = new QRadioButton(step < 1000 ? QStringLiteral("%1 Hz").arg(step) : QStringLiteral("1 kHz"));
        button->setObjectName(QStringLiteral("Pas_%1").arg(step));
        button->setFocusPolicy(Qt::ClickFocus);
        button->setChecked(step == tuning_.step());
        stepGroup->addButton(button, step);
        steps->addWidget(button);
    }
    auto *centre = new QPushButton(tr("Centre"));
    centre->setObjectName(QStringLiteral("Centre"));
    centre->setFocusPolicy(Qt::ClickFocus);
    steps->addStretch();
    steps->addWidget(centre);

    downlinkOffset_ = offsetBox("Decalage_Descente");
    uplinkOffset_ = offsetBox("Decalage_Montee");
    auto *offsets = new QFormLayout;
    offsets->addRow(tr("Décalage descente"), downlinkOffset_);
    offsets->addRow(tr("Décalage montée"), uplinkOffset_);
    beacon_ = new QPushButton(QCoreApplication::translate("Transponders", "Caler sur la balise"));
    beacon_->setObjectName(QStringLiteral("Caler_Balise"));
    beacon_->setFocusPolicy(Qt::ClickFocus);
    beacon_->setToolTip(QCoreApplication::translate(
        "Transponders", "La radio accordée à l'oreille sur la balise : le décalage de descente "
                        "devient l'écart entre la balise et la radio"));
    offsets->addRow(QString(), beacon_);
    radio_ = new QLabel;
    radio_->setObjectName(QStringLiteral("Transpondeur_Etat_Radio"));

    auto *drives = new QCheckBox(tr("Piloter la radio en mode satellite (FT-847 ou Hamlib)"));
    drives->setObjectName(QStringLiteral("Transpondeur_Radio"));
    drives->setFocusPolicy(Qt::ClickFocus);
    connect(drives, &QCheckBox::toggled, this, [this](bool on) { tuning_.setDrivesRadio(on); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(satellite_);
    layout->addWidget(problems_);
    layout->addWidget(choice_);
    layout->addLayout(values);
    layout->addWidget(slider_);
    layout->addWidget(typedDownlink_);
    layout->addLayout(steps);
    layout->addLayout(offsets);
    layout->addWidget(drives);
    layout->addWidget(radio_);
    // The arrow keys and the wheel tune the passband whichever control has
    // the focus, unless the operator is typing in an offset.
    setFocusPolicy(Qt::StrongFocus);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_)
            return;
        tuning_.choose(index);
        showTuning();
    });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        if (showing_ || !tuning_.transponder())
            return;
        tuning_.setDownlink(tuning_.transponder()->downlinkLow + value);
        tuned();
    });
    connect(stepGroup, &QButtonGroup::idClicked, this, [this](int step) {
        tuning_.setStep(step);
        showTuning();
    });
    connect(centre, &QPushButton::clicked, this, [this] {
        tuning_.centre();
        tuned();
    });
    for (QSpinBox *box : {downlinkOffset_, uplinkOffset_})
        connect(box, &QSpinBox::editingFinished, this, [this] {
            tuning_.setOffsets({downlinkOffset_->value(), uplinkOffset_->value()});
            refresh();
        });

    connect(typedDownlink_, &QLineEdit::returnPressed, this, &TranspondeurWindow::typed);
    connect(typedDownlink_, &QLineEdit::textEdited, this, [this] {
        typedDownlink_->setStyleSheet(QString());
        typedDownlink_->setToolTip(QString());
    });
    connect(beacon_, &QPushButton::clicked, this, &TranspondeurWindow::calibrate);

    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &TranspondeurWindow::refresh);
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kSaveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, [this] { tuning_.remember(); });
    showTransponders();
}

// The controls are deleted after the panel and still signal as they go (an
// emptied list changes its index): by then the tuning may be gone.
TranspondeurWindow::~TranspondeurWindow()
{
    disconnect(choice_, nullptr, this, nullptr);
    disconnect(slider_, nullptr, this, nullptr);
}

void TranspondeurWindow::tableChanged()
{
    tuning_.reload();
    showTransponders();
}

void TranspondeurWindow::ouvrir()
{
    tableChanged();
    if (!isVisible() && parentWidget()) {
        // Beside the main window, whose readings stay in sight.
        if (!testAttribute(Qt::WA_Resized))
            adjustSize();
        placeBeside(*this, *parentWidget()->window());
    }
    show();
    raise();
    activateWindow();
    // Never in an offset, where the arrows would change the calibration.
    if (slider_->isEnabled())
        slider_->setFocus();
    else
        setFocus();
    refreshTimer_.start();
}

void TranspondeurWindow::follow(long catalogNumber, const QString &name)
{
    if (catalogNumber == tuning_.catalogNumber())
        return;
    saveTimer_.stop();
    tuning_.follow(catalogNumber, name);
    showTransponders();
}

void TranspondeurWindow::showTransponders()
{
    showing_ = true;
    if (tuning_.catalogNumber() == 0)
        satellite_->setText(tr("Aucun satellite suivi"));
    else if (tuning_.transponders().empty())
        satellite_->setText(tr("%1 : aucun transpondeur dans Transpondeurs.cfg").arg(tuning_.satelliteName()));
    else
        satellite_->setText(tuning_.satelliteName());
    problems_->setText(tuning_.tableProblems().join(QLatin1Char('\n')));
    problems_->setVisible(!tuning_.tableProblems().isEmpty());
    choice_->clear();
    for (const Transponder &t : tuning_.transponders())
        choice_->addItem(t.alive ? t.name : tr("%1 (inactif)").arg(t.name));
    choice_->setCurrentIndex(tuning_.chosen());
    showing_ = false;
    showTuning();
}

void TranspondeurWindow::showTuning()
{
    showing_ = true;
    const Transponder *t = tuning_.transponder();
    slider_->setEnabled(t && t->downlinkHigh > t->downlinkLow);
    slider_->setRange(0, t ? int(t->downlinkHigh - t->downlinkLow) : 0);
    slider_->setSingleStep(tuning_.step());
    slider_->setPageStep(10 * tuning_.step());
    slider_->setValue(t ? int(tuning_.downlink() - t->downlinkLow) : 0);
    choice_->setCurrentIndex(tuning_.chosen());
    downlinkOffset_->setValue(int(tuning_.offsets().downlink));
    uplinkOffset_->setValue(int(tuning_.offsets().uplink));
    showing_ = false;
    refresh();
}

void TranspondeurWindow::tuned()
{
    showTuning();
    saveTimer_.start();
}

// A refused frequency stays in the entry, marked, with the reason; nothing moves.
void TranspondeurWindow::typed()
{
    const QString refusal = tuning_.typeDownlink(typedDownlink_->text());
    if (!refusal.isEmpty()) {
        typedDownlink_->setStyleSheet(QStringLiteral("background: #ffd0d0"));
        typedDownlink_->setToolTip(QCoreApplication::translate("Transponders", "Refusée : ") + refusal);
        return;
    }
    typedDownlink_->clear();
    tuned();
}

void TranspondeurWindow::calibrate()
{
    const std::optional<double> dial = dial_ ? dial_() : std::nullopt;
    const std::optional<double> rate = rangeRate_ ? rangeRate_() : std::nullopt;
    if (!dial || !rate || !tuning_.calibrateOnBeacon(*dial, *rate))
        return;
    showing_ = true;
    downlinkOffset_->setValue(int(tuning_.offsets().downlink));
    showing_ = false;
    refresh();
}

void TranspondeurWindow::showRadio()
{
    const RadioState &state = tuning_.radioState();
    QStringList parts;
    if (state.uplinkVfo.isEmpty() && !state.uplinkRefused) {
        radio_->setText(QCoreApplication::translate("Transponders", "Radio : non pilotée"));
    } else {
        parts << (state.satelliteMode ? QCoreApplication::translate("Transponders", "mode satellite")
                                      : QCoreApplication::translate("Transponders", "sans mode satellite"));
        parts << (state.split ? QStringLiteral("split") : QCoreApplication::translate("Transponders", "sans split"));
        parts << (state.uplinkRefused ? QCoreApplication::translate("Transponders", "montée refusée, non envoyée")
                                      : QCoreApplication::translate("Transponders", "montée sur ") + state.uplinkVfo);
        radio_->setText(QCoreApplication::translate("Transponders", "Radio : ") + parts.join(QStringLiteral(", ")));
    }
    const bool calibrates = tuning_.beacon() && dial_ && dial_();
    beacon_->setEnabled(calibrates);
}

void TranspondeurWindow::refresh()
{
    tuning_.setRangeRate(rangeRate_ ? rangeRate_() : std::nullopt);
    const Transponder *t = tuning_.transponder();
    const std::optional<TwoLinks> links = tuning_.links();
    const QString none = QStringLiteral("-");
    const bool uplink = t && t->hasUplink();
    // In the order of the rows.
    const QString texts[] = {
        t ? megahertz(double(tuning_.downlink())) : none,
        uplink ? megahertz(double(uplinkForDownlink(*t, tuning_.downlink()))) : none,
        links ? megahertz(links->downlinkAtRadio) : none,
        !(links && uplink)        ? none
        : tuning_.uplinkRefused() ? tr("non envoyée")
                                  : megahertz(links->uplinkAtRadio),
        links ? shift(links->downlinkDoppler()) : none,
        links && uplink ? shift(links->uplinkDoppler()) : none,
    };
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(texts[i]);
    showRadio();
}

void TranspondeurWindow::chooseStep(int stepHz)
{
    if (QAbstractButton *button = steps_->button(stepHz))
        button->click();
}

void TranspondeurWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        tuning_.tune(1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        tuning_.tune(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    tuned();
}

void TranspondeurWindow::wheelEvent(QWheelEvent *event)
{
    constexpr int kNotch = 120;
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / kNotch;
    wheelAngle_ -= notches * kNotch;
    event->accept();
    if (notches == 0)
        return;
    tuneBy(notches);
}

void TranspondeurWindow::tuneBy(int steps)
{
    tuning_.tune(steps);
    tuned();
}

bool TranspondeurWindow::typingIn(QObject *watched) const
{
    QWidget *focus = focusWidget();
    const auto *widget = qobject_cast<QWidget *>(watched);
    return focus && widget && (qobject_cast<QAbstractSpinBox *>(focus) || qobject_cast<QLineEdit *>(focus)) &&
           (widget == focus || focus->isAncestorOf(widget));
}

// The wheel moves one step per notch, over the slider as anywhere else.
bool TranspondeurWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !typingIn(watched)) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            keyPressEvent(static_cast<QKeyEvent *>(event));
            return true;
        default:
            break;
        }
    }
    if (event->type() == QEvent::Wheel && !typingIn(watched)) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TranspondeurWindow::hideEvent(QHideEvent *event)
{
    refreshTimer_.stop();
    saveTimer_.stop();
    tuning_.remember();
    QWidget::hideEvent(event);
}

} // namespace orvanta
