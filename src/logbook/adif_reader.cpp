#include "logbook/adif_reader.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <charconv>

namespace orvanta {

namespace {

// Longest value believed: a field longer than this is a damaged length.
constexpr qint64 kLongestValue = 1'000'000;

bool isNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// How many bytes hold `count` UTF-8 characters from `from`; -1 past the end.
qint64 bytesOfCharacters(const QByteArray &bytes, qint64 from, qint64 count)
{
    qint64 at = from;
    for (qint64 n = 0; n < count; ++n) {
        if (at >= bytes.size())
            return -1;
        ++at;
        while (at < bytes.size() && isContinuationByte(bytes[at]))
            ++at;
    }
    return at - from;
}

QString decodeValue(const QByteArray &raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(raw);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(raw);
}

class Parser {
public:
    explicit Parser(const QByteArray &bytes) : bytes_(bytes) {}

    AdifFile run()
    {
        while (true) {
            const qint64 open = bytes_.indexOf('<', at_);
            if (open < 0)
                break;
            at_ = open;
            if (!tag())
                break;
        }
        if (!record_.fields.empty() || damaged_)
            problem(recordStart_, QCoreApplication::translate(
                                      "Journal", "enregistrement incomplet à la fin du fichier (pas de <EOR>)"));
        return std::move(file_);
    }

private:
    // One tag at at_ ('<'), with its value. False when the file ends.
    bool tag()
    {
        const qint64 start = at_;
        qint64 p = start + 1;
        while (p < bytes_.size() && isNameCharacter(bytes_[p]))
            ++p;
        const QByteArray name = bytes_.mid(start + 1, p - start - 1).toUpper();
        if (p >= bytes_.size())
            return fatal(start, QCoreApplication::translate("Journal", "balise coupée par la fin du fichier"));
        if (name.isEmpty()) {
            at_ = start + 1; // a lone '<' in free text
            return true;
        }
        if (bytes_[p] == '>') {
            at_ = p + 1;
            if (name == "EOR")
                endRecord();
            else if (name == "EOH")
                endHeader();
            return true;
        }
        if (bytes_[p] != ':') {
            at_ = start + 1;
            return true;
        }
        // The length, then an optional type indicator.
        const qint64 close = bytes_.indexOf('>', p);
        if (close < 0)
            return fatal(
                start,
                QCoreApplication::translate("Journal", "balise « %1 » sans « > »").arg(QString::fromLatin1(name)));
        const QByteArray spec = bytes_.mid(p + 1, close - p - 1);
        const qint64 colon = spec.indexOf(':');
        const QByteArray digits = (colon < 0 ? spec : spec.left(colon)).trimmed();
        qint64 length = -1;
        const auto [end, error] = std::from_chars(digits.constData(), digits.constData() + digits.size(), length);
        if (digits.isEmpty() || error != std::errc() || end != digits.constData() + digits.size() || length < 0 ||
            length > kLongestValue) {
            damage(start, QCoreApplication::translate("Journal", "longueur « %1 » du champ %2 illisible")
                              .arg(QString::fromLatin1(digits), QString::fromLatin1(name)));
            at_ = close + 1;
            return true;
        }
        const qint64 valueStart = close + 1;
        if (valueStart + length > bytes_.size())
            return fatal(start, QCoreApplication::translate(
                                    "Journal", "le champ %1 annonce %2 octets au-delà de la fin du fichier")
                                    .arg(QString::fromLatin1(name))
                                    .arg(valueStart + length - bytes_.size()));
        qint64 taken = length;
        // A length counted in characters (as some loggers do) ends inside a
        // character, or short of the next tag: count again in characters.
        if (!endsValue(valueStart + length) && hasMultibyte(valueStart, length)) {
            const qint64 inCharacters = bytesOfCharacters(bytes_, valueStart, length);
            if (inCharacters >= 0 && endsValue(valueStart + inCharacters))
                taken = inCharacters;
        }
        const QByteArray raw = bytes_.mid(valueStart, taken);
        for (qint64 k = 0; k < raw.size(); ++k) {
            const auto c = static_cast<unsigned char>(raw[k]);
            if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') {
                damage(valueStart + k, QCoreApplication::translate(
                                           "Journal", "caractère de contrôle dans le champ %1 (fichier binaire ?)")
                                           .arg(QString::fromLatin1(name)));
                break;
            }
        }
        if (record_.fields.empty() && !damaged_)
            recordStart_ = start;
        record_.fields.push_back({QString::fromLatin1(name), decodeValue(raw)});
        at_ = valueStart + taken;
        return true;
    }

    // Where a value may end: the end, a blank or the next tag.
    bool endsValue(qint64 at) const
    {
        if (at >= bytes_.size())
            return true;
        const char c = bytes_[at];
        return c == '<' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
    }

    bool hasMultibyte(qint64 from, qint64 count) const
    {
        for (qint64 k = from; k < from + count; ++k)
            if (static_cast<unsigned char>(bytes_[k]) >= 0x80)
                return true;
        return false;
    }

    void endRecord()
    {
        ++number_;
        if (damaged_) {
            file_.problems.push_back({number_, damageAt_, damageReason_});
        } else if (!record_.fields.empty()) {
            record_.number = number_;
            record_.offset = recordStart_;
            file_.records.push_back(std::move(record_));
        } else {
            --number_; // an <EOR> with nothing before it is no record
        }
        record_ = {};
        damaged_ = false;
    }

    void endHeader()
    {
        if (file_.records.empty() && number_ == 0 && !damaged_)
            file_.header = std::move(record_.fields);
        record_ = {};
        damaged_ = false;
    }

    // Spoils the record being read: it is skipped at its <EOR>.
    void damage(qint64 offset, const QString &reason)
    {
        if (!damaged_) {
            damaged_ = true;
            damageAt_ = offset;
            damageReason_ = reason;
            if (record_.fields.empty())
                recordStart_ = offset;
        }
    }

    // Spoils the record being read, where the file cannot be read further.
    bool fatal(qint64 offset, const QString &reason)
    {
        damage(offset, reason);
        at_ = bytes_.size();
        return false;
    }

    void problem(qint64 offset, const QString &reason)
    {
        file_.problems.push_back({number_ + 1, damaged_ ? damageAt_ : offset, damaged_ ? damageReason_ : reason});
    }

    const QByteArray &bytes_;
    qint64 at_ = 0;
    AdifFile file_;
    AdifRecord record_;
    qint64 recordStart_ = 0;
    int number_ = 0;
    bool damaged_ = false;
    qint64 damageAt_ = 0;
    QString damageReason_;
};

} // namespace

QString AdifRecord::value(const QString &name) const
{
    for (const AdifField &field : fields)
        if (field.name == name)
            return field.value;
    return {};
}

AdifFile readAdif(const QByteArray &bytes)
{
    return Parser(bytes).run();
}

QString adifProblemText(const AdifProblem &problem)
{
    return QStringLiteral("enregistrement %1 (octet %2) : %3").arg(problem.record).arg(problem.offset).arg(problem.reason);
}

} // namespace orvanta
