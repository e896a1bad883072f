#pragma once

#include <clocale>
#include <locale.h>

namespace orvanta {

// Within its scope the calling thread writes and reads numbers with a "."
// whatever the user's locale: libraries that format with printf and parse
// with strtod (Hamlib's network and text protocols) would otherwise send
// "12,5" under a French locale. Only this thread is affected.
class CNumericScope {
public:
    CNumericScope()
        : c_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE))), previous_(c_ ? uselocale(c_) : nullptr)
    {
    }
    ~CNumericScope()
    {
        if (!c_)
            return;
        uselocale(previous_);
        freelocale(c_);
    }
    CNumericScope(const CNumericScope &) = delete;
    CNumericScope &operator=(const CNumericScope &) = delete;

private:
    locale_t c_;
    locale_t previous_;
};

} // namespace orvanta
