// Runs every benchmark of the project and prints one table of the figures
// that matter to a user, beside their targets.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cstdio>

namespace {

QJsonObject runJson(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/") + program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        return {};
    }
    const QByteArray out = process.readAllStandardOutput();
    return QJsonDocument::fromJson(out.mid(out.indexOf('{'))).object();
}

void row(const char* what, const QString& figure, const char* target) {
    std::printf("| %-40s | %-28s | %-22s |\n", what, qPrintable(figure), target);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QJsonObject engine =
        runJson(QStringLiteral("engine_bench"), {QStringLiteral("--benchmark_format=json"),
                                                 QStringLiteral("--benchmark_min_time=1")});
    double drawsPerSecond = 0;
    double composeUs = 0;
    for (const QJsonValue& entry : engine.value(QStringLiteral("benchmarks")).toArray()) {
        const QJsonObject b = entry.toObject();
        if (b.value(QStringLiteral("name")).toString() == QLatin1String("Draws")) {
            drawsPerSecond = b.value(QStringLiteral("draws/s")).toDouble();
        } else if (b.value(QStringLiteral("name")).toString() == QLatin1String("ReadingComposed")) {
            composeUs = b.value(QStringLiteral("real_time")).toDouble();
        }
    }
    const QJsonObject next = runJson(QStringLiteral("next_paint_bench"), {QStringLiteral("100")})
                                 .value(QStringLiteral("next_to_first_paint_ms")).toObject();
    const QJsonObject startup = runJson(QStringLiteral("startup_bench"), {QStringLiteral("30")});
    const QJsonObject time = startup.value(QStringLiteral("startup_ms")).toObject();
    const QJsonObject memory = startup.value(QStringLiteral("peak_mib")).toObject();

    std::printf("| %-40s | %-28s | %-22s |\n", "Measure", "Figure", "Target");
    std::printf("|%s|%s|%s|\n", QByteArray(42, '-').constData(), QByteArray(30, '-').constData(),
                QByteArray(24, '-').constData());
    row("Draws per second", QStringLiteral("%1 million").arg(drawsPerSecond / 1e6, 0, 'f', 2), "");
    row("One reading composed", QStringLiteral("%1 us").arg(composeUs, 0, 'f', 0), "");
    row("Next to first paint (median)",
        QStringLiteral("%1 ms (p90 %2 ms)")
            .arg(next.value(QStringLiteral("median")).toDouble(), 0, 'f', 1)
            .arg(next.value(QStringLiteral("p90")).toDouble(), 0, 'f', 1),
        "under 16 ms");
    row("Start-up to first paint: program / bare",
        QStringLiteral("%1 / %2 ms = %3")
            .arg(time.value(QStringLiteral("program")).toDouble(), 0, 'f', 0)
            .arg(time.value(QStringLiteral("bare")).toDouble(), 0, 'f', 0)
            .arg(time.value(QStringLiteral("ratio")).toDouble(), 0, 'f', 2),
        "ratio within 1.25");
    row("Start-up peak memory: program / bare",
        QStringLiteral("%1 / %2 MiB = %3")
            .arg(memory.value(QStringLiteral("program")).toDouble(), 0, 'f', 1)
            .arg(memory.value(QStringLiteral("bare")).toDouble(), 0, 'f', 1)
            .arg(memory.value(QStringLiteral("ratio")).toDouble(), 0, 'f', 2),
        "ratio within 1.3");
    return 0;
}
