// Arbitrary refer-a-friend fields through the referral address. Decoding
// the query must give back exactly the five fields in order, then the
// product root, and nothing typed may cut the query or touch the page part.
//
// Input: one mode byte, then the five fields.
//   low bit 0: fields are UTF-8 bytes separated by 0x00 bytes (invalid
//              sequences become U+FFFD before the address is built);
//   low bit 1: fields are UTF-16LE code units separated by U+FFFF, so any
//              QString can be reached, U+0000 and lone surrogates included.
// Missing fields are empty; parts after the fifth are ignored.
//
// A lone surrogate cannot be written as UTF-8. Qt turns each one into a
// single replacement character ('?' in Qt 6.4, U+FFFD elsewhere), so at such
// a place either comes back; every other character must come back as it was.
#include "platform/weblinks.h"
#include "ui/exit/tellafriend.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char *what, const QString &address)
{
    std::fprintf(stderr, "fuzz_referral: %s\naddress: %s\n", what, address.toUtf8().constData());
    std::abort();
}

std::array<QString, 5> SplitFields(const uint8_t *data, size_t size)
{
    std::array<QString, 5> fields;
    if (size == 0)
        return fields;
    const bool wide = data[0] & 1;
    ++data;
    --size;
    size_t field = 0;
    if (!wide) {
        QByteArray current;
        for (size_t i = 0; i < size && field < fields.size(); ++i) {
            if (data[i] == 0) {
                fields[field++] = QString::fromUtf8(current);
                current.clear();
            } else {
                current.append(char(data[i]));
            }
        }
        if (field < fields.size())
            fields[field] = QString::fromUtf8(current);
        return fields;
    }
    for (size_t i = 0; i + 1 < size && field < fields.size(); i += 2) {
        const char16_t unit = char16_t(data[i] | (data[i + 1] << 8));
        if (unit == 0xFFFF)
            ++field;
        else
            fields[field].append(QChar(unit));
    }
    return fields;
}

int HexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1; // lower-case hex is not what the encoder writes
}

bool Unreserved(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
           || c == u'-' || c == u'.' || c == u'_' || c == u'~';
}

// Strict decoding of one query value: only unreserved characters and
// upper-case %XX may appear, and the bytes must be valid UTF-8.
QString DecodeValue(const QString &value, const QString &address)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (Unreserved(c)) {
            bytes.append(char(c.unicode()));
            continue;
        }
        if (c != u'%' || i + 2 >= value.size())
            Fail("character left unencoded in a value", address);
        const int high = HexValue(value.at(i + 1));
        const int low = HexValue(value.at(i + 2));
        if (high < 0 || low < 0)
            Fail("malformed percent escape", address);
        bytes.append(char(high * 16 + low));
        i += 2;
    }
    // A leading U+FEFF is part of the value, not a byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        Fail("value is not valid UTF-8", address);
    return text;
}

// Whether `decoded` is `typed` as it can travel: equal, except that each
// lone surrogate of `typed` may stand as '?' or U+FFFD.
bool SameAsTyped(const QString &typed, const QString &decoded)
{
    qsizetype d = 0;
    for (qsizetype t = 0; t < typed.size(); ++t) {
        const QChar c = typed.at(t);
        if (c.isHighSurrogate() && t + 1 < typed.size() && typed.at(t + 1).isLowSurrogate()) {
            if (decoded.mid(d, 2) != typed.mid(t, 2))
                return false;
            d += 2;
            ++t;
            continue;
        }
        if (d >= decoded.size())
            return false;
        const QChar got = decoded.at(d++);
        if (c.isSurrogate() ? (got != u'?' && got != QChar(QChar::ReplacementCharacter)) : got != c)
            return false;
    }
    return d == decoded.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::array<QString, 5> f = SplitFields(data, size);
    const ReferralFields fields{f[0], f[1], f[2], f[3], f[4]};
    const QString page = ReferralPageAddress();
    const QString root = ProductSiteRoot();

    const QString address = BuildReferralAddress(page, fields, root);

    if (!address.startsWith(page + u'?'))
        Fail("page part changed", address);
    const QStringList pairs = address.mid(page.size() + 1).split(u'&');
    if (pairs.size() != 6)
        Fail("query does not hold six values", address);
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("taf%1=").arg(i + 1);
        if (!pairs[i].startsWith(key))
            Fail("values out of order or renamed", address);
        const QString value = DecodeValue(pairs[i].mid(key.size()), address);
        const bool same = i < 5 ? SameAsTyped(f[i], value) : value == root;
        if (!same)
            Fail("a value does not decode to what was typed", address);
    }

    // A URL parser sees the same page and the same six keys.
    const QUrl url(address, QUrl::StrictMode);
    const QUrl pageUrl(page, QUrl::StrictMode);
    if (!url.isValid() || url.adjusted(QUrl::RemoveQuery) != pageUrl)
        Fail("the address does not parse to the page", address);
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    if (items.size() != 6)
        Fail("a URL parser finds another number of values", address);
    for (int i = 0; i < 6; ++i) {
        if (items[i].first != QStringLiteral("taf%1").arg(i + 1))
            Fail("a URL parser finds other keys", address);
    }
    return 0;
}
