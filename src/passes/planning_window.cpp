#include "passes/planning_window.h"

#include "orbit/utc_time.h"
#include "passes/pass_planner.h"
#include "platform/message_boxes.h"
#include "platform/text_numbers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvanta {

namespace {

// The first entry of the satellite filter.
QString allSatellites()
{
    return QCoreApplication::translate("orvanta::PlanningWindow", "Tous");
}

// A cell shown as text and sorted by a number (instants, degrees, seconds),
// so the order never depends on the text or on the locale.
class SortedItem final : public QTableWidgetItem {
public:
    SortedItem(const QString &text, double key) : QTableWidgetItem(text), key_(key)
    {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        if (const auto *sorted = dynamic_cast<const SortedItem *>(&other))
            return key_ < sorted->key_;
        return QTableWidgetItem::operator<(other);
    }

private:
    double key_;
};

QString utcText(const orbit::JulianDate &instant)
{
    const orbit::CalendarInstant c = orbit::calendarFromWholeSeconds(orbit::wholeSecondsFromJulian(instant));
    const auto two = [](int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); };
    return two(c.day) + QLatin1Char('/') + two(c.month) + QLatin1Char(' ') + two(c.hour) + QLatin1Char(':') +
           two(c.minute) + QLatin1Char(':') + two(int(c.second));
}

double minutesOf(const orbit::JulianDate &instant)
{
    return (instant.day - 2451545.0 + instant.fraction) * orbit::JulianDate::kMinutesPerDay;
}

QString sunText(const orbit::ScheduledPass &pass)
{
    if (pass.visibleToTheEye())
        return QCoreApplication::translate("orvanta::PlanningWindow", "oui, visible");
    return pass.sunlit ? QCoreApplication::translate("orvanta::PlanningWindow", "oui")
                       : QCoreApplication::translate("orvanta::PlanningWindow", "non");
}

// When the pass clears the station's own horizon and sets behind it; a
// dash without a horizon of its own, AOS and LOS saying it all.
QString horizonText(const orbit::ScheduledPass &pass)
{
    if (!pass.horizonChecked)
        return QStringLiteral("-");
    if (!pass.inSight)
        return QCoreApplication::translate("orvanta::PlanningWindow", "caché");
    return QCoreApplication::translate("orvanta::PlanningWindow", "%1 à %2")
        .arg(utcText(pass.inSight->clears).mid(6), utcText(pass.inSight->sets).mid(6));
}

QString elementsText(const orbit::ScheduledPass &pass)
{
    return QStringLiteral("%1 j (± %2 s)")
        .arg(formatFixed(pass.elementAgeDays, 1),
             formatFixed(pass.aosUncertaintySeconds, pass.aosUncertaintySeconds < 10 ? 1 : 0));
}

} // namespace

PlanningWindow::PlanningWindow(PassPlanner &planner, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), planner_(planner), messages_(messages), days_(new QSpinBox(this)),
      minimum_(new QSpinBox(this)), satellite_(new QComboBox(this)), table_(new QTableWidget(this)),
      state_(new QLabel(this))
{
    setObjectName(QStringLiteral("Planning_Passages"));
    setWindowTitle(tr("Planning des passages"));

    days_->setObjectName(QStringLiteral("Planning_Jours"));
    days_->setRange(1, PassPlanner::kMostDays);
    days_->setValue(2);
    days_->setSuffix(tr(" j"));
    minimum_->setObjectName(QStringLiteral("Planning_Site_Min"));
    minimum_->setRange(0, 90);
    minimum_->setSuffix(QStringLiteral("°"));
    satellite_->setObjectName(QStringLiteral("Planning_Satellite"));
    satellite_->addItem(allSatellites());
    state_->setObjectName(QStringLiteral("Planning_Etat"));

    table_->setObjectName(QStringLiteral("Planning_Table"));
    table_->setColumnCount(10);
    table_->setHorizontalHeaderLabels({tr("Satellite"), tr("AOS (UTC)"),
                                       tr("LOS (UTC)"), tr("Site max"),
                                       tr("Az AOS"), tr("Az LOS"), tr("Durée"),
                                       tr("Éclairé"), tr("Au-dessus de l'horizon (UTC)"),
                                       tr("Éléments")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto *refresh = new QPushButton(tr("Actualiser"), this);
    refresh->setObjectName(QStringLiteral("Planning_Actualiser"));
    auto *ics = new QPushButton(tr("Exporter .ics"), this);
    ics->setObjectName(QStringLiteral("Planning_Export_ICS"));
    auto *csv = new QPushButton(tr("Exporter .csv"), this);
    csv->setObjectName(QStringLiteral("Planning_Export_CSV"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Jours"), this));
    filters->addWidget(days_);
    filters->addWidget(new QLabel(tr("Site max au moins"), this));
    filters->addWidget(minimum_);
    filters->addWidget(new QLabel(QStringLiteral("Satellite"), this));
    filters->addWidget(satellite_, 1);
    filters->addWidget(refresh);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(state_, 1);
    buttons->addWidget(ics);
    buttons->addWidget(csv);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(1040, 480);

    askPath = [this](const QString &title, const QString &filter) {
        return QFileDialog::getSaveFileName(this, title, QString(), filter);
    };
    connect(refresh, &QPushButton::clicked, this, [this] { ouvrir(); });
    connect(days_, &QSpinBox::valueChanged, this, [this] { ouvrir(); });
    connect(minimum_, &QSpinBox::valueChanged, this, [this] { showRows(); });
    connect(satellite_, &QComboBox::currentTextChanged, this, [this] { showRows(); });
    connect(ics, &QPushButton::clicked, this, [this] { exportTo(true); });
    connect(csv, &QPushButton::clicked, this, [this] { exportTo(false); });
    connect(&planner_, &PassPlanner::computed, this, &PlanningWindow::computed);
}

void PlanningWindow::ouvrir()
{
    show();
    raise();
    state_->setText(tr("Calcul des passages..."));
    planner_.compute(days_->value());
}

void PlanningWindow::computed()
{
    // The satellites of the selection the schedule was made for.
    const QString chosen = satellite_->currentText();
    const QSignalBlocker quiet(satellite_);
    satellite_->clear();
    satellite_->addItem(allSatellites());
    satellite_->addItems(planner_.names());
    satellite_->setCurrentIndex(std::max(0, satellite_->findText(chosen)));
    showRows();
}

void PlanningWindow::showRows()
{
    planner_.setMinimumMaxElevation(minimum_->value());
    planner_.setSatellite(satellite_->currentIndex() > 0 ? satellite_->currentText() : QString());
    const std::vector<orbit::ScheduledPass> rows = planner_.rows();
    table_->setSortingEnabled(false);
    table_->clearContents();
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const orbit::ScheduledPass &pass = rows[std::size_t(r)];
        table_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(pass.name)));
        table_->setItem(r, 1, new SortedItem(utcText(pass.aos), minutesOf(pass.aos)));
        table_->setItem(r, 2, new SortedItem(utcText(pass.los), minutesOf(pass.los)));
        table_->setItem(r, 3, new SortedItem(formatFixed(pass.maxElevationDeg, 1) + QStringLiteral("°"),
                                             pass.maxElevationDeg));
        table_->setItem(r, 4, new SortedItem(formatFixed(pass.aosAzimuthDeg, 0) + QStringLiteral("°"),
                                             pass.aosAzimuthDeg));
        table_->setItem(r, 5, new SortedItem(formatFixed(pass.losAzimuthDeg, 0) + QStringLiteral("°"),
                                             pass.losAzimuthDeg));
        const int seconds = int(pass.durationSeconds + 0.5);
        table_->setItem(r, 6, new SortedItem(QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10,
                                                                                                 QLatin1Char('0')),
                                             pass.durationSeconds));
        table_->setItem(r, 7, new QTableWidgetItem(sunText(pass)));
        table_->setItem(r, 8, new QTableWidgetItem(horizonText(pass)));
        table_->setItem(r, 9, new SortedItem(elementsText(pass), pass.aosUncertaintySeconds));
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    state_->setText(planner_.computing() ? tr("Calcul des passages...") : tr("%1 passages").arg(rows.size()));
}

void PlanningWindow::exportTo(bool calendar)
{
    const QString path = askPath(calendar ? tr("Exporter le planning (iCalendar)") : tr("Exporter le planning (CSV)"),
                                 calendar ? tr("Calendrier (*.ics)") : QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    const bool written = calendar ? planner_.exportIcs(path, &error) : planner_.exportCsv(path, &error);
    if (!written)
        messages_.information(tr("Le planning n'a pas pu etre ecrit dans %1 : %2").arg(path, error));
}

void addPlanningMenu(QMainWindow &main, QAction *before, PlanningWindow &planning)
{
    auto *menu = new QMenu(QCoreApplication::translate("orvanta::PlanningWindow", "&Passages"), &main);
    menu->setObjectName(QStringLiteral("Mnu_Passages"));
    if (before)
        main.menuBar()->insertMenu(before, menu);
    else
        main.menuBar()->addMenu(menu);
    QAction *open = menu->addAction(QCoreApplication::translate("orvanta::PlanningWindow", "Planning des passages"));
    open->setObjectName(QStringLiteral("Mnu_Planning"));
    QObject::connect(open, &QAction::triggered, &planning, &PlanningWindow::ouvrir);
}

} // namespace orvanta
