#include "cli/CliCommands.h"

#include "astro/AstroTables.h"
#include "settings/Configuration.h"
#include "text/Texts.h"

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

int RunCli(const QStringList& args, QString& out, QString& err)
{
    Options o;
    const QString strError = ParseCommandLine(args, o);
    if (!strError.isEmpty()) {
        err = QStringLiteral("qal-cli: ") + strError + QLatin1Char('\n');
        return intExitBadInput;
    }
    if (o.command == Command::Help) {
        out = HelpText(o.strHelpTopic);
        return intExitOk;
    }
    if (intCurrentLanguage != o.intLanguage) {
        SetInterfaceLanguage(o.intLanguage);
    }
    if (o.command == Command::Chart)
        RunChart(o, out);
    else if (o.command == Command::Aspects)
        RunAspects(o, out);
    else
        RunFind(o, out);
    return intExitOk;
}

} // namespace qal::cli
