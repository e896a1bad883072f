#include "platform/ini_settings_store.h"

#include "platform/atomic_file.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringConverter>

namespace orvanta {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Values may hold any text; line breaks and backslashes are escaped so each
// entry stays on one line.
QString escape(const QString &value)
{
    QString out;
    for (QChar c : value) {
        if (c == '\\')
            out += QStringLiteral("\\\\");
        else if (c == '\n')
            out += QStringLiteral("\\n");
        else if (c == '\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

// A backslash that starts none of the escapes above stays as it is, so a
// hand-written path such as C:\Stations keeps its backslash.
QString unescape(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == '\\' && (next == '\\' || next == 'n' || next == 'r')) {
            out += next == 'n' ? QChar('\n') : next == 'r' ? QChar('\r') : QChar('\\');
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Blanks around "=" and at the end of a line are not part of the value (a
// person editing the file adds them without thinking); a value whose own
// ends are blanks, or that is itself between double quotes, is written
// between double quotes.
bool needsQuotes(const QString &value)
{
    if (value.isEmpty())
        return false;
    return value.front().isSpace() || value.back().isSpace()
           || (value.size() >= 2 && value.front() == '"' && value.back() == '"');
}

QString writtenValue(const QString &value)
{
    return needsQuotes(value) ? '"' + escape(value) + '"' : escape(value);
}

QString readValue(const QString &written)
{
    QString text = written.trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.mid(1, text.size() - 2);
    return unescape(text);
}

} // namespace

IniSettingsStore::IniSettingsStore(QString path, MessageBoxes &messages, QString application)
    : path_(std::move(path)), messages_(messages), application_(std::move(application))
{
    removeLeftoverTemporaries();
    load();
}

void IniSettingsStore::removeLeftoverTemporaries() const
{
    // A save killed before its rename leaves "Orvanta.ini.XXXXXX" behind. One
    // older than the file itself was overtaken by a later save; a newer one
    // may be another instance's save in progress and is left alone.
    const QFileInfo file(path_);
    if (!file.isFile())
        return;
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QDir folder = file.absoluteDir();
    const QString prefix = file.fileName();
    for (const QFileInfo &candidate : folder.entryInfoList({prefix + QStringLiteral(".??????")},
                                                           QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (candidate.fileName().startsWith(prefix) && suffix.match(candidate.fileName().mid(prefix.size())).hasMatch()
            && candidate.lastModified() < file.lastModified())
            QFile::remove(candidate.absoluteFilePath());
    }
}

QString IniSettingsStore::defaultPath(const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + application + '/'
           + application + QStringLiteral(".ini");
}

void IniSettingsStore::load()
{
    QFile file(path_);
    if (!file.exists())
        return;
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else {
        const QByteArray bytes = file.readAll();
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError()) {
            problem = QCoreApplication::translate("Settings", "le texte n'est pas en UTF-8");
        } else {
            const QStringList lines = text.split('\n');
            Section *current = nullptr;
            for (int i = 0; i < lines.size() && problem.isEmpty(); ++i) {
                QString line = lines[i];
                if (line.endsWith('\r'))
                    line.chop(1);
                const QString trimmed = line.trimmed();
                if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#'))
                    continue;
                if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
                    const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
                    current = findSection(name);
                    if (!current) {
                        sections_.append({name, {}});
                        current = &sections_.last();
                    }
                    continue;
                }
                const int equals = line.indexOf('=');
                if (!current || equals <= 0 || line.left(equals).trimmed().isEmpty()) {
                    problem = QCoreApplication::translate("Settings", "ligne %1 incomprise").arg(i + 1);
                    break;
                }
                const QString key = line.left(equals).trimmed();
                const QString value = readValue(line.mid(equals + 1));
                bool replaced = false;
                for (Entry &e : current->entries)
                    if (sameName(e.key, key)) {
                        e.value = value;
                        replaced = true;
                    }
                if (!replaced)
                    current->entries.append({key, value});
            }
        }
    }
    if (problem.isEmpty())
        return;
    sections_.clear();
    setAsideBeforeWriting_ = true;
    messages_.information(
        QCoreApplication::translate("Settings",
                                    "Le fichier de configuration %1 est illisible (%2).\n"
                                    "Les valeurs par defaut sont utilisees ; l'ancien fichier sera conserve sous %3 "
                                    "avant le prochain enregistrement.")
            .arg(QDir::toNativeSeparators(path_), problem, QDir::toNativeSeparators(asideName())),
        QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
}

QString IniSettingsStore::asideName() const
{
    // A copy kept from an earlier run is never written over.
    QString name = path_ + QStringLiteral(".corrompu");
    for (int n = 1; QFile::exists(name); ++n)
        name = path_ + QStringLiteral(".corrompu.%1").arg(n);
    return name;
}

QString IniSettingsStore::sectionName(const QString &application, const QString &section) const
{
    return sameName(application, application_) ? section : application + '\\' + section;
}

IniSettingsStore::Section *IniSettingsStore::findSection(const QString &name)
{
    for (Section &s : sections_)
        if (sameName(s.name, name))
            return &s;
    return nullptr;
}

const IniSettingsStore::Section *IniSettingsStore::findSection(const QString &name) const
{
    for (const Section &s : sections_)
        if (sameName(s.name, name))
            return &s;
    return nullptr;
}

QString IniSettingsStore::get(const QString &application, const QString &section, const QString &key,
                              const QString &defaultValue) const
{
    if (const Section *s = findSection(sectionName(application, section)))
        for (const Entry &e : s->entries)
            if (sameName(e.key, key))
                return e.value;
    return defaultValue;
}

void IniSettingsStore::save(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    const QString name = sectionName(application, section);
    Section *s = findSection(name);
    if (!s) {
        sections_.append({name, {}});
        s = &sections_.last();
    }
    bool found = false;
    for (Entry &e : s->entries)
        if (sameName(e.key, key)) {
            e.value = value;
            found = true;
        }
    if (!found)
        s->entries.append({key, value});
    changed();
}

void IniSettingsStore::remove(const QString &application, const QString &section, const QString &key)
{
    Section *s = findSection(sectionName(application, section));
    if (!s)
        return;
    const auto removed = s->entries.removeIf([&](const Entry &e) { return sameName(e.key, key); });
    if (removed > 0)
        changed();
}

void IniSettingsStore::beginBatch()
{
    ++batchDepth_;
}

void IniSettingsStore::endBatch()
{
    if (batchDepth_ > 0 && --batchDepth_ == 0 && dirty_)
        write();
}

void IniSettingsStore::changed()
{
    dirty_ = true;
    if (batchDepth_ == 0)
        write();
}

QByteArray IniSettingsStore::render() const
{
    QString text;
    for (const Section &s : sections_) {
        if (!text.isEmpty())
            text += '\n';
        text += '[' + s.name + "]\n";
        for (const Entry &e : s.entries)
            text += e.key + '=' + writtenValue(e.value) + '\n';
    }
    return text.toUtf8();
}

void IniSettingsStore::write()
{
    QString error;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (setAsideBeforeWriting_) {
        // Renamed, not copied: a file the user cannot read can still be moved
        // out of the way in a folder they may write in.
        const QString aside = asideName();
        if (QFile::exists(path_) && !QDir().rename(path_, aside))
            error =
                QCoreApplication::translate("Settings", "impossible de conserver l'ancien fichier sous %1").arg(aside);
        else
            setAsideBeforeWriting_ = false;
    }
    if (error.isEmpty() && writeFileAtomically(path_, render(), &error)) {
        dirty_ = false;
        writeFailureReported_ = false;
        return;
    }
    // One message per run of failures, not one per change.
    if (writeFailureReported_)
        return;
    writeFailureReported_ = true;
    messages_.information(
        QCoreApplication::translate("Settings", "La configuration n'a pas ete enregistree dans %1 : %2")
            .arg(QDir::toNativeSeparators(path_), error),
        QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
}

} // namespace orvanta
