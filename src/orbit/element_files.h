#pragma once

#include "orbit/element_set.h"

#include <string>
#include <vector>

namespace orvanta::orbit {

// A set that was skipped: the file, the line where the set starts (1-based)
// or, in a JSON or XML file, the rank of its object (from 1), and why it
// was refused. Both are 0 for a problem of the whole file.
struct ElementFileProblem {
    std::string file;
    int line = 0;
    std::string reason;
    int record = 0;
};

// "ligne 12", "objet 3", or empty for the whole file.
std::string problemPlace(const ElementFileProblem &problem);

// Files larger than this are refused without being read.
inline constexpr unsigned long long kMaxElementFileBytes = 64ull * 1024 * 1024;

struct ElementCatalogue {
    std::vector<ElementSet> sets;
    std::vector<ElementFileProblem> problems;
};

// Reads one file, or every "*.txt", "*.csv", "*.json" and "*.xml" of a
// folder (in name order). The encoding is told from the content: two-line
// text (the three-line form with a name line, or bare line pairs), or OMM
// as CSV, JSON or XML. In a folder, a "*.csv", "*.json" or "*.xml" file that
// is not OMM belongs to some other program and is passed over in silence.
// Sets the propagation model refuses to start from are problems too. A
// catalogue number found twice keeps the set with the newer epoch; objects
// that then share a name are each named "NAME #12345" after their numbers.
// A missing or unreadable path is reported as a problem, never thrown.
ElementCatalogue readElementFiles(const std::string &fileOrFolder);

// The same reading applied to text already in memory, in any of the
// encodings; fileLabel names it in problems. Names are left as read.
void readElementText(const std::string &text, const std::string &fileLabel, ElementCatalogue &catalogue);

} // namespace orvanta::orbit
