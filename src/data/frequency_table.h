#pragma once

#include <QString>

#include <array>

namespace orvanta {

// The frequency table in memory: record i of Frequences.cfg sits in slot i
// (1 to 200); slot 0 is never used. Slots past the last loaded record keep
// whatever an earlier load left in them.
struct FrequencyTable {
    static constexpr int Slots = 200;

    std::array<QString, Slots + 1> Freq_Noms;
    std::array<QString, Slots + 1> Freq_Valeurs;
    std::array<QString, Slots + 1> Freq_Modes;
    int Nb_Freq = 0;
    // After a load: the first free slot. In the editor: the record being edited.
    int Index_Freq = 1;
};

// The four receiver modes; option n of the editors stands for mode n.
inline const std::array<QString, 4> &frequencyModes()
{
    static const std::array<QString, 4> modes = {QStringLiteral("Mode A"), QStringLiteral("Mode B"),
                                                 QStringLiteral("Mode C"), QStringLiteral("Mode D")};
    return modes;
}

// 1 to 4 for "Mode A" to "Mode D", 0 for any other text.
int modeOption(const QString &mode);

} // namespace orvanta
