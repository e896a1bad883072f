#include "app/main_window.h"

#include "app/main_menus.h"
#include "app/satellite_list_marks.h"
#include "platform/text_numbers.h"
#include "tracking/satellite_filter.h"
#include "tracking/station_clock.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta {

namespace {

// Looked up when the window is made, once the language is in force.
const char *const passHeader =
    QT_TRANSLATE_NOOP("orvanta::MainWindow", "Acquisition       Perte     El max  Dir   Nom satellite");

QLineEdit *readOnlyBox(const QString &name, const QString &text, QWidget *parent, int width = 90)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setMaximumWidth(width);
    box->setMinimumWidth(std::min(width, 80));
    return box;
}

QLabel *label(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

QListWidget *list(const QString &name, QWidget *parent, bool fixedFont)
{
    auto *widget = new QListWidget(parent);
    widget->setObjectName(name);
    if (fixedFont)
        widget->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return widget;
}

// A reading of a Hamlib device, hidden while it has none. As wide as its
// widest text and keeping its room while hidden, so nothing beside it moves.
QLabel *readbackLabel(const QString &name, const QString &widest, QWidget *parent)
{
    auto *shown = new QLabel(parent);
    shown->setObjectName(name);
    shown->setFixedWidth(shown->fontMetrics().horizontalAdvance(widest) + 4);
    QSizePolicy policy = shown->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    shown->setSizePolicy(policy);
    shown->hide();
    return shown;
}

QLabel *header(QWidget *parent)
{
    auto *text = new QLabel(QCoreApplication::translate("orvanta::MainWindow", passHeader), parent);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return text;
}

void fillList(QListWidget &widget, const QStringList &lines)
{
    widget.clear();
    widget.addItems(lines);
}

// Makes the list show these lines, inserting and removing only the rows that
// differ: the rows kept keep their marks, and the current row its item.
void syncList(QListWidget &widget, const QStringList &lines)
{
    const QSet<QString> wanted(lines.cbegin(), lines.cend());
    int row = 0;
    for (const QString &line : lines) {
        while (row < widget.count() && widget.item(row)->text() != line && !wanted.contains(widget.item(row)->text()))
            delete widget.takeItem(row);
        if (row == widget.count() || widget.item(row)->text() != line)
            widget.insertItem(row, line);
        ++row;
    }
    while (widget.count() > row)
        delete widget.takeItem(widget.count() - 1);
}

// Whether the list shows exactly these lines.
bool holds(const QListWidget &widget, const QStringList &lines)
{
    if (widget.count() != lines.size())
        return false;
    for (int row = 0; row < widget.count(); ++row)
        if (widget.item(row)->text() != lines[row])
            return false;
    return true;
}

// Where the station has a horizon, a pass line says when the satellite clears
// it and sets behind it, after the name padded to the longest usual one.
QString inSightText(const orbit::PredictedPass &pass, const orbit::PassesInSight &inSight)
{
    constexpr int kUsualNameLength = 24;
    if (!inSight.known())
        return {};
    const std::optional<orbit::HorizonWindow> window = inSight.of(pass);
    const QString text = window ? QCoreApplication::translate("orvanta::MainWindow", "horizon %1 à %2")
                                      .arg(timeText(window->clears), timeText(window->sets))
                                : QCoreApplication::translate("orvanta::MainWindow", "caché par l'horizon");
    return QString(std::max(0, kUsualNameLength - int(pass.name.size())), QLatin1Char(' ')) +
           QStringLiteral("   ") + text;
}

// The pass lists are filled at every tick: the line the operator stands on
// stays current while its pass is listed. Each item keeps the board's line,
// which names its pass whatever its text adds.
void fillPasses(QListWidget &widget, const std::vector<orbit::BoardPass> &passes,
                const orbit::PassesInSight &inSight)
{
    const QListWidgetItem *current = widget.currentItem();
    const QString kept = current && current->isSelected() ? current->data(Qt::UserRole).toString() : QString();
    widget.clear();
    for (const orbit::BoardPass &entry : passes) {
        const QString line = QString::fromStdString(entry.line);
        auto *item = new QListWidgetItem(line + inSightText(entry.pass, inSight), &widget);
        item->setData(Qt::UserRole, line);
        if (!kept.isEmpty() && line == kept)
            widget.setCurrentItem(item);
    }
}

// The board's line of a pass list's item; a notice in its place names no pass.
QString passLine(const QListWidgetItem &item)
{
    const QVariant line = item.data(Qt::UserRole);
    return line.isValid() ? line.toString() : item.text();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), timer1_(new QTimer(this)), timer2_(new QTimer(this))
{
    setObjectName(QStringLiteral("Main"));
    menus_ = buildMainMenus(*menuBar());

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    // Left: the satellites and their banks.
    auto *left = new QVBoxLayout;
    auto *satellites = new QGroupBox(tr("Liste des Satellites"), central);
    auto *satLayout = new QGridLayout(satellites);
    satLayout->addWidget(label(tr("A Selectionner"), satellites), 0, 0);
    satLayout->addWidget(label(tr("Selectionnés"), satellites), 0, 1);
    filtreSat_ = new QLineEdit(satellites);
    filtreSat_->setObjectName(QStringLiteral("Filtre_Sat"));
    filtreSat_->setPlaceholderText(tr("Nom ou numéro"));
    filtreSat_->setClearButtonEnabled(true);
    filtreSat_->setToolTip(tr("Ne montre que les satellites dont le nom contient ce texte ou dont le "
                              "numéro de catalogue commence par lui"));
    satLayout->addWidget(filtreSat_, 1, 0);
    listeSat_ = list(QStringLiteral("ListeSat"), satellites, false);
    listeSat_->setToolTip(tr("Double cliquez sur le satellite pour l'ajouter a la liste selectionné"));
    // One line of text per satellite: the layout of a whole catalogue need not measure each.
    listeSat_->setUniformItemSizes(true);
    satelliteFilter_ = std::make_unique<ListRowFilter>(*listeSat_);
    satSelect_ = list(QStringLiteral("Sat_Select"), satellites, false);
    satSelect_->setToolTip(tr("Double cliquez sur le satellite pour le supprimer"));
    marks_ = new SatelliteListMarks({listeSat_, satSelect_}, this);
    satLayout->addWidget(listeSat_, 2, 0);
    satLayout->addWidget(satSelect_, 1, 1, 2, 1);
    auto *banks = new QHBoxLayout;
    banks->addWidget(label(tr("Banques Satellites"), satellites));
    bank_ = optionGroup(QStringLiteral("Bank"), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                        {1, 2, 3}, 1, satellites);
    for (QAbstractButton *button : bank_->buttons())
        banks->addWidget(button);
    auto *enregistrer = new QPushButton(tr("Enr"), satellites);
    enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    enregistrer->setToolTip(tr("Enregistre les satellites de la banque selectionnée"));
    banks->addWidget(enregistrer);
    satLayout->addLayout(banks, 3, 0, 1, 2);
    left->addWidget(satellites, 1);

    auto *buttons = new QHBoxLayout;
    auto *pourMan = new QPushButton(tr("Man"), central);
    pourMan->setObjectName(QStringLiteral("Pour_Man"));
    pourMan->setToolTip(tr("Acces au pilotage manuel des antennes"));
    auto *rx = new QPushButton(QStringLiteral("RX"), central);
    rx->setObjectName(QStringLiteral("RX"));
    rx->setToolTip(tr("Acces au panneau de control du recepteur"));
    buttons->addWidget(pourMan);
    buttons->addWidget(rx);
    left->addLayout(buttons);

    auto *velmo = new QGroupBox(QStringLiteral("Velmo"), central);
    auto *velmoLayout = new QHBoxLayout(velmo);
    auto *titre = title_ = new QLabel(tr("Poursuite satellites "), velmo);
    titre->setObjectName(QStringLiteral("Titre"));
    titre->setWordWrap(true);
    velmoLayout->addWidget(titre);
    left->addWidget(velmo);
    columns->addLayout(left, 2);

    // Middle: the passes and the followed satellite.
    auto *middle = new QVBoxLayout;
    // The alarms ahead of acquisition, where no desktop notification service answers.
    auto *bandeau = alarmBanner_ = new QLabel(central);
    bandeau->setObjectName(QStringLiteral("Bandeau_Alarme"));
    bandeau->setWordWrap(true);
    bandeau->setStyleSheet(
        QStringLiteral("background: #fff3b0; border: 1px solid #c8a000; padding: 4px; font-weight: bold;"));
    bandeau->hide();
    middle->addWidget(bandeau);
    auto *visibles = new QGroupBox(tr("Satellites Visibles"), central);
    auto *visLayout = new QGridLayout(visibles);
    visLayout->addWidget(header(visibles), 0, 0, 1, 8);
    satVisibles_ = list(QStringLiteral("Sat_Visibles"), visibles, true);
    visLayout->addWidget(satVisibles_, 1, 0, 1, 8);
    visLayout->addWidget(label(tr("Satellite"), visibles), 2, 0);
    visLayout->addWidget(satSel_ = readOnlyBox(QStringLiteral("Sat_Sel"), {}, visibles, 200), 2, 1, 1, 3);
    visLayout->addWidget(label(tr("Fréquence"), visibles), 2, 4);
    visLayout->addWidget(freqSel_ = readOnlyBox(QStringLiteral("Freq_Sel"), {}, visibles), 2, 5);
    visLayout->addWidget(label(QStringLiteral("MHz"), visibles), 2, 6);
    visLayout->addWidget(label(tr("Azimut"), visibles), 3, 0);
    visLayout->addWidget(azimutSel_ = readOnlyBox(QStringLiteral("Azimut_Sel"), {}, visibles, 60), 3, 1);
    visLayout->addWidget(label(tr("Degrés"), visibles), 3, 2);
    visLayout->addWidget(label(tr("Site"), visibles), 3, 4);
    visLayout->addWidget(siteSel_ = readOnlyBox(QStringLiteral("Site_Sel"), {}, visibles, 60), 3, 5);
    visLayout->addWidget(label(tr("Degrés"), visibles), 3, 6);
    rotorReading_ = readbackLabel(QStringLiteral("Lecture_Rotor"), tr("Rotor : -888° / -888°"), visibles);
    visLayout->addWidget(rotorReading_, 4, 0, 1, 4);
    radioReading_ = readbackLabel(QStringLiteral("Lecture_Radio"), tr("Radio : 88888.88888 MHz"), visibles);
    visLayout->addWidget(radioReading_, 4, 4, 1, 4);
    // The operator's choice of the followed satellite, and the way back.
    followChoice_ = new QWidget(visibles);
    followChoice_->setObjectName(QStringLiteral("Suivi_Choisi"));
    auto *choiceLayout = new QHBoxLayout(followChoice_);
    choiceLayout->setContentsMargins(0, 0, 0, 0);
    auto *choiceLabel = new QLabel(tr("Suivi choisi"), followChoice_);
    choiceLabel->setStyleSheet(QStringLiteral("font-weight: bold; color: #1a6e2e;"));
    choiceLayout->addWidget(choiceLabel);
    auto *automatic = new QPushButton(tr("Revenir au suivi automatique"), followChoice_);
    automatic->setToolTip(tr("Suivre de nouveau le passage en cours qui a commencé le premier"));
    choiceLayout->addWidget(automatic);
    choiceLayout->addStretch(1);
    followChoice_->hide();
    visLayout->addWidget(followChoice_, 5, 0, 1, 8);
    auto *follow = new QAction(tr("Suivre ce satellite"), satVisibles_);
    follow->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    follow->setShortcutContext(Qt::WidgetShortcut);
    satVisibles_->addAction(follow);
    satVisibles_->setContextMenuPolicy(Qt::ActionsContextMenu);
    satVisibles_->setToolTip(tr("Entrée ou clic droit sur un passage : suivre ce satellite ; double clic : "
                                "détails du passage"));
    middle->addWidget(visibles, 1);

    auto *prochains = new QGroupBox(tr("Passage des prochains satellites"), central);
    auto *nextLayout = new QGridLayout(prochains);
    nextLayout->addWidget(header(prochains), 0, 0, 1, 7);
    detailPass_ = list(QStringLiteral("Detail_Pass"), prochains, true);
    nextLayout->addWidget(detailPass_, 1, 0, 1, 7);
    nextLayout->addWidget(label(tr("Satellite"), prochains), 2, 0);
    nextLayout->addWidget(satAtt_ = readOnlyBox(QStringLiteral("Sat_Att"), {}, prochains, 200), 2, 1, 1, 3);
    nextLayout->addWidget(label(tr("Fréquence"), prochains), 2, 4);
    nextLayout->addWidget(freqAtt_ = readOnlyBox(QStringLiteral("Freq_Att"), {}, prochains), 2, 5);
    nextLayout->addWidget(label(QStringLiteral("MHz"), prochains), 2, 6);
    middle->addWidget(prochains, 1);

    auto *switches = new QHBoxLayout;
    auto *doppler = new QGroupBox(tr("Correction Doppler"), central);
    auto *dopLayout = new QHBoxLayout(doppler);
    QButtonGroup *dopplerGroup = doppler_ = optionGroup(QStringLiteral("Doppler"), {tr("Avec"), tr("Sans")}, {1, 2}, 2, doppler);
    for (QAbstractButton *button : dopplerGroup->buttons())
        dopLayout->addWidget(button);
    valDop_ = new QLabel(QStringLiteral("----"), doppler);
    valDop_->setObjectName(QStringLiteral("Val_Dop"));
    // As wide as the widest shift (10 GHz at low orbit): a value changing
    // width would shift every frame beside it.
    valDop_->setFixedWidth(valDop_->fontMetrics().horizontalAdvance(QStringLiteral("-888.8")) + 4);
    valDop_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dopLayout->addWidget(valDop_);
    dopLayout->addWidget(label(tr(" KHz"), doppler));
    switches->addWidget(doppler);

    auto *poursuite = new QGroupBox(tr("Poursuite Antenne"), central);
    auto *pLayout = new QHBoxLayout(poursuite);
    QButtonGroup *trackingGroup = tracking_ =
        optionGroup(QStringLiteral("Tracking"), {tr("Avec"), tr("Sans")}, {2, 1}, 1, poursuite);
    for (QAbstractButton *button : trackingGroup->buttons())
        pLayout->addWidget(button);
    switches->addWidget(poursuite);

    auto *programmation = new QGroupBox(tr("Programmation Recepteur"), central);
    auto *rLayout = new QHBoxLayout(programmation);
    QButtonGroup *progRxGroup = progRx_ =
        optionGroup(QStringLiteral("Prog_RX"), {tr("Avec"), tr("Sans")}, {2, 1}, 1, programmation);
    for (QAbstractButton *button : progRxGroup->buttons())
        rLayout->addWidget(button);
    switches->addWidget(programmation);

    auto *heure = new QGroupBox(tr("Heure TU"), central);
    heure->setObjectName(QStringLiteral("Heure_TU"));
    auto *heureLayout = new QHBoxLayout(heure);
    heureLayout->addWidget(label(tr("Date"), heure));
    heureLayout->addWidget(date_ = readOnlyBox(QStringLiteral("Date"), QStringLiteral("00/00/00"), heure));
    heureLayout->addWidget(label(tr("Heure"), heure));
    heureLayout->addWidget(time_ = readOnlyBox(QStringLiteral("Time_UTC"), QStringLiteral("00:00:00"), heure));
    switches->addWidget(heure);
    middle->addLayout(switches);
    columns->addLayout(middle, 4);

    // Right: the sky view, when the station gives one.
    skyHolder_ = new QWidget(central);
    skyHolder_->setObjectName(QStringLiteral("Ciel_Cadre"));
    auto *skyLayout = new QVBoxLayout(skyHolder_);
    skyLayout->setContentsMargins(0, 0, 0, 0);
    skyHolder_->hide();
    columns->addWidget(skyHolder_, 3);

    setCentralWidget(central);
    resize(1480, 720);

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(5000);
    // A coarse timer may drift by 5% of the period: the remote station's
    // clients and the rotor see every tick, on time.
    timer1_->setTimerType(Qt::PreciseTimer);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(500);

    // The desktop's usual way to quit; it goes through the same shutdown as the close box.
    connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this, &MainWindow::closeRequested);
    connect(bank_, &QButtonGroup::idClicked, this, &MainWindow::bankClicked);
    connect(enregistrer, &QPushButton::clicked, this, &MainWindow::enregistrerClicked);
    connect(filtreSat_, &QLineEdit::textChanged, this, [this] { applySatelliteFilter(); });
    connect(listeSat_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { emit listeSatDoubleClicked(listeSat_->row(item)); });
    connect(satSelect_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { emit satSelectDoubleClicked(satSelect_->row(item)); });
    for (QListWidget *passes : {satVisibles_, detailPass_})
        connect(passes, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem *item) { emit passLineDoubleClicked(passLine(*item)); });
    // Each switch reads its "Avec" button, whichever of the two was clicked.
    connect(dopplerGroup, &QButtonGroup::idClicked, this,
            [this, dopplerGroup] { emit dopplerSwitched(dopplerGroup->checkedId() == 1); });
    connect(trackingGroup, &QButtonGroup::idClicked, this,
            [this, trackingGroup] { emit trackingSwitched(trackingGroup->checkedId() == 2); });
    connect(progRxGroup, &QButtonGroup::idClicked, this,
            [this, progRxGroup] { emit progRxSwitched(progRxGroup->checkedId() == 2); });
    connect(follow, &QAction::triggered, this, [this] {
        if (const QListWidgetItem *item = satVisibles_->currentItem())
            emit followLineRequested(passLine(*item));
    });
    connect(automatic, &QPushButton::clicked, this, &MainWindow::automaticFollowClicked);
    connect(pourMan, &QPushButton::clicked, this, &MainWindow::pourManClicked);
    connect(rx, &QPushButton::clicked, this, &MainWindow::rxClicked);
}

QButtonGroup *MainWindow::optionGroup(const QString &name, const QStringList &captions, const QList<int> &ids,
                                      int checkedId, QWidget *parent)
{
    auto *group = new QButtonGroup(this);
    group->setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(captions[i], parent);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(ids[i]));
        button->setChecked(ids[i] == checkedId);
        group->addButton(button, ids[i]);
    }
    return group;
}

void MainWindow::clickSwitch(Switch which, bool on)
{
    // The buttons' ids: Doppler's "Avec" is 1, the others' "Avec" is 2.
    QAbstractButton *button = which == Switch::DopplerCorrection ? doppler_->button(on ? 1 : 2)
                              : which == Switch::RotorTracking   ? tracking_->button(on ? 2 : 1)
                                                                 : progRx_->button(on ? 2 : 1);
    if (!button->isChecked())
        button->click();
}

int MainWindow::chosenBank() const
{
    return bank_->checkedId();
}

void MainWindow::showTitle(const QString &title)
{
    title_->setText(title);
}

void MainWindow::showDeviceMarks(const DeviceMarks &marks)
{
    markDevices(menus_.devices, marks);
}

void MainWindow::showRotorReading(const std::optional<RotorAim> &position)
{
    rotorReading_->setText(position ? tr("Rotor : %1° / %2°")
                                          .arg(formatFixed(position->azimuthDeg, 0), formatFixed(position->elevationDeg, 0))
                                    : QString());
    rotorReading_->setVisible(position.has_value());
}

void MainWindow::showRadioReading(std::optional<double> hertz)
{
    radioReading_->setText(hertz ? tr("Radio : %1 MHz").arg(formatFixed(*hertz / 1e6, 5)) : QString());
    radioReading_->setVisible(hertz.has_value());
}

void MainWindow::showFollowed(const QString &satellite)
{
    satSel_->setText(satellite);
}

void MainWindow::showDirection(const std::optional<SkyPoint> &direction)
{
    azimutSel_->setText(direction ? formatFixed(direction->azimuthDeg, 0) : QString());
    siteSel_->setText(direction ? formatFixed(direction->elevationDeg, 0) : QString());
}

void MainWindow::showFrequency(const std::optional<TunedFrequency> &frequency)
{
    if (!frequency)
        freqSel_->clear();
    else if (frequency->corrected)
        freqSel_->setText(formatFixed(frequency->megahertz, 4));
    else
        freqSel_->setText(formatFixed(frequency->megahertz, 3, false));
}

void MainWindow::showDopplerShift(std::optional<double> kilohertz)
{
    valDop_->setText(kilohertz ? formatFixed(*kilohertz, 1) : QStringLiteral("----"));
}

void MainWindow::showAwaited(const QString &satellite, std::optional<double> megahertz)
{
    satAtt_->setText(satellite);
    freqAtt_->setText(megahertz ? formatFixed(*megahertz, 3) : QString());
}

void MainWindow::showPasses(const orbit::PassBoard &board, const orbit::PassesInSight &inSight)
{
    fillPasses(*satVisibles_, board.visible(), inSight);
    fillPasses(*detailPass_, board.coming(), inSight);
}

void MainWindow::showFollowChoice(bool chosen)
{
    followChoice_->setVisible(chosen);
}

void MainWindow::showClock(const QString &time, const QString &date)
{
    time_->setText(time);
    date_->setText(date);
}

void MainWindow::showPredictionNotice(const QString &text)
{
    fillList(*satVisibles_, QStringList{text});
    fillList(*detailPass_, QStringList{text});
}

void MainWindow::showSatelliteLists(const QStringList &available, const QStringList &selected,
                                    const std::function<long(const QString &)> &catalogNumberOf,
                                    const std::function<SatelliteStatus(long)> &statusOf)
{
    // New elements usually bring the same names: the lists then keep their
    // items (a catalogue of thousands takes tens of milliseconds to fill)
    // and only what changed in them is written.
    const bool refill = !holds(*listeSat_, available) || !holds(*satSelect_, selected);
    if (refill) {
        // Rows the filter hides would move under it: the list is then filled anew.
        if (listeSat_->count() == 0 || satelliteFilter_->hidesAny()) {
            fillList(*listeSat_, available);
            satelliteFilter_->refilled();
        } else {
            syncList(*listeSat_, available);
        }
        syncList(*satSelect_, selected);
    }
    // The filter matches the numbers too: it is applied again once they are all known.
    marks_->mark(catalogNumberOf, statusOf, palette().color(QPalette::Disabled, QPalette::Text), false,
                 [this] { applySatelliteFilter(); });
    if (!refill)
        return;
    applySatelliteFilter();
    if (listeSat_->count() > 0 && listeSat_->currentRow() < 0)
        listeSat_->setCurrentRow(0);
}

void MainWindow::applySatelliteFilter()
{
    const QString filter = filtreSat_->text();
    satelliteFilter_->apply([this, &filter](int row) {
        const QListWidgetItem *item = listeSat_->item(row);
        return matchesSatelliteFilter(item->text(), long(item->data(Qt::UserRole).toLongLong()), filter);
    });
}

void MainWindow::setSkyView(QWidget *view)
{
    skyHolder_->layout()->addWidget(view);
    skyHolder_->show();
}

void MainWindow::showSky(bool shown)
{
    skyHolder_->setVisible(shown);
}

void MainWindow::centre()
{
    if (const QScreen *shown = screen()) {
        const QRect area = shown->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

} // namespace orvanta
