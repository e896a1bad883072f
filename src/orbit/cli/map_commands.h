#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The commands about the ground: a satellite's ground track, and the
// windows two stations share.
namespace orvanta::orbit::cli {

// track --elements PATH --sat NAME|NUMBER --start ISO --minutes M --step-s S
int trackCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);
// mutual --elements PATH (--lat DEG --lon DEG [--alt M] | --locator LOC) --locator2 LOC --start ISO
//        [--days N] [--min-elev DEG] [--sat NAME|NUMBER]...
int mutualCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

} // namespace orvanta::orbit::cli
