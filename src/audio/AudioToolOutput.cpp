#include "audio/AudioToolOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace AudioToolOutput {

namespace {

const QLatin1String kMarker("# 54656C6C6F7261 -");

// "WORD N: ID [NAME]" at the start of text: the number, the id before the
// bracket and the name inside it. end gets the position after "]".
bool parseGroup(const QString& text, QLatin1String word, int* number, QString* id, QString* name, qsizetype* end)
{
    if (!text.startsWith(word))
        return false;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const qsizetype open = text.indexOf(QLatin1Char('['), colon + 1);
    const qsizetype close = text.indexOf(QLatin1Char(']'), open + 1);
    if (colon < 0 || open < 0 || close < 0)
        return false;
    bool ok = false;
    const int n = text.mid(word.size(), colon - word.size()).trimmed().toInt(&ok);
    if (!ok || n < 0)
        return false;
    *number = n;
    *id = text.mid(colon + 1, open - colon - 1).trimmed();
    *name = text.mid(open + 1, close - open - 1);
    *end = close + 1;
    return true;
}

int number(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

} // namespace

bool parseCardLine(const QString& line, st_audiohwinfo* info)
{
    st_audiohwinfo r;
    qsizetype cardEnd = 0;
    if (!parseGroup(line, QLatin1String("card"), &r.cardIndex, &r.cardId, &r.cardName, &cardEnd))
        return false;
    const qsizetype at = line.indexOf(QLatin1String(" device"), cardEnd);
    if (at < 0)
        return false;
    const QString dev = line.mid(at + 1).trimmed();
    qsizetype devEnd = 0;
    if (!parseGroup(dev, QLatin1String("device"), &r.devIndex, &r.devId, &r.devName, &devEnd))
        return false;
    r.card = line.left(cardEnd);
    r.dev = dev.left(devEnd);
    r.line = line;
    r.setCard = r.card;
    r.setCardId = r.cardId;
    r.setCardName = r.cardName;
    r.setDev = r.dev;
    r.setDevId = r.devId;
    r.setDevName = r.devName;
    *info = r;
    return true;
}

QList<st_audiohwinfo> devices(const QByteArray& listing)
{
    QList<st_audiohwinfo> list;
    const QStringList lines = QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        st_audiohwinfo r;
        if (!parseCardLine(line, &r))
            continue;
        if (r.setCardName.contains(QLatin1String("nvidia"), Qt::CaseInsensitive))
            r.setDevName.replace(QLatin1String("HDMI"), QLatin1String("Output"));
        // A KAB card names itself "Generic" too but has outputs of its own.
        if (!r.setCardName.contains(QLatin1String("KAB"), Qt::CaseInsensitive)
            && r.setCardName.contains(QLatin1String("Generic"), Qt::CaseInsensitive)) {
            r.setCard = QStringLiteral("NAS Audio");
            r.setDevName = QStringLiteral("Analog");
        }
        list.append(r);
    }
    return list;
}

bool sinks(const QByteArray& json, QList<SinkRef_s>* out)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (!doc.isArray())
        return false;
    out->clear();
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject sink = v.toObject();
        const QStringList name = sink.value(QLatin1String("name")).toString().split(QLatin1Char(':'));
        if (name.size() != 2 || !sink.value(QLatin1String("index")).isDouble())
            continue;
        const QStringList numbers = name.at(1).split(QLatin1Char(','));
        if (numbers.size() != 2)
            continue;
        const SinkRef_s ref {
            number(numbers.at(0)), number(numbers.at(1)), sink.value(QLatin1String("index")).toInt(-1)};
        if (ref.card >= 0 && ref.dev >= 0)
            out->append(ref);
    }
    return true;
}

UserConf_s parseUserConf(const QByteArray& text)
{
    UserConf_s conf;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(kMarker)) {
            conf.key = line.mid(kMarker.size()).trimmed();
            continue;
        }
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() != 2)
            continue;
        if (words.at(0) == QLatin1String("defaults.pcm.card"))
            conf.card = number(words.at(1));
        else if (words.at(0) == QLatin1String("defaults.pcm.device"))
            conf.dev = number(words.at(1));
    }
    return conf;
}

QByteArray userConfText(const QString& key, int card, int dev)
{
    // Built by concatenation: a key may hold "%1" and must stay as it is.
    return (kMarker + QLatin1Char(' ') + key + QLatin1String("\ndefaults.pcm.card ") + QString::number(card)
        + QLatin1String("\ndefaults.pcm.device ") + QString::number(dev) + QLatin1Char('\n'))
        .toUtf8();
}

} // namespace AudioToolOutput
