#pragma once

#include <QString>

namespace orvanta {

// One field of a comma- or line-separated text file.
struct Field {
    QString text;
    bool quoted = false;
    bool endedAtComma = false;
};

// Reads a text as a stream of fields, the way the station files have always
// been read: blanks before a field are skipped; a field that begins with a
// double quote runs to the next double quote; any other field runs to the
// next comma or line end and loses its trailing blanks. The comma or line end
// that ends a field is consumed. CR LF, LF and a lone CR all end a line.
class FieldReader {
public:
    explicit FieldReader(const QString &text);
    bool atEnd() const;
    // True when nothing but blanks and line ends is left.
    bool onlyBlankLinesLeft() const;
    Field next();

private:
    // Consumes a line end at the current position, if there is one.
    bool skipLineEnd();

    QString text_;
    qsizetype pos_ = 0;
};

// Reads a text one whole line per call, without its line end.
class LineReader {
public:
    explicit LineReader(const QString &text);
    bool atEnd() const;
    QString next();

private:
    QString text_;
    qsizetype pos_ = 0;
};

} // namespace orvanta
