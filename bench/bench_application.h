#pragma once

#include "platform/settings_store.h"

namespace orvanta::bench {

// The benchmarks' one application object, offscreen unless QT_QPA_PLATFORM
// says otherwise: painting text needs a GUI application and the station's
// windows need widgets. Made at the first call and left for the end of the
// process to reclaim, since later benchmarks may still paint.
void ensureApplication();

// Settings that are never kept: every value is its default.
class NoStore final : public SettingsStore {
public:
    QString get(const QString &, const QString &, const QString &, const QString &fallback) const override
    {
        return fallback;
    }
    void save(const QString &, const QString &, const QString &, const QString &) override {}
    void remove(const QString &, const QString &, const QString &) override {}
};

} // namespace orvanta::bench
