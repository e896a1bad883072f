#pragma once

#include <QString>

namespace orvanta {

// Message boxes. The program's title ("Orvanta") is the usual caption. A
// modal box dispatches events while it waits for its OK, so whatever a timer,
// an alarm or a device says goes through notice, which holds nothing.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~MessageBoxes() = default;
    // OK button only.
    virtual void information(const QString &text, const QString &title = QStringLiteral("Orvanta"),
                             Icon icon = Icon::None) = 0;
    // Shown without waiting for the operator: returns at once. Boxes that
    // never wait (recordings, a log) show it as information.
    virtual void notice(const QString &text, const QString &title = QStringLiteral("Orvanta"),
                        Icon icon = Icon::None)
    {
        information(text, title, icon);
    }
    // Yes/No with the question icon; true for Yes.
    virtual bool question(const QString &text, const QString &title) = 0;
};

} // namespace orvanta
