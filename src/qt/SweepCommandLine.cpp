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

// Takes a number into dValue; the reason it refuses text that is none.
std::function<std::string(const std::string&)> NumberInto(double& dValue)
{
    return [&dValue](const std::string& strValue) {
        return ParseWhole(strValue, dValue) ? std::string() : std::string("not a number");
    };
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
    const auto fnRange = [&job](const std::string& strValue) {
        return ParseSweepRange(strValue, job.m_settings)
                   ? std::string()
                   : std::string("FROM:TO:STEP, three numbers");
    };
    const auto fnUnits = [&job](const std::string& strValue) {
        return ParseUnitsName(strValue, job.m_nUnits) ? std::string()
                                                      : std::string("english or metric");
    };
    if (!ReadOptionValue(parser, SWEEP, fnRange, strError) ||
        !ReadOptionValue(parser, SETTLE, NumberInto(job.m_settings.m_dSettle), strError) ||
        !ReadOptionValue(parser, AVERAGE, NumberInto(job.m_settings.m_dAverage), strError) ||
        !ReadOptionValue(parser, LENGTH, NumberInto(job.m_settings.m_dLength), strError) ||
        !ReadOptionValue(parser, UNITS, fnUnits, strError))
        return false;
    job.m_bLengthGiven = parser.isSet(LENGTH);
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
