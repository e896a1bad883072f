#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace orvanta {

// A serial line as the drivers see it: a settings text such as "9600,n,8,1"
// (speed, parity, data bits, stop bits), open/closed, output written in one
// piece, and what the device answers: either handed to a sink as it
// arrives, never waited for (a GS-232 telling where it points), or, on a
// line with no sink, read when asked (the FT-847's read-back).
class SerialLine {
public:
    virtual ~SerialLine() = default;

    virtual QString Settings() const = 0;
    // Applies at once when the line is open, otherwise at the next opening.
    // An ill-formed text is refused (false) and the line keeps its settings.
    virtual bool setSettings(const QString &settings) = 0;

    virtual bool PortOpen() const = 0;
    // Opening a line that cannot be opened reports the device and the reason
    // once, through the line's error sink, and leaves it closed.
    virtual void setPortOpen(bool open) = 0;

    // Written in one piece; dropped when the line is closed.
    virtual void Output(const QByteArray &bytes) = 0;

    // Called on the window's thread with the bytes as they come; a line
    // nobody listens to keeps them for Input().
    virtual void setInputSink(std::function<void(const QByteArray &bytes)> sink) { sink_ = std::move(sink); }
    // What arrived since the last call, without waiting; a line that cannot
    // read gives nothing.
    virtual QByteArray Input() { return {}; }

protected:
    bool hasInputSink() const { return bool(sink_); }
    void received(const QByteArray &bytes)
    {
        if (sink_)
            sink_(bytes);
    }

private:
    std::function<void(const QByteArray &)> sink_;
};

struct LineSettings {
    qint32 baud = 9600;
    char parity = 'n'; // n, e, o, m, s
    int dataBits = 8;
    int stopBits = 1;

    static bool parse(const QString &text, LineSettings &out);
};

} // namespace orvanta
