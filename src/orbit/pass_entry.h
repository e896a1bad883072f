#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One entry of a pass-list text, as the component writes it and the main
// window reads it back. Positions counted from 1:
//   1-9    pass date "DD/MM/YY " (UTC; years 57-99 are 1957-1999, 00-56 are 2000-2056)
//   10-15  acquisition time HHMMSS (UTC)
//   17     direction: N when the satellite heads north at its highest point, S when south
//   19-    acquisition azimuth (whole degrees), maximum elevation (degrees, two decimals),
//          duration (whole seconds) and the name, separated by single blanks,
//          then one final blank.
// Positions 16 and 18 are blanks. Entries are joined by single commas.
namespace orvanta::orbit {

struct PassEntry {
    std::int64_t aosSecond = 0; // whole seconds since 1899-12-30 00:00 UTC
    char direction = 'N';
    int aosAzimuthDeg = 0;
    double maxElevationDeg = 0;
    std::int64_t durationSeconds = 0;
    std::string name;
};

std::string formatPassEntry(const PassEntry &entry);

// The pass fields decoded from one entry, with the full UTC instants of
// acquisition and loss.
struct PassFields {
    std::string Pass_AOS;   // HH:MM:SS
    std::string Pass_LOS;   // HH:MM:SS, the time of day of the real loss (on the next day for a pass over midnight)
    std::string Pass_ElMax; // whole degrees, two digits
    std::string Pass_Dir;
    std::string Pass_Duree; // as written
    std::string Pass_Nom;
    std::int64_t aosSecond = 0;
    std::int64_t losSecond = 0;
};

// Nothing when the entry does not keep to the format above.
std::optional<PassFields> Decode_Passage(std::string_view entry);

// The same fields made from the values themselves, exactly as decoding the
// entry's text would give them.
PassFields passFieldsOf(const PassEntry &entry);

// Seconds since midnight of a time of day "H:M:S" or "H:M" (one or two
// digits each): 5:3:9 and 05:03:09 both give 18189. Nothing for another text.
std::optional<float> Heure_Vers_Secondes(std::string_view time);

// "HH:MM:SS" of whole seconds since midnight (0 to 86399).
std::string Secondes_Vers_Heure(int seconds);

} // namespace orvanta::orbit
