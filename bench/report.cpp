// Runs every benchmark of the project and prints one table of the figures
// that matter to a user, beside their targets, then the program's start-up
// step by step.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cstdio>

namespace {

// A benchmark that failed leaves zeros in its rows; the report then ends as
// a failed run, so that no one quotes them.
bool anyFailed = false;

// Runs one benchmark, its programs in the language given (LANGUAGE).
QJsonObject runJson(const QString& program, const QStringList& arguments, const QString& language = QStringLiteral("en")) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/") + program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed (LANGUAGE=%s): %s\n", qPrintable(program), qPrintable(language),
                     process.readAllStandardError().trimmed().constData());
        anyFailed = true;
        return {};
    }
    const QByteArray out = process.readAllStandardOutput();
    return QJsonDocument::fromJson(out.mid(out.indexOf('{'))).object();
}

void row(const char* what, const QString& figure, const char* target) {
    std::printf("| %-44s | %-36s | %-30s |\n", what, qPrintable(figure), target);
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
    const QJsonObject openbox = runJson(QStringLiteral("next_openbox_bench"), {});
    const QJsonObject openboxSpanish = runJson(QStringLiteral("next_openbox_bench"), {}, QStringLiteral("es"));
    const QJsonObject startup = runJson(QStringLiteral("startup_bench"), {QStringLiteral("30")});
    // Two processes of the bench's own keep both cores busy meanwhile.
    const QJsonObject busy = runJson(QStringLiteral("startup_bench"), {QStringLiteral("15"), QStringLiteral("2")});
    const QJsonObject spanish = runJson(QStringLiteral("startup_bench"), {QStringLiteral("15")}, QStringLiteral("es"));
    // Program / bare, their ratio and what the program costs over the bare one.
    const auto pair = [](const QJsonObject& o, int decimals, const char* unit) {
        const double program = o.value(QStringLiteral("program")).toDouble();
        const double bare = o.value(QStringLiteral("bare")).toDouble();
        return QStringLiteral("%1 / %2 %3 = %4 (+%5 %3)")
            .arg(program, 0, 'f', decimals)
            .arg(bare, 0, 'f', decimals)
            .arg(QLatin1String(unit))
            .arg(bare > 0 ? program / bare : 0, 0, 'f', 2)
            .arg(program - bare, 0, 'f', decimals);
    };
    const auto figures = [&](const char* key) { return startup.value(QLatin1String(key)).toObject(); };
    const auto openboxOf = [](const QJsonObject& run, const char* figure) {
        QJsonObject o;
        o.insert(QStringLiteral("program"), run.value(QStringLiteral("program")).toObject().value(QLatin1String(figure)));
        o.insert(QStringLiteral("bare"), run.value(QStringLiteral("bare")).toObject().value(QLatin1String(figure)));
        return o;
    };

    std::printf("| %-44s | %-36s | %-30s |\n", "Measure", "Figure", "Target");
    std::printf("|%s|%s|%s|\n", QByteArray(46, '-').constData(), QByteArray(38, '-').constData(),
                QByteArray(32, '-').constData());
    row("Draws per second", QStringLiteral("%1 million").arg(drawsPerSecond / 1e6, 0, 'f', 2), "");
    row("One reading composed", QStringLiteral("%1 us").arg(composeUs, 0, 'f', 0), "");
    row("Next to first frame, no window manager",
        QStringLiteral("%1 ms (p90 %2 ms)")
            .arg(next.value(QStringLiteral("median")).toDouble(), 0, 'f', 1)
            .arg(next.value(QStringLiteral("p90")).toDouble(), 0, 'f', 1),
        "");
    row("Next under openbox, program / bare: median", pair(openboxOf(openbox, "median"), 1, "ms"), "ratio within 1.5");
    row("Next under openbox, program / bare: p90", pair(openboxOf(openbox, "p90"), 1, "ms"), "program under 16 ms");
    row("Next under openbox in Spanish: median", pair(openboxOf(openboxSpanish, "median"), 1, "ms"), "ratio within 1.5");
    row("Start to window mapped, program / bare", pair(figures("map_ms"), 1, "ms"), "");
    row("Start to first frame, program / bare", pair(figures("startup_ms"), 1, "ms"), "ratio within 1.15, +6 ms");
    row("Start to first frame, both cores busy", pair(busy.value(QStringLiteral("startup_ms")).toObject(), 1, "ms"),
        "ratio within 1.15, +6 ms");
    row("Start to first frame in Spanish", pair(spanish.value(QStringLiteral("startup_ms")).toObject(), 1, "ms"),
        "ratio within 1.15, +6 ms");
    row("Start-up peak memory, program / bare", pair(figures("peak_mib"), 1, "MiB"), "ratio within 1.2");

    // Where the program's start-up goes (medians; each step's own time).
    std::printf("\n| %-40s | %-10s |\n|%s|%s|\n", "Start-up step", "ms", QByteArray(42, '-').constData(),
                QByteArray(12, '-').constData());
    for (const QJsonValue& step : startup.value(QStringLiteral("steps")).toArray()) {
        const QJsonObject o = step.toObject();
        std::printf("| %-40s | %10.2f |\n", qPrintable(o.value(QStringLiteral("step")).toString()),
                    o.value(QStringLiteral("ms")).toDouble());
    }
    std::printf("\nBare: for start-up, a main window of the program's size and title with one small label;\n"
                "for Next, a name box and a button that open a 653 x 520 window with a Back button.\n"
                "The program costs a fairly fixed number of milliseconds over the bare one, so the ratio\n"
                "grows as the machine (and with it the bare program) gets faster: compare the extra\n"
                "milliseconds across machines, the ratios only on one.\n");
    return anyFailed ? 1 : 0;
}
