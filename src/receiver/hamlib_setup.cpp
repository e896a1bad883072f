#include "receiver/hamlib_setup.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <thread>

namespace orvanta {

namespace {

bool isAddress(const QString &port)
{
    static const QRegularExpression address(QStringLiteral("^[^:/\\s]+:(\\d{1,5})$"));
    const auto match = address.match(port);
    if (!match.hasMatch())
        return false;
    const int number = match.captured(1).toInt();
    return number >= 1 && number <= 65535;
}

QString usualAddress(HamlibKind kind)
{
    // The ports rigctld and rotctld listen on unless told otherwise; a second
    // rigctld for the uplink radio is usually started on the next free one.
    switch (kind) {
    case HamlibKind::Receiver:
        break;
    case HamlibKind::Rotor:
        return QStringLiteral("localhost:4533");
    case HamlibKind::Uplink:
        return QStringLiteral("localhost:4534");
    }
    return QStringLiteral("localhost:4532");
}

} // namespace

HamlibSetup::HamlibSetup(HamlibKind kind, std::vector<HamlibModel> models, HamlibTester tester,
                         const HamlibDevice &current, QObject *parent)
    : QObject(parent), kind_(kind), models_(std::move(models)), tester_(std::move(tester)), shown_(models_),
      model_(current.model), port_(current.port), speed_(current.speed)
{
}

HamlibSetup::~HamlibSetup()
{
    // Answers posted before this point die with the object.
    std::lock_guard lock(link_->mutex);
    link_->open = false;
}

void HamlibSetup::setFilter(const QString &filter)
{
    const QStringList words = filter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    shown_.clear();
    std::copy_if(models_.begin(), models_.end(), std::back_inserter(shown_), [&words](const HamlibModel &model) {
        const QString text = model.text();
        return std::all_of(words.begin(), words.end(),
                           [&text](const QString &word) { return text.contains(word, Qt::CaseInsensitive); });
    });
}

void HamlibSetup::choose(int modelId)
{
    model_ = modelId;
    const HamlibModel *model = chosen();
    if (model && model->port == HamlibModel::Port::Network && !isAddress(port_))
        port_ = usualAddress(kind_);
}

const HamlibModel *HamlibSetup::chosen() const
{
    const auto found = std::find_if(models_.begin(), models_.end(), [this](const HamlibModel &m) { return m.id == model_; });
    return found == models_.end() ? nullptr : &*found;
}

bool HamlibSetup::takesPort() const
{
    const HamlibModel *model = chosen();
    return model && model->port != HamlibModel::Port::None;
}

bool HamlibSetup::takesSpeed() const
{
    const HamlibModel *model = chosen();
    return model && model->port == HamlibModel::Port::Serial;
}

QString HamlibSetup::problem() const
{
    const HamlibModel *model = chosen();
    if (!model)
        return QCoreApplication::translate("HamlibSetup", "Choisissez un modele dans la liste.");
    if (model->port == HamlibModel::Port::Network && !isAddress(port_))
        return QCoreApplication::translate("HamlibSetup",
                                           "Indiquez l'adresse sous la forme hote:port (par exemple %1).")
            .arg(usualAddress(kind_));
    if (model->port == HamlibModel::Port::Serial && port_.isEmpty())
        return QCoreApplication::translate("HamlibSetup",
                                           "Indiquez le peripherique de la liaison serie (par exemple /dev/ttyUSB0).");
    return {};
}

HamlibDevice HamlibSetup::device() const
{
    return {model_, takesPort() ? port_ : QString(), takesSpeed() ? speed_ : 0};
}

void HamlibSetup::startTest()
{
    if (testing_)
        return;
    if (const QString why = problem(); !why.isEmpty()) {
        emit tested(why);
        return;
    }
    testing_ = true;
    // A silent device holds the test for seconds: closing the dialog meanwhile
    // must not wait for it, so the thread owns copies of all it uses.
    std::thread([link = link_, tester = tester_, device = device(), target = this] {
        const HamlibReading reading = tester(device);
        const QString text = reading.answered
                                 ? QCoreApplication::translate("HamlibSetup", "Reponse : %1").arg(reading.text)
                                 : QCoreApplication::translate("HamlibSetup", "Pas de reponse : %1").arg(reading.text);
        std::lock_guard lock(link->mutex);
        if (!link->open)
            return;
        QMetaObject::invokeMethod(
            target,
            [target, text] {
                target->testing_ = false;
                emit target->tested(text);
            },
            Qt::QueuedConnection);
    }).detach();
}

} // namespace orvanta
