#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The commands of orvanta-log: the log of contacts from the command line,
// for upload scripts run from cron.
namespace orvanta {

// Runs one command line (the arguments after the program's name). Returns
// the exit status: 0 done, 1 failed (the log or a file unusable, a damaged
// record skipped), 2 bad arguments (the usage is then written on err).
int runLogCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

std::string logUsage();

} // namespace orvanta
