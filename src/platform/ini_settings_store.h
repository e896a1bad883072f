#pragma once

#include "platform/settings_store.h"

#include <QList>
#include <QString>

namespace orvanta {

class MessageBoxes;

// The settings store as one per-user text file a person can read:
//
//   [Setup]
//   Longitude observateur=2
//
// Every change is written atomically (temporary file, flush, rename), so a
// crash never leaves a half-written file. A file that cannot be read or makes
// no sense is reported once; the store then starts from the defaults and the
// old file is kept aside (".corrompu", ".corrompu.1", ...) before anything is
// written over it. At start-up, temporaries a killed save left beside the
// file are removed when the file is newer than they are.
class IniSettingsStore final : public SettingsStore {
public:
    IniSettingsStore(QString path, MessageBoxes &messages, QString application = QStringLiteral("Orvanta"));

    // ~/.config/Orvanta/Orvanta.ini, or under $XDG_CONFIG_HOME when set.
    static QString defaultPath(const QString &application = QStringLiteral("Orvanta"));

    QString path() const { return path_; }

    QString get(const QString &application, const QString &section, const QString &key,
                const QString &defaultValue = QString()) const override;
    void save(const QString &application, const QString &section, const QString &key,
              const QString &value) override;
    void remove(const QString &application, const QString &section, const QString &key) override;
    void beginBatch() override;
    void endBatch() override;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };

    // Removes the temporaries of saves killed before their rename.
    void removeLeftoverTemporaries() const;
    void load();
    // Where a file that could not be read is kept: Orvanta.ini.corrompu, or
    // .corrompu.1, .2 ... when earlier copies are there.
    QString asideName() const;
    QString sectionName(const QString &application, const QString &section) const;
    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;
    void changed();
    void write();
    QByteArray render() const;

    QString path_;
    MessageBoxes &messages_;
    QString application_;
    QList<Section> sections_;
    int batchDepth_ = 0;
    bool dirty_ = false;
    bool setAsideBeforeWriting_ = false;
    bool writeFailureReported_ = false;
};

} // namespace orvanta
