#pragma once

#include "orbit/satellites.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The details of one pass, as the pass details window shows them: its
// acquisition, culmination and loss, and a table of positions and
// Doppler-corrected frequencies through the pass.
namespace orvanta {

struct PassDetailRow {
    orbit::JulianDate instant;
    double azimuthDeg = 0;
    double elevationDeg = 0;
    double rangeKm = 0;
    double rangeRateKmS = 0; // positive when the satellite moves away
};

struct PassDetails {
    orbit::PredictedPass pass;
    std::optional<double> downlinkMHz; // the satellite's frequency in the table, when known
    double aosAzimuthDeg = 0;
    double culminationAzimuthDeg = 0;
    double losAzimuthDeg = 0;
    // The sub-satellite point's Maidenhead locator at acquisition, culmination and loss (empty if not computed).
    QString aosLocator, culminationLocator, losLocator;
    int stepSeconds = 30;
    // At acquisition, then at every step on whole seconds of UTC, then at loss.
    std::vector<PassDetailRow> rows;
};

// Rows every 30 s, or every 10 s for passes shorter than 5 minutes. Instants
// where the orbit cannot be computed are left out of the table.
PassDetails passDetails(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                        std::optional<double> downlinkMHz);

// The received frequency of a downlink, MHz, for the satellite's range rate.
double correctedFrequencyMHz(double downlinkMHz, double rangeRateKmS);

// The summary lines: acquisition, culmination, loss and duration.
QString acquisitionText(const PassDetails &details);
QString culminationText(const PassDetails &details);
QString lossText(const PassDetails &details);
QString durationText(double seconds);
// "22 min 07 s", "1 h 04 min 01 s": the duration alone.
QString lengthText(double seconds);
// "Sous le satellite : JN18eu (AOS), JN39ab (TCA), JO50cd (LOS)".
QString subSatelliteLocatorsText(const PassDetails &details);
// "Passage de NAME le DD/MM/YYYY" (the date of acquisition, UTC).
QString passTitle(const orbit::PredictedPass &pass);

// The table: column titles, then each row's cells ("----" for the frequency
// when the satellite has none). Numbers always with a ".".
QStringList detailColumnTitles();
QStringList detailRowCells(const PassDetails &details, const PassDetailRow &row);
// The whole table as text, the titles first: cells separated by tabs, each
// line ended by a newline, ready to paste into a spreadsheet.
QString detailTableText(const PassDetails &details);

} // namespace orvanta
