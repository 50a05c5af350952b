#include "app/core/commandline.h"

#include "core/programversion.h"

#include <cstdio>

namespace {

const QString programName = QStringLiteral("velmark");

// Qt's standard options that take a value as the next argument (or after "="), written with one dash.
const QStringList qtOptionsWithValue{
    QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-geometry"),
    QStringLiteral("-qwindowicon"),     QStringLiteral("-qwindowtitle"),
    QStringLiteral("-title"),           QStringLiteral("-session"),
    QStringLiteral("-display"),         QStringLiteral("-name"),
    QStringLiteral("-style"),           QStringLiteral("-stylesheet"),
    QStringLiteral("-qmljsdebugger"),
};
// Qt's standard options that stand alone.
const QStringList qtFlags{QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                          QStringLiteral("-nograb"),  QStringLiteral("-dograb"),
                          QStringLiteral("-sync"),    QStringLiteral("-visual")};

// Qt reads its options with one dash or two; compare them in the one-dash form.
QString singleDash(const QString &argument)
{
    return argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
}

CommandLineOutcome answer(const QString &text)
{
    CommandLineOutcome outcome;
    outcome.start = false;
    outcome.standardOutput = text;
    return outcome;
}

CommandLineOutcome usageError(const QString &greek, const QString &english)
{
    CommandLineOutcome outcome;
    outcome.start = false;
    outcome.exitCode = 2;
    outcome.standardError = programName + QStringLiteral(": ") + greek + QLatin1Char('\n') + programName +
                            QStringLiteral(": ") + english + QLatin1Char('\n') +
                            QStringLiteral("Δείτε / See: ") + programName + QStringLiteral(" --help\n");
    return outcome;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "Χρήση: velmark [ΕΠΙΛΟΓΗ]\n"
        "Ο Velmark Html Editor - Browser είναι ένας επεξεργαστής HTML με ενσωματωμένο φυλλομετρητή, που\n"
        "βοηθά τους μαθητές να μάθουν τη γλώσσα HTML. Χωρίς επιλογές ανοίγει το παράθυρο με τους όρους "
        "χρήσης.\n"
        "  -h, --help       εμφανίζει αυτή τη βοήθεια και τερματίζει\n"
        "  -v, --version    εμφανίζει την έκδοση του προγράμματος και τερματίζει\n"
        "\n"
        "Usage: velmark [OPTION]\n"
        "Velmark Html Editor - Browser is an HTML editor with a built-in web browser that helps school\n"
        "pupils learn HTML. Without options it opens the window with the terms of use.\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the program's version and exit\n"
        "\n"
        "Οι τυπικές επιλογές του Qt (όπως -platform, -style) γίνονται επίσης δεκτές.\n"
        "Qt's standard options (such as -platform, -style) are accepted as well.\n");
}

CommandLineOutcome readCommandLine(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return answer(usageText());
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return answer(QStringLiteral("Velmark Html Editor - Browser ") + programVersion() +
                          QLatin1Char('\n'));
        if (argument == QLatin1String("--webEngineArgs"))
            break;
        const QString option = singleDash(argument);
        const QString name = option.section(QLatin1Char('='), 0, 0);
        if (qtFlags.contains(option))
            continue;
        if (qtOptionsWithValue.contains(name)) {
            if (name == option) {
                if (i + 1 >= arguments.size())
                    return usageError(QStringLiteral("η επιλογή «%1» θέλει μια τιμή").arg(argument),
                                      QStringLiteral("option '%1' needs a value").arg(argument));
                ++i;
            }
            continue;
        }
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return usageError(QStringLiteral("άγνωστη επιλογή «%1»").arg(argument),
                              QStringLiteral("unknown option '%1'").arg(argument));
        return usageError(QStringLiteral("το πρόγραμμα δεν δέχεται ορίσματα: «%1»").arg(argument),
                          QStringLiteral("the program takes no arguments: '%1'").arg(argument));
    }
    return {};
}

CommandLineOutcome readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return readCommandLine(arguments);
}

int finishWithoutStarting(const CommandLineOutcome &outcome)
{
    std::fputs(outcome.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.standardError.toLocal8Bit().constData(), stderr);
    return outcome.exitCode;
}
