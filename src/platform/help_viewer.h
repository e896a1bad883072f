#pragma once

#include <QString>

namespace orvanta {

// Shows the user manual, an HTML page.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void show(const QString &htmlFile) = 0;
};

} // namespace orvanta
