#pragma once

#include <QString>

namespace orvanta {

// Modal message boxes. The program's title ("Orvanta") is the usual caption.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~MessageBoxes() = default;
    // OK button only.
    virtual void information(const QString &text, const QString &title = QStringLiteral("Orvanta"),
                             Icon icon = Icon::None) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool question(const QString &text, const QString &title) = 0;
};

} // namespace orvanta
