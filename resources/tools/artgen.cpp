// Renders the product's pictures from their SVG sources.
//
//   artgen MANIFEST SOURCE_DIR OUTPUT_DIR
//
// Each manifest line is "OUTPUT SOURCE WIDTHxHEIGHT [key=value ...]". Every
// "{{key}}" in the source is replaced by its value before rendering, so one
// source can give several pictures (the waiting frames, the corner badges).
// "quality=N" sets the JPEG quality and is not substituted. Blank lines and
// lines starting with '#' are skipped. The output is the same on every run.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

struct Job_s {
    QString output;
    QString source;
    QSize size;
    QList<QPair<QString, QString>> values;
    int quality = 90;
    int line = 0;
};

bool parseLine(const QString& text, int lineNo, Job_s* job, QString* error)
{
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (parts.size() < 3) {
        *error = QStringLiteral("expected OUTPUT SOURCE WxH");
        return false;
    }
    job->line = lineNo;
    job->output = parts[0];
    job->source = parts[1];
    const QStringList wh = parts[2].split(QLatin1Char('x'));
    bool okW = false, okH = false;
    if (wh.size() == 2)
        job->size = QSize(wh[0].toInt(&okW), wh[1].toInt(&okH));
    if (!okW || !okH || job->size.isEmpty()) {
        *error = QStringLiteral("bad size '%1'").arg(parts[2]);
        return false;
    }
    for (int i = 3; i < parts.size(); ++i) {
        const int eq = parts[i].indexOf(QLatin1Char('='));
        if (eq <= 0) {
            *error = QStringLiteral("bad value '%1'").arg(parts[i]);
            return false;
        }
        const QString key = parts[i].left(eq);
        const QString value = parts[i].mid(eq + 1);
        if (key == QLatin1String("quality"))
            job->quality = value.toInt();
        else
            job->values.append({key, value});
    }
    return true;
}

bool render(const Job_s& job, const QString& sourceDir, const QString& outputDir)
{
    QFile f(sourceDir + QLatin1Char('/') + job.source);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "artgen: line %d: cannot read %s\n", job.line, qPrintable(f.fileName()));
        return false;
    }
    QString svg = QString::fromUtf8(f.readAll());
    for (const auto& [key, value] : job.values)
        svg.replace(QStringLiteral("{{%1}}").arg(key), value);
    const QRegularExpression leftover(QStringLiteral("\\{\\{([A-Za-z0-9_]+)\\}\\}"));
    const QRegularExpressionMatch m = leftover.match(svg);
    if (m.hasMatch()) {
        std::fprintf(stderr, "artgen: line %d: %s needs a value for '%s'\n", job.line, qPrintable(job.source),
            qPrintable(m.captured(1)));
        return false;
    }
    QSvgRenderer renderer(svg.toUtf8());
    if (!renderer.isValid()) {
        std::fprintf(stderr, "artgen: line %d: %s is not valid SVG\n", job.line, qPrintable(job.source));
        return false;
    }
    const bool jpeg = job.output.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    QImage image(job.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(jpeg ? Qt::black : Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        renderer.render(&p, QRectF(QPointF(0, 0), job.size));
    }
    const QString out = outputDir + QLatin1Char('/') + job.output;
    QDir().mkpath(QFileInfo(out).absolutePath());
    bool ok;
    if (jpeg)
        ok = image.convertToFormat(QImage::Format_RGB32).save(out, "JPG", job.quality);
    else
        ok = image.convertToFormat(QImage::Format_ARGB32).save(out, "PNG");
    if (!ok)
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(out));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    // Rendering needs no display; fonts come from fontconfig all the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: artgen MANIFEST SOURCE_DIR OUTPUT_DIR\n");
        return 2;
    }
    QFile manifest(QString::fromLocal8Bit(argv[1]));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "artgen: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString sourceDir = QString::fromLocal8Bit(argv[2]);
    const QString outputDir = QString::fromLocal8Bit(argv[3]);
    QTextStream in(&manifest);
    int lineNo = 0, failures = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Job_s job;
        QString error;
        if (!parseLine(line, lineNo, &job, &error)) {
            std::fprintf(stderr, "artgen: line %d: %s\n", lineNo, qPrintable(error));
            ++failures;
            continue;
        }
        if (!render(job, sourceDir, outputDir))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
