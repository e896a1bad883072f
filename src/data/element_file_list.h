#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

class MessageBoxes;

// The names of the files the element reader takes in a station folder:
// two-line text ("*.txt") and OMM ("*.csv", "*.json", "*.xml").
QStringList elementFileFilters();
bool isElementFileName(const QString &name);

// Liste_Fichiers: the element files named in Elements.cfg (fields separated
// by commas or line ends), in ascending text order. A missing or unreadable
// file gives an empty list; empty fields name no file and are left out.
QStringList readElementFileList(const QString &folder);

// The "Elements" menu message on where two-line elements come from: six
// lines joined by CR LF.
QString elementSourcesMessage();
void showElementSources(MessageBoxes &messages);

} // namespace orvanta
