#pragma once

#include <QByteArray>

namespace orvanta {

// The page's texts in the station's language, as the script "/texts.js"
// setting ORVANTA_PAGE: the page is written in French and replaces each of its
// texts found in ORVANTA_PAGE.textes (French text to shown text, empty when
// the station speaks French) and takes ORVANTA_PAGE.langue as its language.
QByteArray remotePageTexts();

} // namespace orvanta
