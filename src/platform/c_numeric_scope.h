#pragma once

#include <clocale>
#include <locale.h>
#include <mutex>
#include <string>

namespace orvanta {

// Within its scope numbers are written and read with a "." whatever the
// user's locale: libraries that format with printf and parse with strtod
// (Hamlib's network and text protocols) would otherwise send "12,5" under a
// French locale.
//
// The calling thread gets a C numeric locale of its own. The process-wide
// numeric locale is also set to "C" for the scope, under one lock: Hamlib's
// opening saves the name setlocale gives, sets "C" and restores the saved
// name, which the second call has already freed unless the name was "C".
// Nothing else in the station reads the C library's numeric locale.
class CNumericScope {
public:
    CNumericScope()
        : lock_(processLocale()), processName_(currentName()),
          c_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE))), previous_(c_ ? uselocale(c_) : nullptr)
    {
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumericScope()
    {
        std::setlocale(LC_NUMERIC, processName_.c_str());
        if (!c_)
            return;
        uselocale(previous_);
        freelocale(c_);
    }
    CNumericScope(const CNumericScope &) = delete;
    CNumericScope &operator=(const CNumericScope &) = delete;

private:
    static std::recursive_mutex &processLocale()
    {
        static std::recursive_mutex mutex;
        return mutex;
    }
    static std::string currentName()
    {
        const char *name = std::setlocale(LC_NUMERIC, nullptr);
        return name ? name : "C";
    }

    std::lock_guard<std::recursive_mutex> lock_;
    std::string processName_; // a copy: the next setlocale frees the library's text
    locale_t c_;
    locale_t previous_;
};

} // namespace orvanta
