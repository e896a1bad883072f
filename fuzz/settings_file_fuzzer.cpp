// The per-user settings file: a damaged file is reported once and set aside,
// the store starts from the defaults, and the next save writes a sound file.
#include "platform/ini_settings_store.h"
#include "platform/message_boxes.h"
#include "scratch_folder.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

class CountingMessageBoxes final : public orvanta::MessageBoxes {
public:
    void information(const QString &text, const QString &, Icon) override
    {
        if (text.isEmpty())
            std::abort(); // a refusal must say something
        ++shown;
    }
    bool question(const QString &, const QString &) override { return false; }
    int shown = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace orvanta;
    fuzz::clearScratchFolder();
    const QString path = QString::fromStdString(fuzz::writeScratchFile("Orvanta.ini", data, size));

    CountingMessageBoxes messages;
    {
        IniSettingsStore store(path, messages);
        store.get(QStringLiteral("Orvanta"), QStringLiteral("Setup"), QStringLiteral("Longitude observateur"));
        store.get(QStringLiteral("Orvanta"), QStringLiteral("Banque 1"), QStringLiteral("Satellite 1"));
        store.save(QStringLiteral("Orvanta"), QStringLiteral("Setup"), QStringLiteral("Latitude observateur"),
                   QStringLiteral("48.85\r\n\\"));
    }
    if (messages.shown > 1)
        std::abort(); // reported once, not once per access

    // What the store wrote must read back without a complaint.
    CountingMessageBoxes again;
    IniSettingsStore reread(path, again);
    if (again.shown != 0
        || reread.get(QStringLiteral("Orvanta"), QStringLiteral("Setup"), QStringLiteral("Latitude observateur"))
               != QStringLiteral("48.85\r\n\\"))
        std::abort();
    return 0;
}
