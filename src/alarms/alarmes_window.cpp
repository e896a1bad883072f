#include "alarms/alarmes_window.h"

#include "platform/window_style.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QCheckBox *checkBox(const QString &caption, const QString &name, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QSpinBox *spinBox(int highest, const QString &suffix, const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, highest);
    box->setSuffix(suffix);
    return box;
}

// The rule's boxes in a grid, named prefix_Active, prefix_Minutes...
AlarmRuleBoxes ruleBoxes(QGridLayout &grid, int line, const QString &prefix, QWidget *parent)
{
    AlarmRuleBoxes boxes{
        checkBox(QCoreApplication::translate("orvanta::AlarmesWindow", "Alarme avant l'acquisition (AOS)"),
                 prefix + QStringLiteral("_Active"), parent),
        spinBox(AlarmRule::kLongestLeadMinutes, QStringLiteral(" min"), prefix + QStringLiteral("_Minutes"), parent),
        checkBox(QCoreApplication::translate("orvanta::AlarmesWindow", "Seulement si le site max atteint"),
                 prefix + QStringLiteral("_Site_Min_Actif"), parent),
        spinBox(90, QStringLiteral("°"), prefix + QStringLiteral("_Site_Min"), parent),
        checkBox(QCoreApplication::translate("orvanta::AlarmesWindow", "Alarme aussi à la perte du signal (LOS)"),
                 prefix + QStringLiteral("_LOS"), parent)};
    grid.addWidget(boxes.enabled, line, 0, 1, 2);
    grid.addWidget(new QLabel(QCoreApplication::translate("orvanta::AlarmesWindow", "Minutes avant AOS"), parent),
                   line + 1, 0);
    grid.addWidget(boxes.minutes, line + 1, 1);
    grid.addWidget(boxes.elevationLimited, line + 2, 0);
    grid.addWidget(boxes.elevation, line + 2, 1);
    grid.addWidget(boxes.atLos, line + 3, 0, 1, 2);
    QObject::connect(boxes.elevationLimited, &QCheckBox::toggled, boxes.elevation, [boxes] {
        boxes.elevation->setEnabled(boxes.elevationLimited->isChecked() && boxes.elevationLimited->isEnabled());
    });
    return boxes;
}

} // namespace

void AlarmRuleBoxes::show(const AlarmRule &rule)
{
    enabled->setChecked(rule.enabled);
    minutes->setValue(rule.minutesBeforeAos);
    elevationLimited->setChecked(rule.minimumMaxElevationDeg.has_value());
    elevation->setValue(int(rule.minimumMaxElevationDeg.value_or(0)));
    atLos->setChecked(rule.atLos);
}

AlarmRule AlarmRuleBoxes::rule() const
{
    AlarmRule rule;
    rule.enabled = enabled->isChecked();
    rule.minutesBeforeAos = minutes->value();
    if (elevationLimited->isChecked())
        rule.minimumMaxElevationDeg = double(elevation->value());
    rule.atLos = atLos->isChecked();
    return rule;
}

AlarmesWindow::AlarmesWindow(AlarmEditor &editor, QString stationFolder,
                             std::function<std::vector<AlarmSatellite>()> satellites, QWidget *parent)
    : QWidget(parent, Qt::Window), editor_(editor), folder_(std::move(stationFolder)),
      satellites_(std::move(satellites))
{
    setObjectName(QStringLiteral("Alarmes"));
    setWindowTitle(tr("Alarmes de passage"));

    auto *every = new QGroupBox(tr("Tous les satellites sélectionnés"), this);
    auto *everyGrid = new QGridLayout(every);
    every_ = ruleBoxes(*everyGrid, 0, QStringLiteral("Alarme"), every);
    chime_ = checkBox(tr("Jouer le son Alarme_Sat.wav"), QStringLiteral("Alarme_Son"), every);
    everyGrid->addWidget(chime_, 4, 0, 1, 2);
    stationHorizon_ = checkBox(tr("AOS et LOS au-dessus de l'horizon de la station (Horizon.cfg)"),
                               QStringLiteral("Alarme_Horizon"), every);
    everyGrid->addWidget(stationHorizon_, 6, 0, 1, 2);
    everyGrid->addWidget(new QLabel(tr("Commande"), every), 5, 0);
    command_ = new QLineEdit(every);
    command_->setObjectName(QStringLiteral("Alarme_Commande"));
    command_->setMinimumWidth(command_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    command_->setPlaceholderText(tr("programme arguments"));
    command_->setToolTip(
        tr("Lancée sans shell à chaque alarme, dans le dossier de la station. Elle trouve le passage dans son "
           "environnement : ORVANTA_EVENT (AOS ou LOS), ORVANTA_NORAD, ORVANTA_NAME, ORVANTA_AOS, ORVANTA_LOS "
           "(ISO 8601, TU), ORVANTA_MAX_ELEVATION, ORVANTA_AOS_AZIMUTH (degrés)."));
    everyGrid->addWidget(command_, 5, 1);

    auto *own = new QGroupBox(tr("Par satellite"), this);
    auto *ownGrid = new QGridLayout(own);
    satellite_ = new QComboBox(own);
    satellite_->setObjectName(QStringLiteral("Alarme_Satellite"));
    ownGrid->addWidget(satellite_, 0, 0, 1, 2);
    hasOwn_ = checkBox(tr("Règle propre à ce satellite"), QStringLiteral("Alarme_Regle_Propre"), own);
    ownGrid->addWidget(hasOwn_, 1, 0, 1, 2);
    own_ = ruleBoxes(*ownGrid, 2, QStringLiteral("Satellite"), own);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(every);
    layout->addWidget(own);

    connect(satellite_, &QComboBox::currentIndexChanged, this, [this] {
        keepSatelliteRule();
        showSatelliteRule();
    });
    connect(hasOwn_, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget *box : {static_cast<QWidget *>(own_.enabled), static_cast<QWidget *>(own_.minutes),
                             static_cast<QWidget *>(own_.elevationLimited), static_cast<QWidget *>(own_.atLos)})
            box->setEnabled(on);
        own_.elevation->setEnabled(on && own_.elevationLimited->isChecked());
    });
}

void AlarmesWindow::ouvrir()
{
    editor_.open();
    const AlarmSettings &settings = editor_.edited();
    every_.show(settings.everySatellite);
    every_.elevation->setEnabled(every_.elevationLimited->isChecked());
    chime_->setChecked(settings.chime);
    stationHorizon_->setChecked(settings.atStationHorizon);
    command_->setText(settings.command);
    shownSatellite_ = 0;
    {
        const QSignalBlocker quiet(satellite_);
        satellite_->clear();
        for (const AlarmSatellite &satellite : satellites_ ? satellites_() : std::vector<AlarmSatellite>())
            satellite_->addItem(QStringLiteral("%1 (%2)").arg(satellite.name).arg(satellite.catalogNumber),
                                QVariant::fromValue(qlonglong(satellite.catalogNumber)));
    }
    showSatelliteRule();
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void AlarmesWindow::keepSatelliteRule()
{
    if (shownSatellite_ != 0)
        editor_.setOwnRule(shownSatellite_, hasOwn_->isChecked() ? std::optional(own_.rule()) : std::nullopt);
}

void AlarmesWindow::showSatelliteRule()
{
    shownSatellite_ = satellite_->currentIndex() < 0 ? 0 : long(satellite_->currentData().toLongLong());
    const std::optional<AlarmRule> rule = shownSatellite_ ? editor_.ownRule(shownSatellite_) : std::nullopt;
    hasOwn_->setChecked(rule.has_value());
    hasOwn_->setEnabled(shownSatellite_ != 0);
    own_.show(rule.value_or(every_.rule()));
    emit hasOwn_->toggled(hasOwn_->isChecked());
}

void AlarmesWindow::closeEvent(QCloseEvent *event)
{
    keepSatelliteRule();
    AlarmSettings &settings = editor_.edited();
    settings.everySatellite = every_.rule();
    settings.chime = chime_->isChecked();
    settings.atStationHorizon = stationHorizon_->isChecked();
    settings.command = command_->text();
    if (editor_.close(folder_))
        event->accept();
    else
        event->ignore();
}

void AlarmesWindow::keyPressEvent(QKeyEvent *event)
{
    if (!closeOnEscapeOrReturn(*this, *event))
        QWidget::keyPressEvent(event);
}

} // namespace orvanta
