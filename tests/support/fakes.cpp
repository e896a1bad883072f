#include "support/fakes.h"

#include <ostream>

namespace orvanta::test {

void PrintTo(const TraceEvent &event, std::ostream *os)
{
    switch (event.kind) {
    case TraceEvent::Kind::Port:
        *os << event.address << "<-" << event.value;
        break;
    case TraceEvent::Kind::Serial:
        *os << "serial \"" << event.bytes.toHex(' ').toStdString() << "\" (" << event.bytes.toStdString()
            << ")";
        break;
    case TraceEvent::Kind::Wait:
        *os << "wait " << event.seconds << " s";
        break;
    case TraceEvent::Kind::Settings:
        *os << "settings " << event.bytes.toStdString();
        break;
    }
}

namespace {
bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

QString MemorySettingsStore::get(const QString &application, const QString &section, const QString &key,
                                 const QString &defaultValue) const
{
    for (const auto &e : byApplication_.value(application.toLower()))
        if (sameName(e.section, section) && sameName(e.key, key))
            return e.value;
    return defaultValue;
}

void MemorySettingsStore::save(const QString &application, const QString &section, const QString &key,
                               const QString &value)
{
    auto &entries = byApplication_[application.toLower()];
    for (auto &e : entries)
        if (sameName(e.section, section) && sameName(e.key, key)) {
            e.value = value;
            return;
        }
    entries.push_back({section, key, value});
}

void MemorySettingsStore::remove(const QString &application, const QString &section, const QString &key)
{
    auto &entries = byApplication_[application.toLower()];
    std::erase_if(entries, [&](const Entry &e) { return sameName(e.section, section) && sameName(e.key, key); });
}

std::vector<MemorySettingsStore::Entry> MemorySettingsStore::section(const QString &application,
                                                                    const QString &section) const
{
    std::vector<Entry> out;
    for (const auto &e : byApplication_.value(application.toLower()))
        if (sameName(e.section, section))
            out.push_back(e);
    return out;
}

} // namespace orvanta::test
