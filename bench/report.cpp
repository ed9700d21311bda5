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
    const auto pair = [&](const char* key, int decimals, const char* unit) {
        const QJsonObject o = startup.value(QLatin1String(key)).toObject();
        return QStringLiteral("%1 / %2 %3 = %4")
            .arg(o.value(QStringLiteral("program")).toDouble(), 0, 'f', decimals)
            .arg(o.value(QStringLiteral("bare")).toDouble(), 0, 'f', decimals)
            .arg(QLatin1String(unit))
            .arg(o.value(QStringLiteral("ratio")).toDouble(), 0, 'f', 2);
    };

    std::printf("| %-40s | %-28s | %-22s |\n", "Measure", "Figure", "Target");
    std::printf("|%s|%s|%s|\n", QByteArray(42, '-').constData(), QByteArray(30, '-').constData(),
                QByteArray(24, '-').constData());
    row("Draws per second", QStringLiteral("%1 million").arg(drawsPerSecond / 1e6, 0, 'f', 2), "");
    row("One reading composed", QStringLiteral("%1 us").arg(composeUs, 0, 'f', 0), "");
    row("Next to first paint (median)",
        QStringLiteral("%1 ms (p90 %2 ms)")
            .arg(next.value(QStringLiteral("median")).toDouble(), 0, 'f', 1)
            .arg(next.value(QStringLiteral("p90")).toDouble(), 0, 'f', 1),
        "p90 under 16 ms");
    row("Start to window mapped: program / bare", pair("map_ms", 1, "ms"), "");
    row("Start to first paint: program / bare", pair("startup_ms", 1, "ms"), "ratio within 1.15");
    row("Start-up peak memory: program / bare", pair("peak_mib", 1, "MiB"), "ratio within 1.2");

    // Where the program's start-up goes (medians; each step's own time).
    std::printf("\n| %-40s | %-10s |\n|%s|%s|\n", "Start-up step", "ms", QByteArray(42, '-').constData(),
                QByteArray(12, '-').constData());
    for (const QJsonValue& step : startup.value(QStringLiteral("steps")).toArray()) {
        const QJsonObject o = step.toObject();
        std::printf("| %-40s | %10.2f |\n", qPrintable(o.value(QStringLiteral("step")).toString()),
                    o.value(QStringLiteral("ms")).toDouble());
    }
    std::printf("\nBare: a main window of the program's size and title with one small label.\n");
    return 0;
}
