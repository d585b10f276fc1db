#include "start_options.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstdlib>

#include "time_step.h"

namespace zenlith {

namespace {

std::optional<CivilDateTime> readInstant(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(-?\\d{1,4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const CivilDateTime when{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                             match.captured(4).toInt(), match.captured(5).toInt()};
    if (!isValidCivilDateTime(when) || when.hour == 24 || when.year == 0 || std::abs(when.year) > latestStepYear) {
        return std::nullopt;
    }
    return when;
}

}  // namespace

ParsedOptions parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zenlith, a sky calculator for any place on Earth (at first 32 N, 35 E)"));
    // Not addHelpOption(): its --help-all would list Qt's own options, which
    // this parser does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Displays version information."));
    parser.addOption(version);
    const QCommandLineOption at(QStringLiteral("at"),
                                QStringLiteral("Open at this local time of the place last chosen, computed."),
                                QStringLiteral("YYYY-MM-DD HH:MM"));
    const QCommandLineOption summer(QStringLiteral("summer"),
                                    QStringLiteral("With --at: summer time on or off, instead of the place's clock rules."),
                                    QStringLiteral("on|off"));
    parser.addOption(at);
    parser.addOption(summer);
    if (!parser.parse(arguments)) return OptionError{parser.errorText()};
    if (parser.isSet(help)) return ImmediateAnswer{parser.helpText()};
    if (parser.isSet(version)) {
        return ImmediateAnswer{QStringLiteral("zenlith " ZENLITH_VERSION "\n")};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return OptionError{QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first())};
    }
    for (const QCommandLineOption* once : {&at, &summer}) {
        if (parser.values(*once).size() > 1) {
            return OptionError{QStringLiteral("--%1 is given more than once").arg(once->names().constFirst())};
        }
    }
    if (parser.isSet(summer) && !parser.isSet(at)) {
        return OptionError{QStringLiteral("--summer needs --at: without it the clock's time follows the place's clock")};
    }
    StartOptions options;
    if (parser.isSet(at)) {
        options.at = readInstant(parser.value(at));
        if (!options.at) {
            return OptionError{QStringLiteral("--at wants an existing local time \"YYYY-MM-DD HH:MM\" in years "
                                              "-9998 to 9998 (not 0), not \"%1\"")
                                   .arg(parser.value(at))};
        }
    }
    if (parser.isSet(summer)) {
        const QString value = parser.value(summer);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            return OptionError{QStringLiteral("--summer wants on or off, not \"%1\"").arg(value)};
        }
        options.summerTime = value == QLatin1String("on");
    }
    return options;
}

}  // namespace zenlith
