#include "cli/CliCommands.h"

#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "util/Version.h"

namespace qal::cli {

ConfigurationSettings ConfigurationOf(const Options& o)
{
    ConfigurationSettings config;
    if (o.orbs) {
        for (int k = 0; k < 7; ++k)
            config.cboOrb[k] = config.intOrbIndex[k] = (*o.orbs)[static_cast<size_t>(k)];
    }
    config.blnSidereal = config.optVedicAstrology = o.blnSidereal;
    return config;
}

QString RangeNote(double dblFrom, double dblUntil)
{
    if (dblFrom >= intFirstTableDay - 0.5 && dblUntil < intLastTableDay + 0.5)
        return {};
    return QStringLiteral("qal-cli: note: the Moon and Pluto are known from 1600-01-01 to 2099-12-31 only; "
                          "outside these years their aspects and patterns are missing.\n");
}

int RunCli(const QStringList& args, Output& out, QString& err)
{
    Options o;
    const QString strError = ParseCommandLine(args, o);
    if (!strError.isEmpty()) {
        err = QStringLiteral("qal-cli: ") + strError + QLatin1Char('\n');
        return intExitBadInput;
    }
    if (o.command == Command::Help)
        return out.Write(HelpText(o.strHelpTopic)), intExitOk;
    if (o.command == Command::Version)
        return out.Write(QStringLiteral("qal-cli %1\n").arg(QLatin1String(kQalVersion))), intExitOk;
    if (intCurrentLanguage != o.intLanguage)
        SetInterfaceLanguage(o.intLanguage);
    if (o.command == Command::Chart)
        return RunChart(o, out);
    if (o.command == Command::Aspects)
        return RunAspects(o, out, err);
    if (o.command == Command::TimeMap)
        return RunTimeMap(o, out, err);
    return RunFind(o, out, err);
}

int RunCli(const QStringList& args, QString& strOut, QString& err)
{
    TextOutput out;
    const int intStatus = RunCli(args, out, err);
    strOut = out.strText;
    return intStatus;
}

} // namespace qal::cli
