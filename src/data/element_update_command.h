#pragma once

#include "data/element_download.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta {

// "orvanta-orbit update --station DIR" (arguments after "update"): downloads
// the element files that have a source and writes one line per file on out.
// Returns 0 when every file with a source was replaced, 1 when a file was
// kept as it was or Sources.cfg has a line that cannot be used (or gives no
// source), 2 for bad arguments (the usage is then written on err).
int runElementUpdateCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err,
                            const DownloadLimits &limits = {});

} // namespace orvanta
