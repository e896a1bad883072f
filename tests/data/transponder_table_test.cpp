#include "data/satnogs_import.h"
#include "data/transponder_table.h"
#include "station_folder.h"

#include <gtest/gtest.h>

namespace orvanta {

void PrintTo(const Transponder &transponder, std::ostream *out)
{
    *out << transponderLine(transponder).toStdString();
}

namespace {

const Transponder kFo29{24278, "Mode JA", 145900000, 146000000, 435800000, 435900000, true, "LSB", "USB", 0, true};
const Transponder kIss{25544, "Relais FM", 145990000, 145990000, 437800000, 437800000, false, "FM", "FM", 67, true};

TEST(TransponderTable, LinesReadBackAndBadLinesAreSaidAndLeftOut)
{
    test::StationFolder folder;
    EXPECT_FALSE(readTransponderFile(folder.path(), transponderFileName).found);
    folder.writeLines("Transpondeurs.cfg", {
                                               "# comment",
                                               transponderLine(kFo29),
                                               "",
                                               "7530;Balise;;;145977500;;non;;CW;;NON",
                                               "7530;Mode B;432175000;432125000;145925000;145975000;oui;LSB;USB;;oui",
                                               "7530;Mode A;145850000;;29400000;29500000;non;USB;USB;;oui",
                                               "24278;Balise;;;435795000;435795000;peut-etre;;CW;;oui",
                                               "24278;Court;1;2",
                                               " 25544 ; Relais FM ;145990000;145990000;437800000;437800000;non;FM;FM;67.0;oui",
                                               "x;Nom;;;435000000;435000000;non;;FM;;oui",
                                               "1;Tone;;;435000000;435000000;non;;FM;67,0;oui",
                                               "24278;Mode JA;145900000;146000000;435800000;4359000000;oui;LSB;USB;;oui",
                                               "2;Hors bande;;;400500000;400500000;non;;FM;;oui",
                                               "3;Montee HF;7000000;7100000;430000000;439000000;oui;LSB;USB;;oui",
                                           });
    const TransponderFile file = readTransponderFile(folder.path(), transponderFileName);
    EXPECT_TRUE(file.found);
    EXPECT_EQ(file.entries, (std::vector<Transponder>{kFo29, kIss}));
    const QStringList problems = {
        "Transpondeurs.cfg, ligne 4 : la descente a besoin de ses deux bords, bas et haut, ou d'aucun ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 5 : le bord bas de la montée (432175000 Hz) est au-dessus de son bord haut "
        "(432125000 Hz) ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 6 : la montée a besoin de ses deux bords, bas et haut, ou d'aucun ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 7 : « inverse » vaut « peut-etre » au lieu de oui ou non ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 8 : 11 champs séparés par « ; » attendus, 4 trouvés ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 10 : le numéro de catalogue « x » n'est pas un nombre positif ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 11 : la tonalité CTCSS « 67,0 » n'est pas une fréquence en Hz ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 12 : la descente s'étend de 435.8 à 4359 MHz, plus large que tout transpondeur "
        "(10 MHz au plus) ; cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 13 : la descente (400.5 à 400.5 MHz) n'est dans aucune bande des satellites amateurs ; "
        "cette ligne est ignorée",
        "Transpondeurs.cfg, ligne 14 : la montée tomberait à -1.9 MHz au bord de la descente ; cette ligne est ignorée",
    };
    EXPECT_EQ(file.problems, problems);

    // Lines ended by a lone CR, as some editors still write them, read the same.
    folder.write("Transpondeurs.cfg", (transponderLine(kFo29) + "\r" + transponderLine(kIss) + "\r").toLatin1());
    EXPECT_EQ(readTransponderFile(folder.path(), transponderFileName).entries, (std::vector<Transponder>{kFo29, kIss}));
}

TEST(TransponderTable, TheOperatorsEntriesWinOverTheImport)
{
    test::StationFolder folder;
    Transponder edited = kFo29;
    edited.name = "mode ja";
    edited.downlinkLow = 435810000;
    Transponder beacon = kFo29;
    beacon.name = "Balise";
    beacon.uplinkLow = beacon.uplinkHigh = 0;
    beacon.downlinkLow = beacon.downlinkHigh = 435795000;
    folder.writeLines("Transpondeurs.cfg", {transponderLine(edited)});
    folder.writeLines("Transpondeurs_SatNOGS.cfg", {transponderLine(kFo29), transponderLine(beacon), transponderLine(kIss)});
    const TransponderTable table = loadTransponders(folder.path());
    EXPECT_EQ(table.entries, (std::vector<Transponder>{edited, beacon, kIss}));
    EXPECT_EQ(table.imported, 2);
    EXPECT_EQ(table.forSatellite(24278), (std::vector<Transponder>{edited, beacon}));
    EXPECT_TRUE(table.problems.isEmpty());
}

constexpr char kSatnogs[] = R"([
 {"uuid":"a1","description":"Mode V/U Linear","alive":true,"type":"Transponder","uplink_low":145900000,
  "uplink_high":146000000,"downlink_low":435800000,"downlink_high":435900000,"mode":"USB","uplink_mode":"LSB",
  "invert":true,"baud":null,"norad_cat_id":24278,"status":"active"},
 {"uuid":"a2","description":"CW; beacon","alive":false,"type":"Transmitter","uplink_low":null,"uplink_high":null,
  "downlink_low":435795000,"downlink_high":null,"mode":"CW","uplink_mode":null,"invert":false,"norad_cat_id":24278,
  "status":"active"},
 {"uuid":"a3","description":"CW; beacon","alive":true,"type":"Transmitter","downlink_low":435795000,
  "norad_cat_id":24278,"status":"inactive"},
 {"uuid":"b1","description":"Wrong","alive":true,"downlink_low":436000000,"downlink_high":435000000,"norad_cat_id":7530},
 {"uuid":"b2","description":"Bad","alive":true,"downlink_low":436000000,"norad_cat_id":7530,"status":"invalid"},
 {"uuid":"b3","description":"Not yet","alive":true,"downlink_low":436000000,"norad_cat_id":null},
 {"uuid":"b5","description":"Huge","alive":true,"downlink_low":436000000,"norad_cat_id":1e30},
 {"uuid":"b4","description":"Uplink only","alive":true,"uplink_low":145000000,"downlink_low":null,"norad_cat_id":7530}
])";

TEST(SatnogsImport, TransmittersBecomeEntriesAndTheFileIsReplacedOnlyBySoundLists)
{
    test::StationFolder folder;
    folder.write("list.json", kSatnogs);
    const SatnogsImport done = importSatnogsFile(folder.path(), folder.file("list.json"));
    EXPECT_TRUE(done.done);
    EXPECT_TRUE(done.message.startsWith("3 émetteurs de 1 satellites importés de list.json dans Transpondeurs_SatNOGS.cfg "
                                        "(données SatNOGS DB, licence CC BY-SA 4.0)."))
        << done.message.toStdString();
    EXPECT_TRUE(done.message.contains("5 émetteurs laissés de côté :\n"
                                      "b1 : bord bas de la descente (436000000 Hz) au-dessus du bord haut (435000000 Hz)\n"
                                      "b2 : marqué invalide dans SatNOGS DB\nb3 : sans numéro de catalogue\n"
                                      "b5 : sans numéro de catalogue\n"
                                      "b4 : sans fréquence de descente"))
        << done.message.toStdString();
    const Transponder linear{24278, "Mode V/U Linear", 145900000, 146000000, 435800000, 435900000, true, "LSB", "USB",
                             0, true};
    const Transponder beacon{24278, "CW, beacon", 0, 0, 435795000, 435795000, false, "", "CW", 0, false};
    Transponder second = beacon;
    second.name = "CW, beacon (2)";
    second.downlinkMode.clear();
    EXPECT_EQ(loadTransponders(folder.path()).entries, (std::vector<Transponder>{linear, beacon, second}));

    const QByteArray kept = folder.read("Transpondeurs_SatNOGS.cfg");
    const std::pair<QByteArray, QString> bad[] = {
        {"<html>", "ce n'est pas un document JSON complet"},
        {"[{\"uuid\":\"a1\",", "ce n'est pas un document JSON complet"},
        {"{\"results\":[]}", "ce n'est pas une liste d'émetteurs SatNOGS DB (le document n'est pas une liste)"},
        {"[]", "la liste ne contient aucun émetteur"},
        {"[1]", "ce n'est pas une liste d'émetteurs SatNOGS DB (l'élément 1 de la liste n'est pas un objet)"},
        {R"([{"uuid":"u","norad_cat_id":1,"downlink_low":"435 MHz"}])",
         "ce n'est pas une liste d'émetteurs SatNOGS DB (le champ « downlink_low » de l'émetteur u n'est pas un nombre)"},
        {R"([{"id":7,"name":"OMM"}])", "ce n'est pas une liste d'émetteurs SatNOGS DB (l'émetteur n° 1 n'a pas de "
                                      "champ « uuid »)"},
        {R"([{"uuid":"u","norad_cat_id":null,"downlink_low":null}])", "aucun de ses 1 émetteurs n'est utilisable"},
    };
    for (const auto &[bytes, why] : bad) {
        folder.write("bad.json", bytes);
        const SatnogsImport refused = importSatnogsFile(folder.path(), folder.file("bad.json"));
        EXPECT_FALSE(refused.done);
        EXPECT_EQ(refused.message, "Le fichier bad.json n'a pas été importé : " + why +
                                       ".\nTranspondeurs_SatNOGS.cfg n'a pas été modifié.");
        EXPECT_EQ(folder.read("Transpondeurs_SatNOGS.cfg"), kept);
    }
    EXPECT_FALSE(importSatnogsFile(folder.path(), folder.file("absent.json")).done);

    // Without a description the type names the entry, and it cannot split its line either.
    folder.write("typed.json", R"([{"uuid":"t1","type":"FM;voice","downlink_low":435000000,"norad_cat_id":7530}])");
    ASSERT_TRUE(importSatnogsFile(folder.path(), folder.file("typed.json")).done);
    const TransponderTable typed = loadTransponders(folder.path());
    EXPECT_TRUE(typed.problems.isEmpty()) << typed.problems.join('\n').toStdString();
    ASSERT_EQ(typed.entries.size(), 1u);
    EXPECT_EQ(typed.entries[0].name, "FM,voice");
}

} // namespace
} // namespace orvanta
