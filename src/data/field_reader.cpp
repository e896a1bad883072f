#include "data/field_reader.h"

namespace orvanta {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

FieldReader::FieldReader(const QString &text) : text_(text) {}

bool FieldReader::atEnd() const
{
    return pos_ >= text_.size();
}

bool FieldReader::onlyBlankLinesLeft() const
{
    for (qsizetype i = pos_; i < text_.size(); ++i)
        if (text_[i] != u' ' && !isLineEnd(text_[i]))
            return false;
    return true;
}

bool FieldReader::skipLineEnd()
{
    if (atEnd() || !isLineEnd(text_[pos_]))
        return false;
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    return true;
}

Field FieldReader::next()
{
    Field field;
    while (!atEnd() && text_[pos_] == u' ')
        ++pos_;
    if (!atEnd() && text_[pos_] == u'"') {
        field.quoted = true;
        ++pos_;
        while (!atEnd() && text_[pos_] != u'"') {
            if (!skipLineEnd())
                field.text.append(text_[pos_++]);
            else
                field.text.append(u'\n');
        }
        if (!atEnd())
            ++pos_; // closing quote
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (!atEnd() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        while (!atEnd() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            field.text.append(text_[pos_++]);
        while (field.text.endsWith(u' '))
            field.text.chop(1);
    }
    if (!atEnd() && text_[pos_] == u',') {
        ++pos_;
        field.endedAtComma = true;
    } else {
        skipLineEnd();
    }
    return field;
}

LineReader::LineReader(const QString &text) : text_(text) {}

bool LineReader::atEnd() const
{
    return pos_ >= text_.size();
}

QString LineReader::next()
{
    const qsizetype start = pos_;
    while (!atEnd() && !isLineEnd(text_[pos_]))
        ++pos_;
    const QString line = text_.mid(start, pos_ - start);
    if (!atEnd()) {
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
            ++pos_;
        ++pos_;
    }
    return line;
}

} // namespace orvanta
