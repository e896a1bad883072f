#pragma once

#include <QString>

namespace orvanta {

// The station's configuration values, shared by every window. Numbers are
// single precision, as they are stored and read back.
struct ConfigStation {
    float Long_Obs = 0;        // observer longitude, degrees east
    float Lat_Obs = 0;         // observer latitude, degrees north
    float Alt_Obs = 0;         // observer altitude, metres
    float Elev_Min = 0;        // minimum elevation of passes, degrees
    float Repetition = 0;      // seconds between two tracking cycles
    float Passage_Min = 0;     // minimum pass time, seconds
    float Park_Azimut = 0;     // park azimuth, degrees
    float Park_Site = 0;       // park elevation, degrees
    float Azimut_Seul = 0;     // 1: the rotor turns in azimuth only
    float Cal_Azimut_0 = 0;    // FodTrack interface value for azimuth 0
    float Cal_Azimut_360 = 0;  // ... for azimuth 360
    float Cal_Site_0 = 0;      // ... for elevation 0
    float Cal_Site_90 = 0;     // ... for elevation 90
    float Nb_Sat_Banque1 = 0;  // satellites stored in each bank
    float Nb_Sat_Banque2 = 0;
    float Nb_Sat_Banque3 = 0;
    QString Recepteur;         // "AR5000" or "FT847"
    QString Interface_Rotor;   // "Fodtrack" or "GS232"
    float Vitesse_Com1 = 0;    // receiver line speed, baud
    float Vitesse_Com2 = 0;    // rotor line speed, baud
    float Adresse_LPT = 0;     // parallel port base address (888 = 0x378)
};

inline const QString kApplication = QStringLiteral("Orvanta");
inline const QString kSetupSection = QStringLiteral("Setup");
// The interface's language, "fr" or "en"; none: the desktop's.
inline const QString kLanguageKey = QStringLiteral("Langue");

} // namespace orvanta
