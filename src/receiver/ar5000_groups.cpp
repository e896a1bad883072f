#include "receiver/ar5000_groups.h"

#include <QCoreApplication>

namespace orvanta {

const std::vector<Ar5000Group> &ar5000Groups()
{
    static const std::vector<Ar5000Group> groups = {
        {"Mode", "Mode", {}, {{"AM", "MD1"}, {"FM", "MD0"}, {"LSB", "MD2"}, {"USB", "MD3"}, {"CW", "MD4"}}},
        {"IF_BW",
         "IF BW",
         {},
         {{"3 KHz", "BW1"},
          {"6KHz", "BW2"},
          {"15KHz", "BW3"},
          {"30 KHz", "BW4"},
          {"110 KHz", "BW5"},
          {"220 KHz", "BW6"}}},
        {"Ant", QT_TRANSLATE_NOOP("AR5000", "Antenne"), {}, {{"Ant 1", "AN1"}, {"Ant 2", "AN2"}}},
        {"AF_HPF", "AF HPF", {}, {{"0.05 KHz", "HP0"}, {"0.2 KHz", "HP1"}, {"0.3 KHz", "HP2"}, {"0.4 KHz", "HP3"}}},
        {"AF_LPF", "AF LPF", {}, {{"3  KHz", "LP0"}, {"4  KHz", "LP1"}, {"6  KHz", "LP2"}, {"12  KHz", "LP3"}}},
        {"CAG", QT_TRANSLATE_NOOP("AR5000", "CAG"), {}, {{"Fast", "AC0"}, {"Slow", "AC2"}, {"Off", "ACF"}}},
        {"Prea", "AF Pre Acc", {}, {{"25", "EN0"}, {"50", "EN1"}, {"75", "EN2"}, {"750", "EN3"}, {"THRU", "EN4"}}},
        {"Pas",
         QT_TRANSLATE_NOOP("AR5000", "Pas"),
         "SJ1",
         {{"10 Hz", "ST10"},
          {"100 Hz", "ST100"},
          {"500 Hz", "ST500"},
          {"1 KHz", "ST1.0"},
          {"5KHz", "ST5.0"},
          {"10 KHz", "ST10.0"},
          {"50KHz", "ST50.0"},
          {"100 KHz", "ST100.0"},
          {"500 KHz", "ST500.0"},
          {"1 MHz", "ST1000.0"}}},
    };
    return groups;
}

const Ar5000Group *findAr5000Group(const QString &name)
{
    for (const Ar5000Group &group : ar5000Groups())
        if (group.name == name)
            return &group;
    return nullptr;
}

} // namespace orvanta
