#include "qt/PortOptions.h"

#include "qt/PortLinks.h"
#include "qt/PortList.h"
#include "qt/PortProbe.h"

#include <QCommandLineParser>
#include <QSerialPortInfo>
#include <QStringList>
#include <cstdio>

namespace
{
const QString LIST_PORTS = QStringLiteral("list-ports");
const QString LINK_PORT = QStringLiteral("link-port");
const QString UNLINK_PORT = QStringLiteral("unlink-port");

std::vector<CSystemPort> SystemPorts()
{
    std::vector<CSystemPort> aPorts;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        aPorts.push_back({info.systemLocation().toStdString(),
                          {info.description().toStdString(), info.manufacturer().toStdString(),
                           info.serialNumber().toStdString()}});
    return aPorts;
}

int Report(bool bOk, const std::string& strReport)
{
    if (bOk)
        std::printf("%s\n", strReport.c_str());
    else
        ReportLine(strReport);
    return bOk ? 0 : 1;
}
} // namespace

void AddPortOptions(QCommandLineParser& parser)
{
    parser.addOption({LIST_PORTS, QStringLiteral("List the serial ports and whether they open.")});
    parser.addOption({LINK_PORT,
                      QStringLiteral("Name DEVICE (the argument after COMn) as port COMn."),
                      QStringLiteral("COMn")});
    parser.addOption(
        {UNLINK_PORT, QStringLiteral("Remove the port name COMn."), QStringLiteral("COMn")});
}

std::optional<int> RunPortOptions(const QCommandLineParser& parser)
{
    const CPortEnvironment env = CPortEnvironment::FromProcess();
    if (parser.isSet(LIST_PORTS))
    {
        for (const CPortListEntry& entry : ListPorts(env, SystemPorts(), ProbePort))
            std::printf("%s\n", FormatPortLine(entry).c_str());
        return 0;
    }
    if (parser.isSet(LINK_PORT))
    {
        const QStringList astrArgs = parser.positionalArguments();
        if (astrArgs.size() != 1)
            return Report(false, "--link-port COMn DEVICE: give one device");
        std::string strReport;
        const bool bOk = LinkPort(env, parser.value(LINK_PORT).toStdString(),
                                  astrArgs.front().toStdString(), strReport);
        return Report(bOk, strReport);
    }
    if (parser.isSet(UNLINK_PORT))
    {
        std::string strReport;
        const bool bOk = UnlinkPort(env, parser.value(UNLINK_PORT).toStdString(), strReport);
        return Report(bOk, strReport);
    }
    return std::nullopt;
}

CHeadlessMode PortMode()
{
    return {AddPortOptions,
            [](const QCommandLineParser& parser) {
                return parser.isSet(LIST_PORTS) || parser.isSet(LINK_PORT) ||
                       parser.isSet(UNLINK_PORT);
            },
            [](const QCommandLineParser& parser) { return RunPortOptions(parser).value_or(0); }};
}
