#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace orvanta::test {

// The C library's locale set to French for the life of the object, as the
// operators run the program, then put back. A test that needs it fails when
// the system lacks it: passing without it would prove nothing.
class FrenchLocale {
public:
    FrenchLocale() : previous_(std::setlocale(LC_ALL, nullptr))
    {
        active_ = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
        EXPECT_TRUE(active_) << "the fr_FR.UTF-8 locale is missing: run scripts/setup.sh";
    }
    ~FrenchLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    FrenchLocale(const FrenchLocale &) = delete;
    FrenchLocale &operator=(const FrenchLocale &) = delete;

    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

} // namespace orvanta::test
