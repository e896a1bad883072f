#include "passes/pass_details_window.h"

#include "passes/pass_mutual.h"
#include "passes/pass_precision.h"
#include "platform/text_numbers.h"
#include "sky/sky_view.h"
#include "tracking/rotor_guide.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QLabel *summaryLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

PassDetailsWindow::PassDetailsWindow(PassDetails details, PassTrackRef track, double minElevationDeg, QWidget *parent,
                                     const QString &rotorNote, const QString &precisionNote)
    : QWidget(parent, Qt::Window), details_(std::move(details)), sky_(new SkyView(this)),
      secondStationRow_(new QWidget(this))
{
    setObjectName(QStringLiteral("Details_Passage"));
    setWindowTitle(passTitle(details_.pass));

    SkyScene scene;
    scene.tracked = std::move(track);
    scene.minElevationDeg = minElevationDeg;
    scene.legend = false; // the pass is named in the line under the plot
    scene.infoLine =
        tr("%1  ·  site maximal %2°")
            .arg(QString::fromStdString(details_.pass.name), formatFixed(details_.pass.maxElevationDeg, 1));
    sky_->setScene(std::move(scene));

    auto *table = new QTableWidget(this);
    table->setObjectName(QStringLiteral("Details_Table"));
    fillTable(*table);

    auto *copy = new QPushButton(tr("Copier"), this);
    copy->setObjectName(QStringLiteral("Copier"));
    connect(copy, &QPushButton::clicked, this, &PassDetailsWindow::copyTable);
    follow_ = new QPushButton(tr("Suivre ce satellite"), this);
    follow_->hide();

    auto *summary = new QVBoxLayout;
    summary->addWidget(summaryLabel(QStringLiteral("Details_AOS"), acquisitionText(details_), this));
    summary->addWidget(summaryLabel(QStringLiteral("Details_Culmination"), culminationText(details_), this));
    summary->addWidget(summaryLabel(QStringLiteral("Details_LOS"), lossText(details_), this));
    summary->addWidget(
        summaryLabel(QStringLiteral("Details_Duree"), durationText(details_.pass.durationSeconds()), this));
    if (!rotorNote.isEmpty()) {
        QLabel *rotor = summaryLabel(QStringLiteral("Details_Rotor"), rotorNote, this);
        rotor->setWordWrap(true);
        summary->addWidget(rotor);
    }
    if (!precisionNote.isEmpty())
        summary->addWidget(summaryLabel(QStringLiteral("Details_Precision"), precisionNote, this));
    summary->addWidget(summaryLabel(QStringLiteral("Details_Locators"), subSatelliteLocatorsText(details_), this));

    auto *secondLayout = new QVBoxLayout(secondStationRow_);
    secondLayout->setContentsMargins(0, 0, 0, 0);
    auto *locatorLine = new QHBoxLayout;
    locatorLine->addWidget(new QLabel(tr("Seconde station (locator) :"), secondStationRow_));
    auto *locator = new QLineEdit(secondStationRow_);
    locator->setObjectName(QStringLiteral("Details_Locator2"));
    locator->setMaxLength(8);
    locatorLine->addWidget(locator);
    secondLayout->addLayout(locatorLine);
    auto *shared = summaryLabel(QStringLiteral("Details_Commun"), QString(), secondStationRow_);
    shared->setWordWrap(true);
    secondLayout->addWidget(shared);
    summary->addWidget(secondStationRow_);
    secondStationRow_->hide();
    connect(locator, &QLineEdit::editingFinished, this, [this, locator, shared] {
        if (secondStation_ && !locator->text().trimmed().isEmpty())
            shared->setText(secondStation_(locator->text()));
    });

    auto *right = new QVBoxLayout;
    right->addLayout(summary);
    right->addWidget(table, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(follow_);
    buttons->addWidget(copy);
    right->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(sky_, 4);
    layout->addLayout(right, 5);
    resize(900, 460);
}

void PassDetailsWindow::setSecondStation(std::function<QString(const QString &)> shared)
{
    secondStation_ = std::move(shared);
    secondStationRow_->setVisible(bool(secondStation_));
}

void PassDetailsWindow::offerFollow(std::function<void()> follow)
{
    connect(follow_, &QPushButton::clicked, this, std::move(follow));
    follow_->show();
}

void PassDetailsWindow::fillTable(QTableWidget &table) const
{
    const QStringList titles = detailColumnTitles();
    table.setColumnCount(int(titles.size()));
    table.setHorizontalHeaderLabels(titles);
    table.setRowCount(int(details_.rows.size()));
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.verticalHeader()->setVisible(false);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
    table.horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < int(details_.rows.size()); ++r) {
        const QStringList cells = detailRowCells(details_, details_.rows[std::size_t(r)]);
        for (int c = 0; c < int(cells.size()); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(r, c, item);
        }
    }
    table.resizeColumnsToContents();
}

void PassDetailsWindow::copyTable() const
{
    QApplication::clipboard()->setText(detailTableText(details_));
}

PassDetailsWindow *openPassDetails(orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                                   double minElevationDeg, std::optional<double> downlinkMHz, QWidget *parent,
                                   std::function<orbit::Satellites *()> component, std::optional<RotorRange> rotorRange,
                                   const orbit::HorizonMask &horizon, double tickPeriodSeconds,
                                   double rotorAzimuthDegPerSecond)
{
    auto track = std::make_shared<const PassTrack>(computePassTrack(satellites, pass));
    const QString note =
        rotorRange ? rotorNote(RotorPlan::forTrack(trackPoints(*track), *rotorRange, rotorAzimuthDegPerSecond), pass,
                               TickRhythm(tickPeriodSeconds))
                   : QString();
    QStringList precision{horizonNote(satellites, pass, horizon), elementAgeNote(satellites, pass)};
    precision.removeAll(QString());
    auto *window = new PassDetailsWindow(passDetails(satellites, pass, downlinkMHz), std::move(track),
                                         minElevationDeg, parent, note, precision.join(u'\n'));
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (component) {
        window->setSecondStation([component, pass, minElevationDeg](const QString &locator) {
            orbit::Satellites *now = component();
            return now ? mutualVisibilityText(*now, pass, locator, minElevationDeg)
                       : QCoreApplication::translate("orvanta::PassDetailsWindow", "Aucune prediction possible");
        });
    }
    window->show();
    return window;
}

} // namespace orvanta
