// The command line: what it accepts, and the one-line refusals with a
// non-zero status from the real program.
#include <QProcess>
#include <gtest/gtest.h>

#include "start_options.h"

namespace {

zenlith::ParsedOptions parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("zenlith"));
    return zenlith::parseStartOptions(arguments);
}

struct ProgramRun {
    int status;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZENLITH_EXECUTABLE), arguments);
    program.waitForFinished(30000);
    return {program.exitStatus() == QProcess::CrashExit ? -1 : program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

}  // namespace

TEST(StartOptions, AtAndSummerAreRead) {
    const auto options = std::get<zenlith::StartOptions>(
        parse({QStringLiteral("--at"), QStringLiteral("2024-02-29 23:59"), QStringLiteral("--summer"), QStringLiteral("on")}));
    EXPECT_EQ(options.at, (zenlith::CivilDateTime{2024, 2, 29, 23, 59}));
    EXPECT_EQ(options.summerTime, true);
    EXPECT_EQ(std::get<zenlith::StartOptions>(parse({QStringLiteral("--at=-500-07-01 12:00")})).at,
              (zenlith::CivilDateTime{-500, 7, 1, 12, 0}));
    EXPECT_FALSE(std::get<zenlith::StartOptions>(parse({})).at);
    for (const char* wrong : {"2023-02-29 12:00", "2024-13-01 10:00", "2024-1-1 10:00", "0000-01-01 00:00",
                              "2024-01-01 24:00", "2024-01-01 10:60", "1500-02-29 12:00", "tomorrow"}) {
        EXPECT_TRUE(std::holds_alternative<zenlith::OptionError>(parse({QStringLiteral("--at"), QString::fromLatin1(wrong)})))
            << wrong;
    }
    EXPECT_TRUE(std::holds_alternative<zenlith::OptionError>(parse({QStringLiteral("--summer"), QStringLiteral("yes")})));
}

TEST(StartOptions, TheProgramAnswersHelpAndVersionAndRefusesInOneLine) {
    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("zenlith " ZENLITH_VERSION "\n"));
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--at")));
    EXPECT_FALSE(help.out.contains(QStringLiteral("--help-all")));
    const QString at = QStringLiteral("--at=2024-06-21 12:00");
    for (const QStringList& wrong : {QStringList{QStringLiteral("--bogus")},
                                     QStringList{QStringLiteral("--at"), QStringLiteral("2024-02-30 10:00")},
                                     QStringList{QStringLiteral("--summer")}, QStringList{QStringLiteral("extra")},
                                     QStringList{QStringLiteral("--summer=on")}, QStringList{at, at},
                                     QStringList{at, QStringLiteral("--summer=on"), QStringLiteral("--summer=off")}}) {
        const ProgramRun run = runProgram(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(StartOptions, WithoutADisplayTheProgramSaysSoInOneLine) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) noDisplay.remove(QString::fromLatin1(name));
    for (const QString& display : {QString(), QStringLiteral(":98765")}) {
        if (!display.isEmpty()) noDisplay.insert(QStringLiteral("DISPLAY"), display);
        const ProgramRun run = runProgram({}, noDisplay);
        EXPECT_EQ(run.status, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("zenlith: no display was found"))) << run.err.toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    }
}
