#pragma once

#include "orbit/element_set.h"

#include <string>
#include <vector>

namespace orvanta::orbit {

// A set that was skipped: the file, the line where the set starts (1-based)
// and why it was refused.
struct ElementFileProblem {
    std::string file;
    int line = 0;
    std::string reason;
};

struct ElementCatalogue {
    std::vector<ElementSet> sets;
    std::vector<ElementFileProblem> problems;
};

// Reads one file, or every "*.txt" of a folder (in name order). Both the
// three-line form (name, line 1, line 2) and the bare two-line form are read.
// Sets the propagation model refuses to start from are problems too. A
// name found twice keeps the set with the newer epoch. A missing or
// unreadable path is reported as a problem, never thrown.
ElementCatalogue readElementFiles(const std::string &fileOrFolder);

// The same reading applied to text already in memory; fileLabel names it in problems.
void readElementText(const std::string &text, const std::string &fileLabel, ElementCatalogue &catalogue);

} // namespace orvanta::orbit
