#include "logbook/journal_window.h"

#include "logbook/journal_list_model.h"
#include "platform/message_boxes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace orvanta {

namespace {

struct Box {
    EntryField field;
    const char *objectName;
    const char *caption;
    int width; // in characters
};

// The typed boxes, then those the station fills in.
constexpr Box kTyped[] = {
    {EntryField::Call, "Journal_Indicatif", QT_TRANSLATE_NOOP("Journal", "&Indicatif"), 12},
    {EntryField::RstSent, "Journal_RST_Envoye", QT_TRANSLATE_NOOP("Journal", "RST &envoyé"), 4},
    {EntryField::RstRcvd, "Journal_RST_Recu", QT_TRANSLATE_NOOP("Journal", "RST &reçu"), 4},
    {EntryField::Grid, "Journal_Locator", QT_TRANSLATE_NOOP("Journal", "&Locator"), 7},
    {EntryField::Name, "Journal_Nom", QT_TRANSLATE_NOOP("Journal", "&Nom"), 12},
    {EntryField::Comment, "Journal_Commentaire", QT_TRANSLATE_NOOP("Journal", "&Commentaire"), 20},
};
constexpr Box kFilled[] = {
    {EntryField::Instant, "Journal_Instant", QT_TRANSLATE_NOOP("Journal", "Date et heure TU"), 19},
    {EntryField::SatName, "Journal_Satellite", QT_TRANSLATE_NOOP("Journal", "Satellite (LoTW)"), 8},
    {EntryField::SatMode, "Journal_Mode_Sat", QT_TRANSLATE_NOOP("Journal", "Mode sat."), 5},
    {EntryField::Uplink, "Journal_Montee", QT_TRANSLATE_NOOP("Journal", "Montée (MHz)"), 11},
    {EntryField::Downlink, "Journal_Descente", QT_TRANSLATE_NOOP("Journal", "Descente (MHz)"), 11},
    {EntryField::Mode, "Journal_Mode", QT_TRANSLATE_NOOP("Journal", "Mode"), 5},
    {EntryField::MyGrid, "Journal_Mon_Locator", QT_TRANSLATE_NOOP("Journal", "Mon locator"), 7},
};

} // namespace

JournalWindow::JournalWindow(Journal &journal, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window),
      journal_(journal),
      messages_(messages),
      stationCall_(new QLineEdit(this)),
      operatorCall_(new QLineEdit(this)),
      worked_(new QLabel(this)),
      notice_(new QLabel(this)),
      state_(new QLabel(this)),
      list_(new QTableView(this)),
      model_(new JournalListModel(this)),
      exportChoice_(new QComboBox(this)),
      from_(new QDateEdit(this)),
      to_(new QDateEdit(this)),
      refresh_(new QTimer(this))
{
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(QCoreApplication::translate("Journal", "Journal des contacts"));
    auto *layout = new QVBoxLayout(this);

    auto *station = new QHBoxLayout;
    stationCall_->setObjectName(QStringLiteral("Journal_Indicatif_Station"));
    operatorCall_->setObjectName(QStringLiteral("Journal_Operateur"));
    station->addWidget(new QLabel(QCoreApplication::translate("Journal", "Indicatif de la station"), this));
    station->addWidget(stationCall_);
    station->addWidget(new QLabel(QCoreApplication::translate("Journal", "Opérateur"), this));
    station->addWidget(operatorCall_);
    station->addStretch();
    layout->addLayout(station);

    auto *row = new QGridLayout;
    const auto addBoxes = [&](const auto &boxes, int line) {
        int column = 0;
        for (const Box &box : boxes) {
            auto *edit = new QLineEdit(this);
            edit->setObjectName(QString::fromLatin1(box.objectName));
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * box.width);
            auto *label = new QLabel(QCoreApplication::translate("Journal", box.caption), this);
            label->setBuddy(edit);
            row->addWidget(label, line, column);
            row->addWidget(edit, line + 1, column++);
            boxes_[box.field] = edit;
            const EntryField field = box.field;
            QObject::connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) {
                journal_.edit(field, text);
                if (field == EntryField::Call || field == EntryField::Grid || field == EntryField::SatName)
                    showWorked();
                if (field == EntryField::Mode)
                    showRow(); // the default reports follow the mode
            });
            QObject::connect(edit, &QLineEdit::returnPressed, this, [this] { logContact(); });
        }
    };
    addBoxes(kTyped, 0);
    addBoxes(kFilled, 2);
    layout->addLayout(row);

    worked_->setObjectName(QStringLiteral("Journal_Deja_Contacte"));
    state_->setObjectName(QStringLiteral("Journal_Etat"));
    notice_->setObjectName(QStringLiteral("Journal_Avis"));
    notice_->setStyleSheet(QStringLiteral("color: #b00000;"));
    for (QLabel *label : {worked_, notice_, state_})
        label->setWordWrap(true);
    layout->addWidget(worked_);
    layout->addWidget(notice_);
    layout->addWidget(state_);

    list_->setObjectName(QStringLiteral("Journal_Liste"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(true);
    list_->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
    list_->verticalHeader()->hide();
    layout->addWidget(list_, 1);
    QObject::connect(list_, &QTableView::doubleClicked, this, [this] { editSelected(); });

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &caption, auto slot) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button("Journal_Modifier", QCoreApplication::translate("Journal", "&Modifier"), [this] { editSelected(); });
    button("Journal_Supprimer", QCoreApplication::translate("Journal", "&Supprimer"), [this] { deleteSelected(); });
    buttons->addStretch();
    exportChoice_->setObjectName(QStringLiteral("Journal_Export_Choix"));
    exportChoice_->addItems({QCoreApplication::translate("Journal", "Tous les contacts"),
                             QCoreApplication::translate("Journal", "Depuis le dernier export"),
                             QCoreApplication::translate("Journal", "Du … au …")});
    from_->setObjectName(QStringLiteral("Journal_Du"));
    to_->setObjectName(QStringLiteral("Journal_Au"));
    for (QDateEdit *date : {from_, to_}) {
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setCalendarPopup(true);
        date->setEnabled(false);
    }
    QObject::connect(exportChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        from_->setEnabled(index == 2);
        to_->setEnabled(index == 2);
    });
    buttons->addWidget(exportChoice_);
    buttons->addWidget(from_);
    buttons->addWidget(to_);
    button("Journal_Exporter", QCoreApplication::translate("Journal", "E&xporter ADIF…"), [this] { exportFile(); });
    button("Journal_Importer", QCoreApplication::translate("Journal", "Im&porter ADIF…"), [this] { importFile(); });
    layout->addLayout(buttons);

    QObject::connect(stationCall_, &QLineEdit::editingFinished, this,
                     [this] { journal_.setStationCallsign(stationCall_->text()); });
    QObject::connect(operatorCall_, &QLineEdit::editingFinished, this,
                     [this] { journal_.setOperatorCall(operatorCall_->text()); });

    // The filled-in boxes follow the station while shown.
    refresh_->setObjectName(QStringLiteral("Journal_Rafraichissement"));
    refresh_->setInterval(1000);
    QObject::connect(refresh_, &QTimer::timeout, this, [this] {
        journal_.refresh();
        showRow();
    });
    resize(1100, 560);
}

void JournalWindow::ouvrir()
{
    journal_.refresh();
    if (!model_->hasDatabase() && journal_.store().isOpen()) {
        model_->setDatabase(journal_.store().database());
        list_->setColumnHidden(0, true);
        list_->resizeColumnsToContents();
        // The export's dates start on the station's day.
        const QDate today = QDate::fromString(journal_.text(EntryField::Instant).left(10), Qt::ISODate);
        from_->setDate(today);
        to_->setDate(today);
    }
    stationCall_->setText(journal_.stationCallsign());
    operatorCall_->setText(journal_.operatorCall());
    showRow();
    refresh_->start();
    show();
    raise();
    activateWindow();
    boxes_[EntryField::Call]->setFocus();
}

// Escape reaches the window from any box of the row, which leave it alone.
void JournalWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return QWidget::keyPressEvent(event);
    clearRow();
}

void JournalWindow::hideEvent(QHideEvent *event)
{
    refresh_->stop();
    QWidget::hideEvent(event);
}

void JournalWindow::showRow()
{
    for (const auto &[field, edit] : boxes_) {
        const QString text = journal_.text(field);
        if (edit->text() != text)
            edit->setText(text);
        // What the station fills in is in italics until corrected.
        QFont font = edit->font();
        font.setItalic(field > EntryField::Comment && !journal_.corrected(field));
        edit->setFont(font);
    }
    notice_->setText(journal_.notice());
}

void JournalWindow::showWorked()
{
    worked_->setText(journal_.workedText());
}

void JournalWindow::say(const QString &text, bool fault)
{
    state_->setText(text);
    state_->setStyleSheet(fault ? QStringLiteral("color: #b00000;") : QString());
}

void JournalWindow::logContact()
{
    const Journal::Outcome outcome = journal_.logNow();
    say(outcome.message, !outcome.done);
    if (!outcome.done)
        return;
    model_->reload();
    showRow();
    worked_->clear();
    boxes_[EntryField::Call]->setFocus();
}

void JournalWindow::clearRow()
{
    journal_.clear();
    journal_.refresh();
    showRow();
    worked_->clear();
    say({}, false);
    boxes_[EntryField::Call]->setFocus();
}

qint64 JournalWindow::selectedId() const
{
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model_->idAt(rows.front().row());
}

void JournalWindow::editSelected()
{
    const qint64 id = selectedId();
    if (id == 0 || !journal_.startEdit(id))
        return;
    showRow();
    showWorked();
    say(QCoreApplication::translate("Journal", "Modification du contact : Entrée enregistre, Échap abandonne."), false);
    boxes_[EntryField::Call]->setFocus();
}

// Only ever from a click: the question box dispatches events while open.
void JournalWindow::deleteSelected()
{
    const qint64 id = selectedId();
    if (id == 0)
        return;
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    const QString call = model_->data(model_->index(rows.front().row(), 2)).toString();
    const QString when = model_->data(model_->index(rows.front().row(), 1)).toString();
    if (!messages_.question(
            QCoreApplication::translate("Journal", "Supprimer le contact avec %1 du %2 TU ?").arg(call, when),
            QStringLiteral("Journal")))
        return;
    const Journal::Outcome outcome = journal_.remove(id);
    say(outcome.message, !outcome.done);
    model_->reload();
    showRow();
}

void JournalWindow::exportFile()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("Journal", "Exporter le journal en ADIF"), QStringLiteral("journal.adi"),
        QCoreApplication::translate("Journal", "ADIF (*.adi);;Tous les fichiers (*)"));
    if (path.isEmpty())
        return;
    ExportChoice choice;
    choice.kind = ExportChoice::Kind(exportChoice_->currentIndex());
    choice.from = from_->date();
    choice.to = to_->date();
    const Journal::Outcome outcome = journal_.exportAdif(path, choice);
    say(outcome.message, !outcome.done);
}

void JournalWindow::importFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("Journal", "Importer un journal ADIF"), QString(),
        QCoreApplication::translate("Journal", "ADIF (*.adi *.adif);;Tous les fichiers (*)"));
    if (path.isEmpty())
        return;
    const Journal::Outcome outcome = journal_.importAdif(path);
    say(outcome.message, !outcome.done);
    model_->reload();
}

} // namespace orvanta
