#include "qt/SweepCommandLine.h"

#include "app/SweepArguments.h"
#include "platform/NumberText.h"
#include "qt/HeadlessSweepMain.h"

#include <QCommandLineParser>

namespace
{
const QString SWEEP = QStringLiteral("sweep");
const QString SETTLE = QStringLiteral("settle");
const QString AVERAGE = QStringLiteral("average");
const QString LENGTH = QStringLiteral("length");
const QString UNITS = QStringLiteral("units");
const QString ZERO = QStringLiteral("zero");
const QString CSV = QStringLiteral("csv");

bool ParseNumberOption(const QCommandLineParser& parser, const QString& strName, double& dValue,
                       QString& strError)
{
    if (!parser.isSet(strName))
        return true;
    if (ParseWhole(parser.value(strName).toStdString(), dValue))
        return true;
    strError = QStringLiteral("--%1 %2: not a number").arg(strName, parser.value(strName));
    return false;
}

void AddSweepOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {SWEEP, QStringLiteral("Runs a steady-point sweep without a window, FROM to TO by STEP."),
         QStringLiteral("FROM:TO:STEP")},
        {SETTLE, QStringLiteral("Seconds to settle at each speed of a sweep (default 5)."),
         QStringLiteral("S")},
        {AVERAGE, QStringLiteral("Seconds of readings averaged at each speed (default 3)."),
         QStringLiteral("S")},
        {LENGTH, QStringLiteral("The model's reference length for Re, in or cm."),
         QStringLiteral("L")},
        {UNITS, QStringLiteral("The sweep's units: english or metric."), QStringLiteral("UNITS")},
        {ZERO, QStringLiteral("Zeroes the forces, wind off, before the sweep.")},
        {CSV, QStringLiteral("Where the sweep's results go."), QStringLiteral("OUT.csv")},
    });
}

bool SweepRequested(const QCommandLineParser& parser)
{
    return parser.isSet(SWEEP);
}

} // namespace

bool ReadSweepJob(const QCommandLineParser& parser, CSweepJob& job, QString& strError)
{
    if (!ParseSweepRange(parser.value(SWEEP).toStdString(), job.m_settings))
    {
        strError =
            QStringLiteral("--sweep %1: FROM:TO:STEP, three numbers").arg(parser.value(SWEEP));
        return false;
    }
    if (!ParseNumberOption(parser, SETTLE, job.m_settings.m_dSettle, strError) ||
        !ParseNumberOption(parser, AVERAGE, job.m_settings.m_dAverage, strError) ||
        !ParseNumberOption(parser, LENGTH, job.m_settings.m_dLength, strError))
        return false;
    job.m_bLengthGiven = parser.isSet(LENGTH);
    if (parser.isSet(UNITS) && !ParseUnitsName(parser.value(UNITS).toStdString(), job.m_nUnits))
    {
        strError = QStringLiteral("--units %1: english or metric").arg(parser.value(UNITS));
        return false;
    }
    job.m_bZero = parser.isSet(ZERO);
    job.m_strCsvPath = parser.value(CSV).toStdString();
    if (job.m_strCsvPath.empty())
    {
        strError = QStringLiteral("--sweep: needs --csv OUT.csv for the results");
        return false;
    }
    return true;
}

CHeadlessMode SweepMode()
{
    return {AddSweepOptions, SweepRequested, RunSweepMode};
}
