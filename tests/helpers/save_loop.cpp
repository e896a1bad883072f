// Saves Frequences.cfg and the settings file in a loop, alternating the two
// versions of save_versions.h, until it is killed. It writes one byte on its
// standard output once both files have been saved once, so the crash-safety
// test kills it in the middle of its loop rather than while it starts.
//   orvanta_save_loop <station folder> <settings file>
#include "platform/ini_settings_store.h"
#include "platform/message_boxes.h"
#include "save_versions.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Any message means a save failed: end at once with an exit the test reports.
class FailingMessageBoxes final : public orvanta::MessageBoxes {
public:
    void information(const QString &text, const QString &, Icon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::_Exit(3);
    }
    bool question(const QString &, const QString &) override { return false; }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvanta_save_loop <station folder> <settings file>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    FailingMessageBoxes messages;
    orvanta::IniSettingsStore settings(QString::fromLocal8Bit(argv[2]), messages);
    for (long round = 1;; ++round) {
        const int version = int(round % 2);
        QString error;
        if (!orvanta::writeFrequencyFile(folder, orvanta::test::frequencyVersion(version), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 3;
        }
        orvanta::test::saveSettingsVersion(settings, version);
        if (round == 1 && write(STDOUT_FILENO, "r", 1) != 1)
            return 4;
    }
}
