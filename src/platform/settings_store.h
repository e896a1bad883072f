#pragma once

#include <QString>

namespace orvanta {

// Per-user store of text values by application / section / key. Section and
// key names compare without regard to case.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue = QString()) const = 0;
    virtual void save(const QString &application, const QString &section, const QString &key,
                      const QString &value) = 0;
    virtual void remove(const QString &application, const QString &section, const QString &key) = 0;

    // Several changes written to disk as one (see SettingsBatch).
    virtual void beginBatch() {}
    virtual void endBatch() {}
};

// Groups the saves of one operation (a whole configuration, a bank) into one
// write of the store.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore &store) : store_(store) { store_.beginBatch(); }
    ~SettingsBatch() { store_.endBatch(); }
    SettingsBatch(const SettingsBatch &) = delete;
    SettingsBatch &operator=(const SettingsBatch &) = delete;

private:
    SettingsStore &store_;
};

} // namespace orvanta
