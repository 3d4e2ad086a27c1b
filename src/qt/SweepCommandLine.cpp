#include "qt/SweepCommandLine.h"

#include "app/SweepArguments.h"
#include "platform/NumberText.h"

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
    strError =
        QStringLiteral("--%1 takes a number, not \"%2\"").arg(strName, parser.value(strName));
    return false;
}
} // namespace

bool IsSweepCommandLine(const QStringList& astrArguments)
{
    for (const QString& strArgument : astrArguments)
        if (strArgument == QStringLiteral("--sweep") || strArgument.startsWith("--sweep="))
            return true;
    return false;
}

bool ParseSweepCommandLine(const QStringList& astrArguments, CSweepJob& job, QString& strError)
{
    QCommandLineParser parser;
    parser.addOptions({
        {SWEEP, QStringLiteral("Speeds from FROM to TO by STEP."), QStringLiteral("FROM:TO:STEP")},
        {SETTLE, QStringLiteral("Seconds to settle at each speed."), QStringLiteral("S")},
        {AVERAGE, QStringLiteral("Seconds of readings averaged."), QStringLiteral("S")},
        {LENGTH, QStringLiteral("Reference length, in or cm."), QStringLiteral("L")},
        {UNITS, QStringLiteral("english or metric."), QStringLiteral("UNITS")},
        {ZERO, QStringLiteral("Zero the balance first, wind off.")},
        {CSV, QStringLiteral("Where the results go."), QStringLiteral("OUT.csv")},
    });
    if (!parser.parse(astrArguments))
    {
        strError = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty())
    {
        strError =
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments()[0]);
        return false;
    }
    if (!ParseSweepRange(parser.value(SWEEP).toStdString(), job.m_settings))
    {
        strError = QStringLiteral("--sweep takes FROM:TO:STEP, three numbers, not \"%1\"")
                       .arg(parser.value(SWEEP));
        return false;
    }
    if (!ParseNumberOption(parser, SETTLE, job.m_settings.m_dSettle, strError) ||
        !ParseNumberOption(parser, AVERAGE, job.m_settings.m_dAverage, strError) ||
        !ParseNumberOption(parser, LENGTH, job.m_settings.m_dLength, strError))
        return false;
    job.m_bLengthGiven = parser.isSet(LENGTH);
    if (parser.isSet(UNITS) && !ParseUnitsName(parser.value(UNITS).toStdString(), job.m_nUnits))
    {
        strError =
            QStringLiteral("--units takes english or metric, not \"%1\"").arg(parser.value(UNITS));
        return false;
    }
    job.m_bZero = parser.isSet(ZERO);
    job.m_strCsvPath = parser.value(CSV).toStdString();
    if (job.m_strCsvPath.empty())
    {
        strError = QStringLiteral("--csv OUT.csv is required with --sweep");
        return false;
    }
    return true;
}
